#include "registration/RegisterVisits.h"

#include "platform/db/SqlText.h"
#include "registration/ExamNumber.h"
#include "registration/WorkingItems.h"

#include <QSet>

#include <stdexcept>

namespace tj::registration {

using db::SqlText;

const QString SingleSuccessMessage = QStringLiteral("所选人员登记成功！");
const QString BatchSuccessMessage = QStringLiteral("所选人员批量登记成功！");
const QString IndividualSuccessMessage = QStringLiteral("散检人员登记成功！");
const QString SingleFailurePrefix = QStringLiteral("登记失败：");
const QString BatchFailurePrefix = QStringLiteral("批量登记失败：");
const QString IndividualFailurePrefix = QStringLiteral("散检人员登记失败：");

QString IndividualNumberLabel(const QString& examNumber)
{
    return SqlText::format("本次体检号：%s", examNumber);
}

const char* const InsertResultRowsSql =
    "insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi) "
    "select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.zcjguo, a.dwei,   (case f.xbie when '男' then ckxxian1 else "
    "ckxxian2 end) as ckxxian,   (case f.xbie when '男' then cksxian1 else cksxian2 end) as cksxian,   a.zcjguo, "
    "a.xxtshi, a.sxtshi from tjian_xmu a   inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1   inner join "
    "tjian_zhxmu_main c on c.id=b.zhxmid   inner join tjian_sfei_sub d on d.zhxmid=c.id   inner join "
    "tjian_sfei_main e on e.id=d.sfid   inner join tjian_ryuan f on f.id=e.ryid where e.tjhao='%s' and "
    "e.zxbzhi=0 and d.hsbzhi=1 ";

const char* const InsertResultRowsForItemSql =
    "insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi) "
    "select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.zcjguo, a.dwei,   (case f.xbie when '男' then ckxxian1 else "
    "ckxxian2 end) as ckxxian,   (case f.xbie when '男' then cksxian1 else cksxian2 end) as cksxian,   a.zcjguo, "
    "a.xxtshi, a.sxtshi from tjian_xmu a   inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1   inner join "
    "tjian_zhxmu_main c on c.id=b.zhxmid   inner join tjian_sfei_sub d on d.zhxmid=c.id   inner join "
    "tjian_sfei_main e on e.id=d.sfid   inner join tjian_ryuan f on f.id=e.ryid where e.tjhao='%s' and "
    "d.zhxmid=%d and e.zxbzhi=0 and d.hsbzhi=1 ";

namespace {

enum class Kind { Single, Batch, Individual };

// What the three windows hand over, brought to one shape.
struct Plan {
    Kind kind = Kind::Single;
    int unitId = 0;
    std::vector<int> personIds;
    int categoryId = 0;
    int zoneId = 0;  // individual window only; group windows take the unit's
    int packageId = 0;
    Operator op;
    QDateTime time;
    QString successMessage;
    QString failurePrefix;
};

// A refusal found before anything is written.
struct Refusal : std::runtime_error {
    explicit Refusal(const QString& text) : std::runtime_error(text.toStdString()), message(text) {}
    QString message;
};

const char* const InsertVisitSql =
    "insert into tjian_sfei_main(tjhao, ryid, tjlbid, jzlxing, jzbzhi, jzsjian, tcid, sfyid, sfyuan, sfsjian, "
    "tjfqid) values('%s', %d, %d, %d, %d, %s, %d, %d, '%s', %s, %d) ";
// The individual window places the text of its archive-number box.
const char* const InsertVisitByTextSql =
    "insert into tjian_sfei_main(tjhao, ryid, tjlbid, jzlxing, jzbzhi, jzsjian, tcid, sfyid, sfyuan, sfsjian, "
    "tjfqid) values('%s', %s, %d, %d, %d, %s, %d, %d, '%s', %s, %d) ";
const char* const InsertChargesGroupSql =
    "insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) select %d, zhxmid, sfjge, zkou, ssje from #tjian_tjdj ";
const char* const InsertChargesIndividualSql =
    "insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) select %d, zhxmid, sfjge, zkou, ssje from #tjian_sjdj ";

QString quotedTime(const QDateTime& t)
{
    return QLatin1Char('\'') + t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QLatin1Char('\'');
}

QDateTime registrationTime(db::Connection& c, const QDateTime& given)
{
    if (given.isValid())
        return given;
    const QDateTime now = c.scalar(QStringLiteral("select getdate()")).toDateTime();
    if (!now.isValid())
        throw Refusal(QStringLiteral("无法取得服务器时间！"));
    return now;
}

QStringList registerPlan(db::Connection& c, const Plan& p)
{
    if (p.personIds.empty())
        throw Refusal(QStringLiteral("请选择要登记的人员！"));

    // 1. Registration time from the server clock.
    const QString t = quotedTime(registrationTime(c, p.time));

    // 2. Settlement and zone from the unit; persons without a unit pay at once.
    int jzlxing = 0;
    int zoneId = p.zoneId;
    const bool fromUnit = p.kind != Kind::Individual || p.unitId > 0;
    if (fromUnit) {
        const db::ResultSet unit = c.query(SqlText::format("select * from tjian_dwei where id=%d ", p.unitId));
        // Without its unit row there is no counter to advance, and the same
        // number would be issued again on the next press.
        if (unit.isEmpty())
            throw Refusal(SqlText::format("单位（编号：%d）不存在，不能登记！", p.unitId));
        jzlxing = int(unit.value(0, QStringLiteral("jzlxing")).toInteger());
        if (p.kind != Kind::Individual)
            zoneId = int(unit.value(0, QStringLiteral("tjfqid")).toInteger());
    } else {
        jzlxing = 1;
    }
    const int jzbzhi = jzlxing == 1 ? 1 : 0;
    const QString jzsjian = jzbzhi == 1 ? t : QStringLiteral("NULL");

    // 3. The individual counter row is created outside the transaction.
    ExamNumberCounter counter(c, p.unitId);
    counter.ensureRow();

    // 4. One transaction for every person of the press.
    db::Transaction tx(c);
    counter.lock();
    QStringList numbers;
    // A visit for a person id that names nobody would get no result rows;
    // refuse the press instead (one query for the whole batch).
    {
        QStringList ids;
        for (const int personId : p.personIds)
            ids << QString::number(personId);
        QSet<qint64> found;
        const db::ResultSet rs =
            c.query(SqlText::format("select id from tjian_ryuan where id in (%s) ", ids.join(QLatin1String(", "))));
        for (const auto& row : rs.rows)
            found.insert(row[0].toInteger());
        for (const int personId : p.personIds)
            if (!found.contains(personId))
                throw Refusal(SqlText::format("档案号 %d 不存在！", personId));
    }
    for (const int personId : p.personIds) {
        const int sequence = counter.read() + 1;
        const QString number = ExamNumber{p.unitId, sequence}.text();

        if (p.kind == Kind::Individual)
            c.execute(SqlText::format(InsertVisitByTextSql, number, QString::number(personId), p.categoryId, jzlxing,
                                      jzbzhi, jzsjian, p.packageId, p.op.id, p.op.name, t, zoneId));
        else
            c.execute(SqlText::format(InsertVisitSql, number, personId, p.categoryId, jzlxing, jzbzhi, jzsjian,
                                      p.packageId, p.op.id, p.op.name, t, zoneId));

        // A server that answers a separate SCOPE_IDENTITY() with NULL (it
        // counts the scope per batch) still knows the insert's identity
        // through the connection. Charge lines hanging on visit 0 would be
        // lost, so no id at all refuses the press.
        qint64 visitId = c.scalar(QStringLiteral("SELECT SCOPE_IDENTITY()")).toInteger();
        if (visitId <= 0)
            visitId = c.lastIdentity().toInteger();
        if (visitId <= 0)
            throw Refusal(QStringLiteral("无法取得新收费记录的编号！"));

        c.execute(SqlText::format(p.kind == Kind::Individual ? InsertChargesIndividualSql : InsertChargesGroupSql,
                                  visitId));
        c.execute(SqlText::format("delete from tjian_jguo where tjhao='%s' ", number));
        c.execute(SqlText::format(InsertResultRowsSql, number));
        counter.write(sequence);
        if (p.kind == Kind::Individual)
            c.execute(SqlText::format("update tjian_ryuan set djbzhi=1 where id=%s ", QString::number(personId)));
        else
            c.execute(SqlText::format("update tjian_ryuan set djbzhi=1 where id=%d ", personId));
        numbers << number;
    }
    tx.commit();
    return numbers;
}

RegistrationResult run(db::Connection& c, const Plan& p)
{
    RegistrationResult r;
    try {
        r.examNumbers = registerPlan(c, p);
        r.ok = true;
        r.message = p.successMessage;
        return r;
    } catch (const Refusal& e) {
        r.error = e.message;
    } catch (const db::SqlError& e) {
        r.error = e.message();
    } catch (const std::exception& e) {
        r.error = QString::fromUtf8(e.what());
    }
    r.message = p.failurePrefix + r.error;
    return r;
}

}  // namespace

RegistrationResult RegisterVisits(db::Connection& c, const SingleRegistration& r)
{
    Plan p;
    p.kind = Kind::Single;
    p.unitId = r.unitId;
    p.personIds = {r.personId};
    p.categoryId = r.categoryId;
    p.packageId = r.packageId;
    p.op = r.op;
    p.time = r.time;
    p.successMessage = SingleSuccessMessage;
    p.failurePrefix = SingleFailurePrefix;
    return run(c, p);
}

RegistrationResult RegisterVisits(db::Connection& c, const BatchRegistration& r)
{
    Plan p;
    p.kind = Kind::Batch;
    p.unitId = r.unitId;
    p.personIds = r.personIds;
    p.categoryId = r.categoryId;
    p.packageId = r.packageId;
    p.op = r.op;
    p.time = r.time;
    p.successMessage = BatchSuccessMessage;
    p.failurePrefix = BatchFailurePrefix;
    return run(c, p);
}

RegistrationResult RegisterVisits(db::Connection& c, const IndividualRegistration& r)
{
    Plan p;
    p.kind = Kind::Individual;
    p.unitId = r.unitId;
    p.categoryId = r.categoryId;
    p.zoneId = r.zoneId;
    p.packageId = r.packageId;
    p.op = r.op;
    p.time = r.time;
    p.successMessage = IndividualSuccessMessage;
    p.failurePrefix = IndividualFailurePrefix;
    // The archive-number box holds the saved person's id; anything else
    // (empty before the person is saved) is refused before writing.
    bool ok = false;
    const int id = r.personIdText.trimmed().toInt(&ok);
    if (!ok || id <= 0) {
        RegistrationResult res;
        res.error = QStringLiteral("请先登记或者查询体检个人信息！");
        res.message = p.failurePrefix + res.error;
        return res;
    }
    p.personIds = {id};
    return run(c, p);
}

}  // namespace tj::registration
