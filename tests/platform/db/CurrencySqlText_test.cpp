// Money arithmetic and the quoting formatter that every typed value passes through.
#include "DbTestSupport.h"

#include "platform/db/Currency.h"
#include "platform/db/SqlText.h"
#include "platform/db/Value.h"

#include <stdexcept>

using namespace tj::db;

TEST(Currency, ParsesAndRoundsHalfAwayFromZero)
{
    struct {
        const char* text;
        qint64 raw;
    } cases[] = {
        {"12", 120000},   {"-3.5", -35000},     {" 0.1234 ", 1234}, {"1.00005", 10001},
        {"-1.00005", -10001}, {"2.675", 26750}, {".5", 5000},      {"1e2", 1000000},
    };
    for (const auto& c : cases) {
        const auto v = Currency::fromString(QString::fromUtf8(c.text));
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(v->raw(), c.raw) << c.text;
    }
    for (const char* bad : {"", "abc", "1.2.3", "12元", "-"})
        EXPECT_FALSE(Currency::fromString(QString::fromUtf8(bad)).has_value()) << bad;

    EXPECT_EQ(Currency::fromDouble(0.1 + 0.2), Currency::fromRaw(3000));
    EXPECT_EQ(Currency::fromDouble(1.00005).raw(), 10001);
    EXPECT_EQ(Currency::fromRaw(26750).toString(), QStringLiteral("2.68"));
    EXPECT_EQ(Currency::fromRaw(-26750).toString(), QStringLiteral("-2.68"));
    EXPECT_EQ(Currency::fromRaw(-49).toString(), QStringLiteral("0.00"));  // no negative zero
    EXPECT_EQ(Currency::fromRaw(120000).toString(0), QStringLiteral("12"));
    EXPECT_EQ(Currency::fromRaw(3000).toPlainString(), QStringLiteral("0.3"));
    // A discount of 0.85 on 33.33 is 28.3305, 28.33 to the fen.
    EXPECT_EQ(Currency::fromString(QStringLiteral("33.33"))->multiplied(0.85, 2), Currency::fromRaw(283300));
    EXPECT_EQ(Currency::fromString(QStringLiteral("10.05"))->multiplied(0.5, 2), Currency::fromRaw(50300));  // 5.025 -> 5.03
    EXPECT_EQ(Currency::fromRaw(10000) + Currency::fromRaw(2) - Currency::fromRaw(1), Currency::fromRaw(10001));
}

TEST(Currency, TypedDecimalsRoundAsAskedAndGiveBounds)
{
    using R = Currency::Rounding;
    struct {
        const char* text;
        qint64 even;  // half to even
        qint64 away;  // half away from zero
    } cases[] = {
        {"12", 120000, 120000},      {"-0.5", -5000, -5000},    {"+3.75", 37500, 37500},
        {".5", 5000, 5000},          {"7.", 70000, 70000},      {" 0.00005 ", 0, 1},
        {"0.00015", 2, 2},           {"0.000051", 1, 1},        {"-0.00005", 0, -1},
        {"１２．５", 125000, 125000}, {"－３", -30000, -30000},  // as a Chinese input method types them
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Currency::fromDecimalText(QString::fromUtf8(c.text), R::HalfToEven), Currency::fromRaw(c.even)) << c.text;
        EXPECT_EQ(Currency::fromDecimalText(QString::fromUtf8(c.text), R::HalfAwayFromZero), Currency::fromRaw(c.away)) << c.text;
    }
    for (const char* bad : {"", " ", ".", "-", "1.2.3", "1e3", "12a", "1 2", "99999999999999999999", "nan", "inf", "１二"})
        EXPECT_FALSE(Currency::fromDecimalText(QString::fromUtf8(bad), R::HalfToEven).has_value()) << bad;

    const auto b = Currency::boundsOf(QStringLiteral("3.49995"));
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->floor, Currency::fromRaw(34999));
    EXPECT_EQ(b->ceil, Currency::fromRaw(35000));
    const auto n = Currency::boundsOf(QStringLiteral("-3.49995"));
    EXPECT_EQ(n->floor, Currency::fromRaw(-35000));
    EXPECT_EQ(n->ceil, Currency::fromRaw(-34999));
    const auto exact = Currency::boundsOf(QStringLiteral("3.5"));
    EXPECT_EQ(exact->floor, exact->ceil);
    EXPECT_EQ(Currency::fromRaw(-40).toString(2), QStringLiteral("0.00"));
    EXPECT_EQ(Currency::fromRaw(8334).toString(4), QStringLiteral("0.8334"));
}

