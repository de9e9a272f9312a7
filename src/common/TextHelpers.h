// Small text helpers of the printed report and the summary boxes.
#pragma once

#include <QColor>
#include <QString>

class QPlainTextEdit;
class QTextEdit;

namespace tj::common {

// Breaks each line of text so that it fits width (pixels) when a double-byte
// character is charHeight wide and a single-byte one half that; every output
// line ends in "\r\n". Double-byte characters are never split.
QString WrapTextToWidth(const QString& text, int charHeight, int width);

// Examination number "12-345" as "00012 00345" (non-numbers count as 0).
QString ExamNumberToDigitGroups(const QString& examNumber);

// Adds line in colour at the end of a rich-text box and scrolls to it.
void AppendRichLine(QTextEdit* box, const QColor& colour, const QString& line);

// Adds line at the end of a memo and scrolls to it.
void AppendMemoLine(QPlainTextEdit* memo, const QString& line);
void AppendMemoLine(QTextEdit* memo, const QString& line);

}  // namespace tj::common
