#include "support/DbFixture.h"

#include "platform/db/SqlText.h"
#include "schema/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

using tj::db::SqlText;

namespace tj::test {

QString runtimeDir()
{
    const QByteArray env = qgetenv("TJ_RUNTIME_DIR");
    return env.isEmpty() ? QStringLiteral(TJ_RUNTIME_DIR) : QString::fromLocal8Bit(env);
}

QString templateDatabasePath()
{
    return QDir(runtimeDir()).filePath(QStringLiteral("data/template.db"));
}

TestDatabase::TestDatabase(bool withDemoData, const QString& name)
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder for the test database");
    const QString source = templateDatabasePath();
    if (!QFileInfo::exists(source))
        throw std::runtime_error(("template database missing (build target tj_template_db): " + source).toStdString());
    QDir(dir_.path()).mkpath(QStringLiteral("data"));
    QFile::copy(source, QDir(dir_.path()).filePath(QStringLiteral("data/template.db")));
    path_ = tj::schema::createDatabaseFromTemplate(name, dir_.path());
    connection_ = std::make_unique<tj::db::SqliteConnection>(path_);
    connection_->open();
    if (withDemoData)
        tj::schema::loadDemoData(*connection_);
}

TestDatabase::~TestDatabase()
{
    if (connection_ && connection_->isOpen())
        connection_->close();
}

std::unique_ptr<tj::db::SqliteConnection> TestDatabase::openAnother() const
{
    auto c = std::make_unique<tj::db::SqliteConnection>(path_);
    c->open();
    return c;
}

int TestDatabase::execute(const QString& sql)
{
    return connection_->execute(sql);
}

tj::db::ResultSet TestDatabase::query(const QString& sql)
{
    return connection_->query(sql);
}

tj::db::Value TestDatabase::scalar(const QString& sql)
{
    return connection_->scalar(sql);
}

int TestDatabase::newId()
{
    return int(connection_->lastIdentity().toInteger());
}

int TestDatabase::addDepartment(const QString& name, int category, int order)
{
    if (order == 0)
        order = int(scalar(QStringLiteral("select isnull(max(xhao), 0) + 1 from pub_kshi")).toInteger());
    execute(SqlText::format("insert into pub_kshi(mcheng, pyjma, kslbie, xhao) values('%s', '', %d, %d)",
                            name, category, order));
    return newId();
}

int TestDatabase::addItem(const ItemSpec& s)
{
    int order = s.order;
    if (order == 0)
        order = int(scalar(SqlText::format("select isnull(max(xhao), 0) + 1 from tjian_xmu where ksid=%d", s.ksid)).toInteger());
    execute(SqlText::format(
        "insert into tjian_xmu(ksid, mcheng, pyjma, syxbie, xhao, dwei, ckxxian1, cksxian1, ckxxian2, cksxian2, "
        "xxtshi, sxtshi, szjgbzhi, zcjguo) values(%d, '%s', '', '%s', %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s', %d, '%s')",
        s.ksid, s.name, s.sex, order, s.unit, s.maleLow, s.maleHigh, s.femaleLow, s.femaleHigh, s.lowTip, s.highTip,
        s.numeric ? 1 : 0, s.normal));
    return newId();
}

int TestDatabase::addCombinedItem(const CombinedItemSpec& s)
{
    int order = s.order;
    if (order == 0)
        order = int(scalar(SqlText::format("select isnull(max(xhao), 0) + 1 from tjian_zhxmu_main where ksid=%d", s.ksid)).toInteger());
    execute(SqlText::format(
        "insert into tjian_zhxmu_main(ksid, mcheng, pyjma, xhao, sfjge, hsjge, lbie, fbie, sfxybben) "
        "values(%d, '%s', '', %d, %.2f, %.2f, '%s', '%s', '%s')",
        s.ksid, s.name, order, s.price, s.accountingPrice, s.category, s.feeCategory, s.specimen));
    const int id = newId();
    // As the combined-item window does: a row for every item of the
    // department, selected for the members only.
    execute(SqlText::format("insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) select %d, id, 0 from tjian_xmu where ksid=%d",
                            id, s.ksid));
    for (int xmid : s.members) {
        if (connection_->execute(SqlText::format("update tjian_zhxmu_sub set bzhi=1 where zhxmid=%d and xmid=%d", id, xmid)) == 0)
            execute(SqlText::format("insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) values(%d, %d, 1)", id, xmid));
    }
    return id;
}

