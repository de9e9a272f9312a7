#include "registration/ItemChanges.h"

#include "core/ServerClock.h"
#include "platform/db/ChineseMessage.h"
#include "platform/db/Query.h"
#include "platform/db/SqlText.h"
#include "registration/RegisterVisits.h"

__extension__ typedef __int128 tj_i128;

namespace tj::registration {

using db::Currency;
using db::SqlText;

QString ChangeLogLine::rendered() const
{
    return QStringLiteral("[%1] %2").arg(time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), text);
}

std::optional<RowFault> CheckItemsToAdd(const std::vector<WorkingItem>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const WorkingItem& r = rows[i];
        const int n = int(i) + 1;
        if (r.zkou < Currency() || r.zkou > Currency::fromInteger(1))
            return RowFault{int(i), QStringLiteral("第 %1 行：折扣超出范围（0~1），请重新输入！").arg(n)};
        // The product of two amounts of four decimals has eight; it must
        // equal the received amount exactly.
        if (tj_i128(r.ssje.raw()) * Currency::Scale != tj_i128(r.sfjge.raw()) * r.zkou.raw())
            return RowFault{int(i), QStringLiteral("第 %1 行：实收与应收和折扣的乘积不符，请检查！").arg(n)};
        if (r.yhje != r.sfjge - r.ssje)
            return RowFault{int(i), QStringLiteral("第 %1 行：优惠金额与应收和实收的差不符，请检查！").arg(n)};
    }
    return std::nullopt;
}

namespace {

// The visit behind a number, locked for the rest of the transaction.
struct LockedVisit {
    qint64 id = 0;
    QString name;
};

std::optional<LockedVisit> lockVisit(db::Connection& c, const QString& number)
{
    // Updating the charge record in place takes its write lock: a second
    // workstation changing the same visit waits here until this press ends,
    // and then finds the charge lines this one wrote.
    if (c.execute(SqlText::format("update tjian_sfei_main set zxbzhi=zxbzhi where tjhao='%s' ", number)) == 0)
        return std::nullopt;
    const db::ResultSet rs = c.query(SqlText::format(
        "select a.*, b.xming from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid where a.tjhao='%s' ",
        number));
    if (rs.isEmpty())
        return std::nullopt;
    return LockedVisit{rs.value(0, QStringLiteral("id")).toInteger(), rs.value(0, QStringLiteral("xming")).toString()};
}

// Log lines carry the server's time; a failure to read it (the connection
// is what failed) falls back to the session's server-corrected clock, and
// a failure of the log itself is ignored.
class Logger {
public:
    Logger(db::Connection& c, const ChangeLog& log) : c_(c), log_(log) {}

    QDateTime now()
    {
        try {
            return core::ServerNow(c_);
        } catch (const std::exception&) {
            return core::SessionClock::now();
        }
    }
    void write(const QString& text, bool ok, const QDateTime& at = QDateTime())
    {
        if (!log_)
            return;
        try {
            log_(ChangeLogLine{at.isValid() ? at : now(), text, ok});
        } catch (...) {
        }
    }

private:
    db::Connection& c_;
    const ChangeLog& log_;
};

// One press: every visit locked and changed in one transaction; a number
// without its visit gets a failure line and the others go on; any error
// undoes the whole press and is logged. `verb` is 增加 or 减少.
bool runPress(db::Connection& c, const QStringList& examNumbers, Logger& logger, const QString& verb,
              const std::function<void(const QString& number, const LockedVisit& visit)>& change)
{
    try {
        db::Transaction tx(c);
        for (const QString& number : examNumbers) {
            const std::optional<LockedVisit> visit = lockVisit(c, number);
            if (visit)
                change(number, *visit);
            else
                logger.write(QStringLiteral("体检号（%1）的体检记录不存在，%2失败！").arg(number, verb), false);
        }
        tx.commit();
        return true;
    } catch (const std::exception& e) {
        logger.write(QStringLiteral("%1项目时出现错误：").arg(verb) + db::ChineseMessage(e), false);
        return false;
    }
}

}  // namespace

bool AddItemsToVisits(db::Connection& c, const QStringList& examNumbers, const std::vector<WorkingItem>& rows,
                      const ChangeLog& log)
{
    Logger logger(c, log);
    return runPress(c, examNumbers, logger, QStringLiteral("增加"), [&](const QString& number, const LockedVisit& visit) {
        for (const WorkingItem& item : rows) {
            db::Query lines(c);
            lines.setSql(SqlText::format("select * from tjian_sfei_sub where sfid=%d and zhxmid=%d and hsbzhi=1 ",
                                         visit.id, item.zhxmid));
            lines.open();
            if (!lines.isEmpty()) {
                logger.write(QStringLiteral("体检人员（%1）已经有此体检项目（%2），增加失败！").arg(visit.name, item.mcheng),
                             false);
                continue;
            }
            const QDateTime at = core::ServerNow(c);
            lines.append();
            lines.setField(QStringLiteral("sfid"), visit.id);
            lines.setField(QStringLiteral("zhxmid"), item.zhxmid);
            lines.setField(QStringLiteral("ysje"), item.sfjge);
            lines.setField(QStringLiteral("zkou"), item.zkou);
            lines.setField(QStringLiteral("ssje"), item.ssje);
            lines.setField(QStringLiteral("hsbzhi"), 1);
            lines.setField(QStringLiteral("zjbzhi"), 1);
            lines.setField(QStringLiteral("zjsjian"), at);
            lines.post();
            c.execute(SqlText::format(InsertResultRowsForItemSql, number, item.zhxmid));
            logger.write(QStringLiteral("体检人员（%1）增加体检项目（%2）成功。").arg(visit.name, item.mcheng), true, at);
        }
    });
}

bool RemoveItemsFromVisits(db::Connection& c, const QStringList& examNumbers, const std::vector<ChosenItem>& rows,
                           const ChangeLog& log)
{
    Logger logger(c, log);
    return runPress(c, examNumbers, logger, QStringLiteral("减少"), [&](const QString& number, const LockedVisit& visit) {
        for (const ChosenItem& item : rows) {
            const QDateTime at = core::ServerNow(c);
            // Every line of the item in force is withdrawn: a package may
            // charge an item twice, and the results of both go below.
            const int withdrawn = c.execute(SqlText::format(
                "update tjian_sfei_sub set hsbzhi=0, zjsjian='%s' where sfid=%d and zhxmid=%d and hsbzhi=1 ",
                at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), visit.id, item.zhxmid));
            if (withdrawn == 0) {
                logger.write(QStringLiteral("体检人员（%1）无此体检项目（%2），减少失败！").arg(visit.name, item.mcheng),
                             false, at);
                continue;
            }
            c.execute(SqlText::format("delete from tjian_jguo where tjhao='%s' and zhxmid=%d ", number, item.zhxmid));
            logger.write(QStringLiteral("体检人员（%1）减少体检项目（%2）成功。").arg(visit.name, item.mcheng), true, at);
        }
    });
}

}  // namespace tj::registration
