#include "common/Gbk.h"
#include "common/PinyinCode.h"
#include "common/PinyinSyllables.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tj::common;

TEST(PinyinCode, SearchCodes)
{
    struct Case {
        QString text, code;
    };
    const Case cases[] = {
        {QStringLiteral("张三"), QStringLiteral("ZS")},
        {QStringLiteral("体检中心"), QStringLiteral("TJZX")},
        {QStringLiteral("王A-1"), QStringLiteral("WA-1")},
        {QStringLiteral("李 小"), QStringLiteral("L X")},
        {QStringLiteral("佛山"), QStringLiteral("S")},
        {QStringLiteral("给药"), QStringLiteral("Y")},
        {QString(), QString()},
        {QStringLiteral("abc Xyz"), QStringLiteral("ABC XYZ")},
        {QStringLiteral("ａｂＣ１"), QStringLiteral("abC1")},  // full-width case kept
        {QStringLiteral("血常规（五分类）"), QStringLiteral("XCG(WFL)")},  // full-width ASCII made plain
        {QStringLiteral("肝功能(2)"), QStringLiteral("GGN(2)")},
        {QStringLiteral("长行重单曾乐仇率参"), QStringLiteral("ZHZDCLCLC")},
        {QStringLiteral("堃玥"), QStringLiteral("KY")},  // GBK extension characters
        {QStringLiteral("、。—"), QString()},           // symbol row, no readings
        {QStringLiteral("ⅹ⒛⒇⑩㈩Ⅻ"), QStringLiteral("102020101012")},
        {QStringLiteral("Θω β"), QStringLiteral("THO B")},
        {QStringLiteral("a😀b"), QStringLiteral("AB")},  // outside GBK: no reading
    };
    for (const Case& c : cases)
        EXPECT_EQ(PinyinCode(c.text), c.code) << c.text.toStdString();
}

TEST(PinyinCode, Flags)
{
    // Whole syllables show the fixed readings the centre relies on.
    EXPECT_EQ(PinyinCode(QStringLiteral("张王体检长行重单曾乐仇率参"), PinyinWholeSyllables),
              QStringLiteral("ZHANGWANGTIJIANZHANGHANGZHONGDANCENGLECHOULVCAN"));
    EXPECT_EQ(PinyinCode(QStringLiteral("女庄"), PinyinWholeSyllables), QStringLiteral("NVZHUANG"));
    // "?" marks characters without a reading, including the three left without one.
    EXPECT_EQ(PinyinCode(QStringLiteral("佛给髟山"), PinyinMarkUnknown), QStringLiteral("???S"));
    EXPECT_EQ(PinyinCode(QStringLiteral("、"), PinyinMarkUnknown), QStringLiteral("?"));
    // Without bit 2 only letters and digits survive.
    EXPECT_EQ(PinyinCode(QStringLiteral("王A-1 （b）"), 0), QStringLiteral("WA1B"));
    EXPECT_EQ(PinyinCode(QStringLiteral("ａ－1"), 0), QStringLiteral("a1"));
    EXPECT_EQ(PinyinCode(QStringLiteral("张三"), -1), QString());
}

TEST(PinyinCode, CutsToMaxLength)
{
    const QString longName = QString(300, QChar(u'张'));
    EXPECT_EQ(PinyinCode(longName), QString(255, QLatin1Char('Z')));
    EXPECT_EQ(PinyinCode(QStringLiteral("张三丰"), kPinyinSearchCodeFlags, 2), QStringLiteral("ZS"));
    EXPECT_EQ(PinyinCode(QStringLiteral("张三"), PinyinWholeSyllables, 4), QStringLiteral("ZHAN"));
    EXPECT_EQ(PinyinCode(QStringLiteral("张三"), kPinyinSearchCodeFlags, 0), QString());
}

TEST(PinyinTable, SyllableList)
{
    ASSERT_EQ(kPinyinSyllables.size(), 405u);
    const char* first[] = {"a", "ai", "an", "ang", "ao", "ba", "bai", "ban", "bang", "bao"};
    const char* last[] = {"m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_STREQ(kPinyinSyllables[i], first[i]);
        EXPECT_STREQ(kPinyinSyllables[395 + i], last[i]);
    }
    for (const char* s : kPinyinSyllables)
        EXPECT_TRUE(std::strlen(s) >= 1 && std::strlen(s) <= 6) << s;
    for (int entry : kGbkPinyinReadings)
        ASSERT_LE(entry, 405);
}

// Coverage demanded of the reading table: every GB2312 character but three,
// nothing in the symbol rows, and the GBK extension rows 0x81-0xA0.
TEST(PinyinTable, Coverage)
{
    const QByteArray withoutReading = toGbk(QStringLiteral("佛给髟"));
    int gb2312 = 0;
    QByteArray missing;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA)
                continue;  // unassigned end of level 1
            if (GbkPinyinReading(lead, trail) != 0)
                ++gb2312;
            else
                missing += QByteArray(1, char(lead)) + char(trail);
        }
    }
    EXPECT_EQ(gb2312, 6760);
    EXPECT_EQ(missing, withoutReading);

    for (int lead = 0xA1; lead <= 0xA9; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            ASSERT_EQ(GbkPinyinReading(lead, trail), 0) << std::hex << lead << trail;

    int extension = 0;
    for (int lead = 0x81; lead <= 0xA0; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            extension += GbkPinyinReading(lead, trail) != 0;
    EXPECT_GE(extension, 5988);
    EXPECT_LE(extension, 32 * 190);
}
