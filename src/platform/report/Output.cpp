#include "platform/report/Output.h"

#include "platform/report/PdfText.h"
#include "platform/report/Report.h"
#include "platform/report/ReportPreview.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <optional>

namespace tj::report {

QPageLayout pageLayoutFor(const QSizeF& pageSizeMm)
{
    const bool turned = pageSizeMm.width() > pageSizeMm.height();
    const QSizeF upright = turned ? pageSizeMm.transposed() : pageSizeMm;
    return QPageLayout(QPageSize(upright, QPageSize::Millimeter), turned ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

// ---- PdfFile ---------------------------------------------------------------

struct PdfFile::Impl {
    QString path;
    QString title;
    std::optional<QTemporaryFile> file;
    std::optional<QPdfWriter> writer;
    QPainter painter;
    int pages = 0;
    bool finished = false;

    QString cannotWrite() const { return QStringLiteral("无法写入文件 %1，请检查文件夹是否存在、可写，文件是否正被其他程序打开").arg(QDir::toNativeSeparators(path)); }

    void start(const QSizeF& pageSizeMm)
    {
        // Written beside the target and renamed over it when complete.
        const QFileInfo target(path);
        file.emplace(target.absolutePath() + QStringLiteral("/.pdf-XXXXXX"));
        if (!file->open()) throw ReportError(cannotWrite());
        writer.emplace(&*file);
        writer->setResolution(600);
        writer->setTitle(title);
        writer->setCreator(QStringLiteral("tj"));
        writer->setPageLayout(pageLayoutFor(pageSizeMm));
        if (!painter.begin(&*writer)) throw ReportError(cannotWrite());
    }
};

PdfFile::PdfFile(const QString& path, const QString& title) : d(std::make_unique<Impl>())
{
    d->path = path;
    d->title = title;
}

PdfFile::~PdfFile()
{
    if (d->painter.isActive()) d->painter.end();
}

void PdfFile::add(const Document& doc)
{
    if (d->finished) throw ReportError(d->cannotWrite());
    if (d->title.isEmpty()) d->title = doc.title;
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (!d->writer) {
            d->start(doc.pageSizeMm);
        } else {
            d->writer->setPageLayout(pageLayoutFor(doc.pageSizeMm));
            if (!d->writer->newPage()) throw ReportError(d->cannotWrite());
        }
        doc.paintPage(d->painter, i);
        ++d->pages;
    }
}

int PdfFile::pageCount() const
{
    return d->pages;
}

void PdfFile::finish()
{
    if (d->finished) return;
    if (!d->writer) d->start(QSizeF(210, 297));  // nothing added: one empty page
    QTemporaryFile& file = *d->file;
    // Everything written so far is page content; the fonts with their
    // character maps and the cross-reference table follow when it ends.
    const qint64 tailStart = file.pos();
    const bool ended = d->painter.end();
    d->finished = true;
    if (!ended || (!file.isOpen() && !file.open()) || !file.flush() || !file.seek(tailStart)) throw ReportError(d->cannotWrite());
    QByteArray tail = file.readAll();
    if (mendPdfCharacterMaps(tail) && (!file.seek(tailStart) || file.write(tail) != tail.size())) throw ReportError(d->cannotWrite());
    if (!file.flush()) throw ReportError(d->cannotWrite());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    std::error_code ec;
    std::filesystem::rename(file.fileName().toStdU16String(), d->path.toStdU16String(), ec);
    if (ec) throw ReportError(d->cannotWrite());
    file.setAutoRemove(false);
}

void exportPdf(const Document& doc, const QString& path)
{
    PdfFile pdf(path, doc.title);
    pdf.add(doc);
    pdf.finish();
}

// ---- PrintJob --------------------------------------------------------------

struct PrintJob::Impl {
    QPrinter* printer = nullptr;
    QString name;
    QPainter painter;
    int pages = 0;
};

PrintJob::PrintJob(QPrinter& printer, const QString& name) : d(std::make_unique<Impl>())
{
    d->printer = &printer;
    d->name = name;
}

PrintJob::~PrintJob()
{
    if (d->painter.isActive()) d->painter.end();
}

void PrintJob::add(const Document& doc, int first, int last)
{
    QPrinter& printer = *d->printer;
    if (last < 0 || last >= doc.pageCount()) last = doc.pageCount() - 1;
    for (int i = std::max(0, first); i <= last; ++i) {
        if (!d->painter.isActive()) {
            printer.setFullPage(true);
            printer.setDocName(d->name.isEmpty() ? doc.title : d->name);
            printer.setPageLayout(pageLayoutFor(doc.pageSizeMm));
            if (!d->painter.begin(&printer)) throw ReportError(QStringLiteral("无法启动打印机，请检查打印机是否已连接并开启"));
        } else {
            printer.setPageLayout(pageLayoutFor(doc.pageSizeMm));
            if (!printer.newPage()) throw ReportError(QStringLiteral("打印时出错，请检查打印机"));
        }
        doc.paintPage(d->painter, i);
        ++d->pages;
    }
}

int PrintJob::pageCount() const
{
    return d->pages;
}

void PrintJob::finish()
{
    if (d->painter.isActive() && !d->painter.end()) throw ReportError(QStringLiteral("打印时出错，请检查打印机"));
}

void printDocument(const Document& doc, QPrinter& printer)
{
    PrintJob job(printer, doc.title);
    const int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    const int to = printer.toPage() > 0 ? printer.toPage() - 1 : -1;
    job.add(doc, from, to);
    job.finish();
}

std::unique_ptr<QPrinter> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw ReportError(QStringLiteral("没有找到默认打印机，请在系统中安装打印机并设为默认打印机后再打印"));
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool printWithDialog(const Document& doc, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dlg(&printer, parent);
    dlg.setMinMax(1, std::max(1, doc.pageCount()));
    if (dlg.exec() != QDialog::Accepted) return false;
    printDocument(doc, printer);
    return true;
}

void printDirect(const Document& doc)
{
    printDocument(doc, *defaultPrinter());
}

// ---- One call --------------------------------------------------------------

namespace {
OutputCapture* g_capture = nullptr;
}

OutputCapture::OutputCapture() : previous_(g_capture)
{
    g_capture = this;
}

OutputCapture::~OutputCapture()
{
    g_capture = previous_;
}

OutputCapture* OutputCapture::active()
{
    return g_capture;
}

bool outputDocument(const Document& doc, Output how, const QString& pdfPath, QWidget* parent)
{
    if (how == Output::Pdf && pdfPath.isEmpty()) throw ReportError(QStringLiteral("没有指定PDF文件的保存位置"));
    if (OutputCapture* capture = OutputCapture::active()) {
        if (how == Output::Pdf) exportPdf(doc, pdfPath);
        if (how == Output::Print && !capture->acceptPrintDialog) return false;
        capture->sent.push_back({doc, how, pdfPath});
        return true;
    }
    switch (how) {
    case Output::Preview:
        previewDocument(doc, parent);
        return true;
    case Output::Print:
        return printWithDialog(doc, parent);
    case Output::PrintNoDialog:
        printDirect(doc);
        return true;
    case Output::Pdf:
        exportPdf(doc, pdfPath);
        return true;
    }
    return false;
}

bool outputReport(const ReportLayout& layout, Output how, const QString& pdfPath, QWidget* parent)
{
    return outputDocument(layoutReport(layout), how, pdfPath, parent);
}

}  // namespace tj::report
