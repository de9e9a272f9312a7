#include "common/ChineseNumerals.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tj::common;

TEST(NumberToChinese, Numerals)
{
    struct Case {
        double value;
        const char16_t* text;
    };
    const Case cases[] = {
        {1, u"一"},           {10, u"十"},           {15, u"十五"},         {20, u"二十"},
        {105, u"一百零五"},   {110, u"一百一十"},    {1005, u"一千零五"},   {10100, u"一万零一百"},
        {10001, u"一万零一"}, {100000, u"十万"},     {100001, u"十万零一"}, {1000001, u"一百万零一"},
        {1000000, u"一百万"}, {100010000, u"一亿零一万"}, {100000001, u"一亿零一"},
        {1010000, u"一百零一万"}, {123456789, u"一亿二千三百四十五万六千七百八十九"},
        {1e12, u"一兆"},      {1e16, u"一京"},
        {0, u"零"},           {-0.0, u"零"},         {0.5, u"零点五"},      {12.5, u"十二点五"},
        {-3, u"负三"},        {-0.25, u"负零点二五"}, {3.05, u"三点零五"},   {0.1 + 0.2, u"零点三"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberToChinese(c.value), QString::fromUtf16(c.text)) << c.value;
}

TEST(NumberToChinese, NotANumberGivesNothing)
{
    EXPECT_EQ(NumberToChinese(std::numeric_limits<double>::quiet_NaN()), QString());
    EXPECT_EQ(NumberToChinese(std::numeric_limits<double>::infinity()), QString());
}