TEST(Value, ConvertsLikeDataSetFields)
{
    EXPECT_EQ(Value(QStringLiteral("12")).toInteger(), 12);
    EXPECT_EQ(Value().toInteger(), 0);
    EXPECT_EQ(Value().toString(), QString());
    EXPECT_FALSE(Value().toBool());
    EXPECT_TRUE(Value(QStringLiteral("True")).toBool());
    EXPECT_EQ(Value(0.30000000000000004).toCurrency().toString(), QStringLiteral("0.30"));
    EXPECT_EQ(Value(12.5).toString(), QStringLiteral("12.5"));
    EXPECT_EQ(Value(3.0).toString(), QStringLiteral("3"));
    EXPECT_EQ(Value(0.1 + 0.2).toString(), QStringLiteral("0.3"));
    EXPECT_EQ(Value(QStringLiteral("2024-01-05 08:09:10.123")).toDateTime(),
              QDateTime(QDate(2024, 1, 5), QTime(8, 9, 10, 123)));
    EXPECT_EQ(Value(QStringLiteral("2024-01-05")).toDateTime(), QDateTime(QDate(2024, 1, 5), QTime(0, 0)));
    EXPECT_FALSE(Value(QStringLiteral("2024-13-05")).toDateTime().isValid());
    EXPECT_EQ(Value(QDateTime(QDate(2024, 1, 5), QTime(8, 0))).toString(), QStringLiteral("2024-01-05 08:00:00.000"));
}

TEST(SqlText, QuotesTextInsideQuotesOnly)
{
    EXPECT_EQ(SqlText::format("select * from t where xm='%s' and id=%d", QStringLiteral("O'Neil"), 7),
              QStringLiteral("select * from t where xm='O''Neil' and id=7"));
    EXPECT_EQ(SqlText::format("select * from t where %s order by id", QStringLiteral("a='x'")),
              QStringLiteral("select * from t where a='x' order by id"));
    EXPECT_EQ(SqlText::format("pyjma like '%%%s%%'", QStringLiteral("5%'_")), QStringLiteral("pyjma like '%5%''_%'"));
    EXPECT_EQ(SqlText::format("values('%s', %.2f, %.2f, %f)", QStringLiteral("张三\\"), 2.675, Currency::fromRaw(5), 1.5),
              QStringLiteral("values('张三\\', 2.68, 0.00, 1.500000)"));
    EXPECT_EQ(SqlText::format("id in (%s)", QStringLiteral("1,2")), QStringLiteral("id in (1,2)"));
    EXPECT_EQ(SqlText::format("'%s' '%s'", QStringLiteral("a'"), "b'"), QStringLiteral("'a''' 'b'''"));
    EXPECT_EQ(SqlText::quoted(QStringLiteral("it's")), QStringLiteral("'it''s'"));
}

TEST(SqlText, QuotesAreReadPastCommentsAndBracketedNames)
{
    const QString name = QStringLiteral("O'Neil");
    // A quote in a comment or in a bracketed name opens no string.
    EXPECT_EQ(SqlText::format("select 1 -- it's\nfrom t where xm='%s'", name),
              QStringLiteral("select 1 -- it's\nfrom t where xm='O''Neil'"));
    EXPECT_EQ(SqlText::format("select /* it's */ * from t where xm='%s' and id=%d", name, 3),
              QStringLiteral("select /* it's */ * from t where xm='O''Neil' and id=3"));
    EXPECT_EQ(SqlText::format("select [O'Neil col] from t where xm='%s'", name),
              QStringLiteral("select [O'Neil col] from t where xm='O''Neil'"));
    // A name placed inside brackets cannot close them.
    EXPECT_EQ(SqlText::format("select [%s] from t where xm=N'%s'", QStringLiteral("a]b"), name),
              QStringLiteral("select [a]]b] from t where xm=N'O''Neil'"));
    EXPECT_THROW(SqlText::format("select 1 -- %s\n", name), std::logic_error);
    EXPECT_EQ(SqlText::format("select 1 -- 100%% sure\nfrom t where id=%d", 1), QStringLiteral("select 1 -- 100% sure\nfrom t where id=1"));
}

TEST(SqlText, MismatchesAreProgrammingErrors)
{
    EXPECT_THROW(SqlText::format("id=%d"), std::logic_error);
    EXPECT_THROW(SqlText::format("id=%d", 1, 2), std::logic_error);
    EXPECT_THROW(SqlText::format("id=%d", QStringLiteral("1 or 1=1")), std::logic_error);
    EXPECT_THROW(SqlText::format("je=%.2f", QStringLiteral("1")), std::logic_error);
    EXPECT_THROW(SqlText::format("x=%x", 1), std::logic_error);
    EXPECT_THROW(SqlText::format("x=%", 1), std::logic_error);
}
