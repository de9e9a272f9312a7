#include "common/Gbk.h"

#include <gtest/gtest.h>

using namespace tj::common;

TEST(Gbk, ConvertsKnownCharacters)
{
    EXPECT_EQ(toGbk(QStringLiteral("张三")).toHex(), "d5c5c8fd");
    EXPECT_EQ(toGbk(QStringLiteral("A体检1")).toHex(), "41cce5bcec31");
    EXPECT_EQ(toGbk(QStringLiteral("€")).toHex(), "80");
    EXPECT_EQ(toGbk(QStringLiteral("ａ")).toHex(), "a3e1");   // full-width letter
    EXPECT_EQ(toGbk(QStringLiteral("堃")).toHex(), "88d2");  // GBK extension
    EXPECT_EQ(fromGbk(QByteArray::fromHex("d5c5c8fd41")), QStringLiteral("张三A"));
    EXPECT_EQ(gbkLength(QStringLiteral("a张三 ")), 6);
    EXPECT_EQ(gbkLength(QString()), 0);
}

// Every assigned double-byte code decodes to a character that encodes back
// to the same code; unassigned codes decode to the replacement character.
TEST(Gbk, RoundTripsEveryDoubleByteCode)
{
    int assigned = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const char bytes[2] = {char(lead), char(trail)};
            const QByteArray code(bytes, 2);
            const QString text = fromGbk(code);
            ASSERT_EQ(text.size(), 1) << code.toHex().constData();
            if (text[0] == QChar(0xFFFD))
                continue;
            ++assigned;
            ASSERT_EQ(toGbk(text), code) << code.toHex().constData();
        }
    }
    EXPECT_EQ(assigned, 23940);  // 21 886 characters plus the user-defined areas
}

TEST(Gbk, KeepsCharactersOutsideGbkWithoutLoss)
{
    const QString text = QStringLiteral("a😀・b");  // an emoji and U+30FB
    const QByteArray bytes = toGbk(text);
    EXPECT_EQ(bytes.size(), 10);
    EXPECT_EQ(gbkLength(text), 4);  // a varchar column holds each of the two as '?'
    EXPECT_EQ(gbkLength(QStringLiteral("€张")), 3);
    EXPECT_EQ(gbkCharLength(bytes, 1), 4);
    EXPECT_EQ(fromGbk(bytes), text);
}

TEST(Gbk, MeasuresCharactersAsThePinyinWalkDoes)
{
    const QByteArray bytes = QByteArray::fromHex("41d5c5c8") + QByteArray("\x81");
    EXPECT_EQ(gbkCharLength(bytes, 0), 1);
    EXPECT_EQ(gbkCharLength(bytes, 1), 2);
    EXPECT_EQ(gbkCharLength(bytes, 3), 2);  // C8 81: second byte from 0x40
    EXPECT_EQ(gbkCharLength(bytes, 4), 1);  // lone lead byte at the end
    EXPECT_EQ(gbkCharLength(QByteArray("\xb0\x39", 2), 0), 1);
    EXPECT_EQ(fromGbk(QByteArray("\xb0", 1)), QString(QChar(0xFFFD)));
}
