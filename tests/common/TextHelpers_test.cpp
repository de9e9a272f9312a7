#include "common/TextHelpers.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace tj::common;

TEST(WrapTextToWidth, BreaksAtTheWidth)
{
    struct Case {
        QString text;
        int charHeight, width;
        QString wrapped;
    };
    const Case cases[] = {
        {QString(), 10, 35, QString()},
        // The fourth character reaches 40 >= 35 and starts the next line.
        {QStringLiteral("体检中心报告"), 10, 35, QStringLiteral("体检中\r\n心报告\r\n")},
        // Single-byte characters count half the height.
        {QStringLiteral("ab体检"), 10, 15, QStringLiteral("ab\r\n体\r\n检\r\n")},
        // The last single-byte character of a line is never measured.
        {QStringLiteral("abc"), 10, 10, QStringLiteral("a\r\nbc\r\n")},
        // Empty lines stay; every kind of line break ends a line.
        {QStringLiteral("a\r\n\r\nb\nc\r"), 10, 100, QStringLiteral("a\r\n\r\nb\r\nc\r\n")},
        {QStringLiteral("字"), 10, 5, QStringLiteral("字\r\n")},
        // A character wider than the width gets a line of its own, no empty line.
        {QStringLiteral("体检"), 10, 5, QStringLiteral("体\r\n检\r\n")},
        {QStringLiteral("血压120/80mmHg偏高"), 12, 60, QStringLiteral("血压120/8\r\n0mmHg偏高\r\n")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapTextToWidth(c.text, c.charHeight, c.width), c.wrapped) << c.text.toStdString();
}

TEST(ExamNumberToDigitGroups, Formats)
{
    EXPECT_EQ(ExamNumberToDigitGroups(QStringLiteral("12-345")), QStringLiteral("00012 00345"));
    EXPECT_EQ(ExamNumberToDigitGroups(QStringLiteral("0-7")), QStringLiteral("00000 00007"));
    EXPECT_EQ(ExamNumberToDigitGroups(QStringLiteral("345")), QStringLiteral("00000 00345"));
    EXPECT_EQ(ExamNumberToDigitGroups(QStringLiteral("x-y")), QStringLiteral("00000 00000"));
    EXPECT_EQ(ExamNumberToDigitGroups(QStringLiteral("123456-1")), QStringLiteral("123456 00001"));
}

TEST(AppendLine, AddsColouredLinesAtTheEnd)
{
    QTextEdit box;
    AppendRichLine(&box, Qt::red, QStringLiteral("一、内科：未见异常"));
    AppendRichLine(&box, Qt::blue, QStringLiteral("二、<b>外科</b>"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("一、内科：未见异常\n二、<b>外科</b>"));
    const QTextBlock second = box.document()->lastBlock();
    EXPECT_EQ(second.begin().fragment().charFormat().foreground().color(), QColor(Qt::blue));
    EXPECT_EQ(box.document()->firstBlock().begin().fragment().charFormat().foreground().color(),
              QColor(Qt::red));

    QPlainTextEdit memo;
    AppendMemoLine(&memo, QStringLiteral("a"));
    AppendMemoLine(&memo, QStringLiteral("b"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("a\nb"));
    AppendMemoLine(static_cast<QPlainTextEdit*>(nullptr), QStringLiteral("ignored"));
}
