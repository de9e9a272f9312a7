#include "support/PrintedOutput.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
// Results as UTF-8 text.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

namespace tj::test {

QString decodeBarcode(const QImage& image)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum, int(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::LinearCodes);
    hints.setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? QString::fromStdString(result.text()) : QString();
}

std::optional<QString> popplerTool(const QString& tool, const QStringList& args)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(exe, args);
    p.waitForFinished(60000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::optional<QString> pdfText(const QString& pdfPath)
{
    return popplerTool(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
}

std::optional<QString> pdfFonts(const QString& pdfPath)
{
    return popplerTool(QStringLiteral("pdffonts"), {pdfPath});
}

int pdfPageCount(const QString& pdfPath)
{
    QFile f(pdfPath);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    // Page objects are "/Type /Page", the page tree "/Type /Pages".
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

bool pdfCrossReferenceIsSound(const QString& pdfPath)
{
    QFile f(pdfPath);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray pdf = f.readAll();
    const qsizetype sx = pdf.lastIndexOf("startxref");
    if (sx < 0) return false;
    const qsizetype xref = pdf.mid(sx + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong();
    const auto head = QRegularExpression(QStringLiteral("^xref\\s+0\\s+(\\d+)\\s*\n")).match(QString::fromLatin1(pdf.mid(xref, 64)));
    if (!head.hasMatch()) return false;
    const int count = head.captured(1).toInt();
    qsizetype entry = xref + head.capturedLength(0);
    for (int object = 0; object < count; ++object, entry += 20) {
        if (entry + 20 > pdf.size()) return false;
        if (pdf[entry + 17] != 'n') continue;
        const qsizetype at = pdf.mid(entry, 10).toLongLong();
        if (!pdf.mid(at).startsWith(QByteArray::number(object) + " 0 obj")) return false;
    }
    return true;
}

}  // namespace tj::test
