#include "queries/ExamStatistics.h"

#include "platform/db/SqlText.h"
#include "platform/db/WorkingTable.h"
#include "schema/Names.h"

#include <array>

namespace tj::queries {

using db::Currency;
using db::SqlText;

namespace {

const std::array<const char*, 20> LineNames = {
    "总档案号数", "总体检号数", "未检人数", "检中人数", "检完人数",
    "注销人数", "已检（检中＋检完）百分比（％）", "检中百分比（％）", "检完百分比（％）", "注销百分比（％）",
    "体检组合项目数", "人均体检组合项目数", "组合项目检查完成数", "检查完成百分比（％）", "体检项目数",
    "人均体检项目数", "（按收费）总收入", "（按收费）人均收入", "（按项目定价）总收入", "（按项目定价）人均收入",
};

// A quotient as money: rounded to four decimals; 0 when the divisor is not positive.
Currency quotient(double dividend, double divisor, double factor = 1)
{
    if (divisor <= 0)
        return Currency();
    return Currency::fromDouble(dividend / divisor * factor);
}

QString percent(Currency c)
{
    return c.toString(2) + QStringLiteral("％");
}

QString whole(qint64 n)
{
    return QString::number(n);
}

// The value of line k (0-based) from the counts.
QString lineValue(int k, const StatisticsCounts& n)
{
    const double visits = double(n.A - n.X);
    switch (k) {
    case 0: return whole(n.persons);
    case 1: return whole(n.A);
    case 2: return whole(n.N1);
    case 3: return whole(n.N2);
    case 4: return whole(n.N3);
    case 5: return whole(n.X);
    case 6: return percent(quotient(double(n.N2 + n.N3), double(n.A), 100));
    case 7: return percent(quotient(double(n.N2), double(n.A), 100));
    case 8: return percent(quotient(double(n.N3), double(n.A), 100));
    case 9: return percent(quotient(double(n.X), double(n.A), 100));
    case 10: return whole(n.Z);
    case 11: return quotient(double(n.Z), visits).toString(2);
    case 12: return whole(n.Zc);
    case 13: return percent(quotient(double(n.Zc), double(n.Z), 100));
    case 14: return whole(n.I);
    case 15: return quotient(double(n.I), double(n.A)).toString(2);
    case 16: return n.S.toString(2);
    case 17: return quotient(n.S.toDouble(), visits).toString(2);
    case 18: return n.T.toString(2);
    case 19: return quotient(n.T.toDouble(), visits).toString(2);
    default: return QString();
    }
}

qint64 count(db::Connection& c, const QString& sql)
{
    return c.scalar(sql).toInteger();  // no row and NULL read as 0
}

qint64 rowsOf(db::Connection& c, const QString& sql)
{
    return qint64(c.query(sql).rows.size());
}

}  // namespace

std::vector<StatisticsLine> StatisticsLines(const StatisticsCounts& counts)
{
    std::vector<StatisticsLine> out;
    for (int k = 0; k < int(LineNames.size()); ++k)
        out.push_back({QString::fromUtf8(LineNames[std::size_t(k)]), lineValue(k, counts)});
    return out;
}

void CreateStatisticsTable(db::Connection& c)
{
    db::WorkingTable table(c, QStringLiteral("#tjian_sjcxun"),
                           {db::IdentityColumn(QStringLiteral("id")), db::TextColumn(QStringLiteral("tjxmmcheng"), 200, true),
                            db::TextColumn(QStringLiteral("szhi"), 100, true)});
    table.create();
}

QString StatisticsStatement(int line, const QString& b, const QString& e)
{
    // The status of lines 3 to 5.
    const auto status = [line] {
        return line == 2 ? schema::StatusNotExamined : line == 3 ? schema::StatusExamining : schema::StatusCompleted;
    };
    // Lines 11, 13, 15: the different combined items or items of the range's visits.
    const auto different = [&](const char* column, const char* examined) {
        return SqlText::format("select a.%s from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao where "
                               "%sb.zxbzhi=0 and b.sfsjian between '%s' and '%s' group by a.%s ",
                               column, examined, b, e, column);
    };
    // Lines 17 and 19: received or list amounts of the lines in force.
    const auto amounts = [&](const char* column) {
        return SqlText::format("select sum(%s) from tjian_sfei_sub a   inner join tjian_sfei_main b on b.id=a.sfid where "
                               "a.hsbzhi=1 and b.zxbzhi=0 and b.sfsjian between '%s' and '%s' ",
                               column, b, e);
    };
    switch (line) {
    case 0: return QStringLiteral("insert into #tjian_sjcxun(tjxmmcheng, szhi) select '总档案号数', count(*) from tjian_ryuan ");
    case 1: return SqlText::format("select count(*) from tjian_sfei_main where sfsjian between '%s' and '%s' ", b, e);
    case 2:
    case 3:
    case 4:
        return SqlText::format("select count(*) from tjian_sfei_main where zxbzhi=0 and tjztai='%s' and sfsjian between "
                               "'%s' and '%s' ",
                               status(), b, e);
    case 5: return SqlText::format("select count(*) from tjian_sfei_main where zxbzhi=1 and zxsjian between '%s' and '%s' ", b, e);
    case 10: return different("zhxmid", "");
    case 12: return different("zhxmid", "a.jcbzhi=1 and ");
    case 14: return different("xmid", "");
    case 16: return amounts("ssje");
    case 18: return amounts("ysje");
    default: return QString();  // computed from the counts
    }
}

bool RunExamStatistics(db::Connection& c, const QString& b, const QString& e, StatisticsCounts& n,
                       const StatisticsStep& step)
{
    n = StatisticsCounts();
    c.execute(QStringLiteral("truncate table #tjian_sjcxun"));
    for (int k = 0; k < int(LineNames.size()); ++k) {
        if (step && !step(k)) {
            c.execute(QStringLiteral("truncate table #tjian_sjcxun"));
            return false;
        }
        const QString sql = StatisticsStatement(k, b, e);
        switch (k) {
        case 0:
            c.execute(sql);
            n.persons = count(c, QStringLiteral("select szhi from #tjian_sjcxun where tjxmmcheng='总档案号数'"));
            continue;
        case 1: n.A = count(c, sql); break;
        case 2: n.N1 = count(c, sql); break;
        case 3: n.N2 = count(c, sql); break;
        case 4: n.N3 = count(c, sql); break;
        case 5: n.X = count(c, sql); break;
        case 10: n.Z = rowsOf(c, sql); break;
        case 12: n.Zc = rowsOf(c, sql); break;
        case 14: n.I = rowsOf(c, sql); break;
        case 16: n.S = c.scalar(sql).toCurrency(); break;
        case 18: n.T = c.scalar(sql).toCurrency(); break;
        default: break;
        }
        c.execute(SqlText::format("insert into #tjian_sjcxun(tjxmmcheng, szhi) values('%s', '%s') ",
                                  QString::fromUtf8(LineNames[std::size_t(k)]), lineValue(k, n)));
    }
    return true;
}

std::vector<std::pair<QString, Currency>> IncomeBySettlement(db::Connection& c, const QString& b, const QString& e)
{
    const db::ResultSet rs = c.query(SqlText::format(
        "select b.jzlxing, sum(a.ssje) from tjian_sfei_sub a   inner join tjian_sfei_main b on b.id=a.sfid where "
        "a.hsbzhi=1 and b.zxbzhi=0 and b.sfsjian between '%s' and '%s' group by b.jzlxing ",
        b, e));
    Currency paid, onAccount, other;
    for (const auto& row : rs.rows) {
        const qint64 type = row[0].toInteger();
        Currency& to = type == schema::SettlePaidAtRegistration ? paid : type == schema::SettleOnAccount ? onAccount : other;
        to += row[1].toCurrency();
    }
    std::vector<std::pair<QString, Currency>> out;
    if (!paid.isZero())
        out.emplace_back(QStringLiteral("现结"), paid);
    if (!onAccount.isZero())
        out.emplace_back(QStringLiteral("记帐"), onAccount);
    if (!other.isZero())
        out.emplace_back(QStringLiteral("其他"), other);
    return out;
}

}  // namespace tj::queries
