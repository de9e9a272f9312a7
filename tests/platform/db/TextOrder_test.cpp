// One order for text and values: the comparison function, the data set's
// client-side sort and an ORDER BY of the embedded database agree.
#include "DbTestSupport.h"

#include "platform/db/Query.h"
#include "platform/db/TextOrder.h"

using namespace tj::db;
using tj::db::testing::FreshDb;

namespace {

struct Ranked {
    Value value;
    int rank;  // equal ranks compare equal
};

// In ascending order.
const std::vector<Ranked>& table()
{
    static const std::vector<Ranked> t = {
        {Value(), 0},
        {Value(2), 1},
        {Value(10), 2},
        {Value(10.5), 3},
        {Value(QStringLiteral("")), 4},
        {Value(QStringLiteral("  ")), 4},        // trailing blanks are ignored
        {Value(QStringLiteral("10")), 5},        // digits in text sort as text
        {Value(QStringLiteral("9")), 6},
        {Value(QStringLiteral("a")), 7},
        {Value(QStringLiteral("A ")), 7},        // case and trailing blanks
        {Value(QStringLiteral("Ａ")), 7},        // full-width letter
        {Value(QStringLiteral("aB")), 8},
        {Value(QStringLiteral("Ab")), 8},
        {Value(QStringLiteral("z")), 9},
        {Value(QStringLiteral("阿")), 10},       // GBK B0A2: Chinese after ASCII, in pinyin order
        {Value(QStringLiteral("张")), 11},       // D5C5
        {Value(QStringLiteral("张三")), 12},
        {Value(QStringLiteral("赵")), 13},       // D5D4
        {Value(QStringLiteral("😀")), 14},       // outside GBK: after every GBK character
    };
    return t;
}

int rankOf(const Value& v)
{
    for (const Ranked& r : table())
        if (r.value == v)
            return r.rank;
    ADD_FAILURE() << "unexpected value " << v.toString().toStdString();
    return -1;
}

int sign(int x) { return (x > 0) - (x < 0); }

TEST(TextOrder, ComparesAsTheServerCollation)
{
    for (const Ranked& a : table())
        for (const Ranked& b : table())
            EXPECT_EQ(sign(compareValues(a.value, b.value)), sign(a.rank - b.rank))
                << a.value.toString().toStdString() << " vs " << b.value.toString().toStdString();
    EXPECT_GT(compareText(QStringLiteral("张三"), QStringLiteral("李四")), 0);  // Z (D5C5) after L (C0EE)
    EXPECT_TRUE(likeText(QStringLiteral("ＺＳ三"), QStringLiteral("zs%")));
    EXPECT_TRUE(likeText(QStringLiteral("a_b"), QStringLiteral("a!_b"), QLatin1Char('!')));
    EXPECT_FALSE(likeText(QStringLiteral("axb"), QStringLiteral("a!_b"), QLatin1Char('!')));
}

// The database's comparison of UTF-8 text (which takes short ways for equal
// bytes and for ASCII) gives what the comparison of the program's own text does.
TEST(TextOrder, DatabaseTextComparesAsProgramText)
{
    const QStringList texts = {QString(), QStringLiteral("12-35"), QStringLiteral("12-35 "), QStringLiteral("12-4"),
                               QStringLiteral("12-３5"), QStringLiteral("ab张三"), QStringLiteral("AB张三"),
                               QStringLiteral("ab赵"), QStringLiteral("ab"), QStringLiteral("ab "), QStringLiteral("a阿"),
                               QStringLiteral("a　"), QStringLiteral("a "), QStringLiteral("b"), QStringLiteral("张")};
    for (const QString& a : texts)
        for (const QString& b : texts) {
            const QByteArray x = a.toUtf8(), y = b.toUtf8();
            EXPECT_EQ(sign(compareTextUtf8(x.constData(), int(x.size()), y.constData(), int(y.size()))), sign(compareText(a, b)))
                << a.toStdString() << " vs " << b.toStdString();
        }
}

// Stored date-times against the 'yyyy-mm-dd hh:mm:ss' ends of a day range.
TEST_F(FreshDb, DayRangesTakeTheMilliseconds)
{
    db->execute(QStringLiteral("create table #t (id int identity(1,1), t datetime null)"));
    for (const char* t : {"2024-06-30 23:59:59.000", "2024-06-30 23:59:59.500", "2024-07-01 00:00:00.000",
                          "2024-06-01 00:00:00.000", "2024-05-31 23:59:59.997"})
        db->execute(QStringLiteral("insert into #t(t) values('%1')").arg(QLatin1String(t)));
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from #t where t between '2024-06-01 00:00:00' and '2024-06-30 23:59:59'"))
                  .toInteger(),
              2);
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from #t where t > '2024-06-30 23:59:59'")).toInteger(), 2);
}

class TextOrderDb : public FreshDb {
protected:
    void SetUp() override
    {
        FreshDb::SetUp();
        // A column without a type keeps numbers, text and nulls as given.
        db->executeNative(QStringLiteral("CREATE TABLE v (id INTEGER PRIMARY KEY, x COLLATE Chinese_PRC_CI_AS)"));
        const auto& t = table();
        for (auto it = t.rbegin(); it != t.rend(); ++it)
            db->execute(QStringLiteral("insert into v(x) values(?)"), {it->value});
    }

    void expectAscending(const std::vector<Value>& values, const char* how)
    {
        ASSERT_EQ(values.size(), table().size()) << how;
        for (std::size_t i = 1; i < values.size(); ++i)
            EXPECT_LE(rankOf(values[i - 1]), rankOf(values[i]))
                << how << ": " << values[i - 1].toString().toStdString() << " before " << values[i].toString().toStdString();
    }
};

TEST_F(TextOrderDb, ClientSortAndOrderByAgree)
{
    std::vector<Value> byDatabase;
    for (const auto& row : db->query(QStringLiteral("select x from v order by x")).rows)
        byDatabase.push_back(row[0]);
    expectAscending(byDatabase, "order by");

    Query q(*db);
    q.setSql(QStringLiteral("select x from v"));
    q.open();
    q.setSort(QStringLiteral("x"));
    std::vector<Value> byClient;
    for (q.first(); !q.eof(); q.next())
        byClient.push_back(q.field(QStringLiteral("x")).value());
    expectAscending(byClient, "client sort");

    // Filter and locate compare the same way.
    q.setFilter(QStringLiteral("x like 'a*'"));
    EXPECT_EQ(q.recordCount(), 5);  // a, A, Ａ, aB, Ab
    q.setFilter(QString());
    ASSERT_TRUE(q.locate(QStringLiteral("x"), QStringLiteral("ａb  ")));
    EXPECT_EQ(rankOf(q.field(QStringLiteral("x")).value()), 8);
    ASSERT_TRUE(q.locate(QStringLiteral("x"), QStringLiteral("10.5")));  // text typed for a number
    EXPECT_EQ(q.field(QStringLiteral("x")).value(), Value(10.5));
}

}  // namespace