int TestDatabase::addPackage(const PackageSpec& s)
{
    execute(SqlText::format(
        "insert into tjian_tcan_main(dwid, mcheng, pyjma, jge, xhao, syxbie, bzhi) values(%d, '%s', '', %.2f, %d, '%s', '%s')",
        s.dwid, s.name, s.price, s.order, s.sex, s.state));
    const int id = newId();
    for (int zh : s.zhxmids)
        execute(SqlText::format("insert into tjian_tcan_sub(tcid, zhxmid) values(%d, %d)", id, zh));
    return id;
}

int TestDatabase::addUnit(const UnitSpec& s)
{
    execute(SqlText::format(
        "insert into tjian_dwei(mcheng, pyjma, xhao, ksid, tjfqid, jzlxing, maxtjhao) values('%s', '', 0, %d, %d, %d, 0)",
        s.name, s.ksid, s.tjfqid, s.settlement));
    return newId();
}

int TestDatabase::addPerson(const PersonSpec& s)
{
    execute(SqlText::format("insert into tjian_ryuan(xming, xbie, nling, dwid, fzu, pyjma) values('%s', '%s', %d, %d, '%s', '')",
                            s.name, s.sex, s.age, s.dwid, s.group));
    return newId();
}

int TestDatabase::addUser(const UserSpec& s)
{
    execute(SqlText::format(
        "insert into pub_yhu(zhao, xming, xhao, pyjma, xbie, kshi, dhua, yhlbie, mma, qxian) "
        "values('%s', '%s', 0, '', 1, %d, '%s', 2, '%s', '%s')",
        s.account, s.name, s.kshi, s.phone, s.passwordCipher,
        s.grants.isEmpty() ? QString() : QStringLiteral("M1")));
    const int id = newId();
    for (const QString& code : s.grants)
        execute(SqlText::format("insert into pub_yhqxian(yhid, qxzhi, qxcdan) values(%d, 'M1', '%s')", id, code));
    return id;
}

int TestDatabase::addVisit(const VisitSpec& s)
{
    tj::db::Transaction t(*connection_);
    const bool settled = s.settlement == 1;
    execute(SqlText::format(
        "insert into tjian_sfei_main(tjhao, ryid, tjlbid, jzlxing, jzbzhi, jzsjian, tcid, sfyid, sfyuan, sfsjian, tjfqid) "
        "values('%s', %d, %d, %d, %d, %s, %d, %d, '%s', '%s', %d)",
        s.tjhao, s.ryid, s.tjlbid, s.settlement, settled ? 1 : 0,
        settled ? SqlText::quoted(s.registeredAt) : QStringLiteral("NULL"), s.tcid, s.operatorId, s.operatorName,
        s.registeredAt, s.tjfqid));
    const int visit = newId();
    for (int zh : s.zhxmids)
        execute(SqlText::format(
            "insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) select %d, id, sfjge, 1, sfjge from tjian_zhxmu_main where id=%d",
            visit, zh));
    execute(SqlText::format(
        "insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi) "
        "select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.zcjguo, a.dwei, "
        "  (case f.xbie when '男' then ckxxian1 else ckxxian2 end) as ckxxian, "
        "  (case f.xbie when '男' then cksxian1 else cksxian2 end) as cksxian, "
        "  a.zcjguo, a.xxtshi, a.sxtshi from tjian_xmu a "
        "  inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1 "
        "  inner join tjian_zhxmu_main c on c.id=b.zhxmid "
        "  inner join tjian_sfei_sub d on d.zhxmid=c.id "
        "  inner join tjian_sfei_main e on e.id=d.sfid "
        "  inner join tjian_ryuan f on f.id=e.ryid "
        "where e.tjhao='%s' and e.zxbzhi=0 and d.hsbzhi=1 ",
        s.tjhao));
    execute(SqlText::format("update tjian_ryuan set djbzhi=1 where id=%d", s.ryid));
    t.commit();
    return visit;
}

int TestDatabase::administratorId()
{
    return int(scalar(QStringLiteral("select id from pub_yhu where zhao='admin'")).toInteger());
}

}  // namespace tj::test
