#include "common/TextHelpers.h"

#include "common/Gbk.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

namespace tj::common {

namespace {

// Lines of a text split at CR LF, CR or LF; a break at the very end starts
// no further line.
QList<QByteArray> splitLines(const QByteArray& text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

// One line of text as a single paragraph-separated block for a text box.
QString normalisedBreaks(QString line)
{
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return line;
}

template <typename Box>
void scrollToBottom(Box* box)
{
    if (QScrollBar* bar = box->verticalScrollBar())
        bar->setValue(bar->maximum());
}

}  // namespace

QString WrapTextToWidth(const QString& text, int charHeight, int width)
{
    const int halfWidth = charHeight / 2;
    QByteArray out;
    for (const QByteArray& line : splitLines(toGbk(text))) {
        const qsizetype length = line.size();
        qsizetype start = 0;
        qsizetype pos = 0;
        long long total = 0;
        // The last byte of the line is never measured.
        while (pos < length - 1) {
            const qsizetype charLength = gbkCharLength(line, pos);
            const int charWidth = charLength > 1 ? charHeight : halfWidth;
            total += charWidth;
            // A character that alone is too wide stays on its own line
            // rather than leaving an empty line before it.
            if (total >= width && pos > start) {
                out.append(line.mid(start, pos - start));
                out.append("\r\n");
                start = pos;
                total = charWidth;
            }
            pos += charLength;
        }
        if (start < length)
            out.append(line.mid(start));
        out.append("\r\n");
    }
    return fromGbk(out);
}

QString ExamNumberToDigitGroups(const QString& examNumber)
{
    const qsizetype dash = examNumber.indexOf(QLatin1Char('-'));
    const QString before = dash < 0 ? QString() : examNumber.left(dash);
    const QString after = dash < 0 ? examNumber : examNumber.mid(dash + 1);
    return QString::asprintf("%.5d %.5d", before.toInt(), after.toInt());
}

void AppendRichLine(QTextEdit* box, const QColor& colour, const QString& line)
{
    if (!box)
        return;
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    box->setTextCursor(cursor);
    box->setTextColor(colour);
    QTextCharFormat format = box->currentCharFormat();
    if (!box->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(normalisedBreaks(line), format);
    box->setTextCursor(cursor);
    box->setCurrentCharFormat(format);
    scrollToBottom(box);
}

void AppendMemoLine(QPlainTextEdit* memo, const QString& line)
{
    if (!memo)
        return;
    memo->appendPlainText(normalisedBreaks(line));
    scrollToBottom(memo);
}

void AppendMemoLine(QTextEdit* memo, const QString& line)
{
    if (!memo)
        return;
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    if (!memo->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(normalisedBreaks(line));
    scrollToBottom(memo);
}

}  // namespace tj::common
