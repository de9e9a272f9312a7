// The template database: script and built template agree, the defaults the
// windows rely on, unique numbers, the result trigger, the first
// administrator, the demonstration data and database creation.
#include "support/DbFixture.h"

#include "common/DesCipher.h"
#include "common/PinyinCode.h"
#include "platform/db/SqlText.h"
#include "schema/Names.h"
#include "schema/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <sqlite3.h>

using tj::db::SqlText;
using tj::test::DbTest;
using tj::test::DemoDbTest;

namespace {

QString str(const tj::db::Value& v) { return v.toString(); }

// A default as written in the script or reported by SQLite, without
// parentheses, the N prefix of Unicode literals and quotes.
QString normalizedDefault(QString d)
{
    d = d.trimmed();
    while (d.startsWith(QLatin1Char('(')) && d.endsWith(QLatin1Char(')')))
        d = d.mid(1, d.size() - 2).trimmed();
    if (d.startsWith(QLatin1String("N'")))
        d = d.mid(1);
    if (d.size() >= 2 && d.startsWith(QLatin1Char('\'')) && d.endsWith(QLatin1Char('\'')))
        d = d.mid(1, d.size() - 2);
    return d;
}

struct ScriptColumn {
    QString name;
    QString type;
    int width = 0;
    bool notNull = false;
    bool identity = false;
    bool hasDefault = false;
    QString defaultValue;
};

// Tables and columns as the T-SQL script declares them.
std::map<QString, std::vector<ScriptColumn>> tablesOfScript()
{
    static const QRegularExpression table(QStringLiteral("^CREATE TABLE \\[dbo\\]\\.\\[(\\w+)\\]"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression column(QStringLiteral(
        "^\\s*\\[(\\w+)\\] \\[(\\w+)\\](?: \\((\\d+)\\))?( IDENTITY \\(1, 1\\))?(?: COLLATE \\w+)? (NOT NULL|NULL)"
        "(?: CONSTRAINT \\[\\w+\\] DEFAULT \\((.*)\\))?\\s*,?\\s*$"));
    std::map<QString, std::vector<ScriptColumn>> tables;
    for (const auto& batch : tj::schema::splitScript(tj::schema::schemaScript())) {
        const QStringList lines = batch.text.split(QLatin1Char('\n'));
        auto t = table.match(batch.text);
        if (!t.hasMatch())
            continue;
        auto& cols = tables[t.captured(1)];
        for (const QString& line : lines) {
            auto c = column.match(line);
            if (!c.hasMatch())
                continue;
            ScriptColumn sc;
            sc.name = c.captured(1);
            sc.type = c.captured(2).toLower();
            sc.width = c.captured(3).toInt();
            sc.identity = !c.captured(4).isEmpty();
            sc.notNull = c.captured(5) == QLatin1String("NOT NULL");
            sc.hasDefault = c.hasCaptured(6) && !c.captured(6).isNull();
            sc.defaultValue = normalizedDefault(c.captured(6));
            cols.push_back(sc);
        }
    }
    return tables;
}

struct PragmaColumn {
    QString name;
    bool notNull = false;
    bool hasDefault = false;
    QString defaultValue;
    bool pk = false;
};

// Tables and columns of an SQLite file as SQLite itself reports them.
std::map<QString, std::vector<PragmaColumn>> tablesOfFile(const QString& path)
{
    std::map<QString, std::vector<PragmaColumn>> tables;
    sqlite3* h = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &h, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(h);
        ADD_FAILURE() << "cannot open " << path.toStdString();
        return tables;
    }
    QStringList names;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(h, "select name from sqlite_master where type='table' and name not like 'sqlite_%'", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    for (const QString& name : names) {
        const QByteArray sql = "pragma table_info(\"" + name.toUtf8() + "\")";
        sqlite3_prepare_v2(h, sql.constData(), -1, &st, nullptr);
        auto& cols = tables[name];
        while (sqlite3_step(st) == SQLITE_ROW) {
            PragmaColumn pc;
            pc.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
            pc.notNull = sqlite3_column_int(st, 3) != 0;
            pc.hasDefault = sqlite3_column_type(st, 4) != SQLITE_NULL;
            if (pc.hasDefault)
                pc.defaultValue = normalizedDefault(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 4))));
            pc.pk = sqlite3_column_int(st, 5) != 0;
            cols.push_back(pc);
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(h);
    return tables;
}

}  // namespace

// ---------------------------------------------------------------- script

TEST(SchemaScript, SplitsAtGoLinesAndReadsBackendMarkers)
{
    const auto batches = tj::schema::splitScript(QStringLiteral(
        "-- header only\nGO\n"
        "create table a (x int)\n  go  \n"
        "-- backend: sqlserver\ncreate trigger t on a for insert as select 1\nGo\n"
        "\n-- backend: sqlite\ncreate trigger t after insert on a begin select 1; end;\nGO\n"
        "insert into a values (1)"));
    ASSERT_EQ(batches.size(), 4u);
    EXPECT_EQ(batches[0].backend, tj::schema::ScriptBatch::Backend::Any);
    EXPECT_EQ(batches[0].text.trimmed(), QStringLiteral("create table a (x int)"));
    EXPECT_EQ(batches[0].firstLine, 3);
    EXPECT_EQ(batches[1].backend, tj::schema::ScriptBatch::Backend::SqlServer);
    EXPECT_EQ(batches[2].backend, tj::schema::ScriptBatch::Backend::SqliteNative);
    EXPECT_EQ(batches[3].text.trimmed(), QStringLiteral("insert into a values (1)"));
    EXPECT_THROW(tj::schema::splitScript(QStringLiteral("-- backend: oracle\nselect 1\n")), tj::schema::SchemaError);
}

// The SQL Server script and the embedded template define the same tables,
// columns, types, widths, nullability, keys and defaults.
TEST(SchemaScript, TemplateMatchesTheScript)
{
    const auto script = tablesOfScript();
    const auto file = tablesOfFile(tj::test::templateDatabasePath());
    ASSERT_GE(script.size(), 40u);
    QStringList scriptNames, fileNames;
    for (const auto& [n, c] : script) scriptNames << n;
    for (const auto& [n, c] : file) fileNames << n;
    ASSERT_EQ(scriptNames, fileNames);

    tj::db::SqliteConnection conn(tj::test::templateDatabasePath());
    conn.open();
    for (const auto& [table, cols] : script) {
        SCOPED_TRACE(table.toStdString());
        const auto& fcols = file.at(table);
        const auto declared = conn.tableColumns(table);
        ASSERT_EQ(cols.size(), fcols.size());
        ASSERT_EQ(cols.size(), declared.size());
        for (std::size_t i = 0; i < cols.size(); ++i) {
            SCOPED_TRACE(cols[i].name.toStdString());
            EXPECT_EQ(cols[i].name, fcols[i].name);
            EXPECT_EQ(cols[i].name, declared[i].name);
            // An identity is SQLite's 64-bit row id whatever its declared width.
            if (!cols[i].identity) {
                EXPECT_EQ(cols[i].type, declared[i].type);
            }
            EXPECT_EQ(cols[i].width, declared[i].width);
            EXPECT_EQ(cols[i].identity, declared[i].identity);
            EXPECT_EQ(cols[i].notNull || cols[i].identity, fcols[i].notNull || fcols[i].pk);
            EXPECT_EQ(cols[i].name == QLatin1String("id"), declared[i].primaryKey);
            EXPECT_EQ(cols[i].hasDefault, fcols[i].hasDefault);
            if (cols[i].hasDefault && cols[i].defaultValue != QLatin1String("getdate()")) {
                EXPECT_EQ(cols[i].defaultValue, fcols[i].defaultValue);
            }
        }
    }
}

// ---------------------------------------------------------------- defaults

class SchemaDefaults : public DbTest {};

// Rows inserted with only the columns the windows name get the values other
// windows select by.
TEST_F(SchemaDefaults, RowsInsertedWithTheNamedColumnsOnly)
{
    struct Case {
        const char* insert;
        const char* select;
        QStringList expected;
    };
    const Case cases[] = {
        {"insert into tjian_sfei_main(tjhao, ryid, tjlbid, jzlxing, jzbzhi, jzsjian, tcid, sfyid, sfyuan, sfsjian, tjfqid) "
         "values('0-1', 1, 1, 2, 0, NULL, 0, 1, '王红', '2024-05-06 08:30:00', 1)",
         "select tjztai, jgbzhi, zjbzhi, zxbzhi, isnull(zxsjian, 'null'), isnull(tjsjian, 'null') from tjian_sfei_main where tjhao='0-1'",
         {"未检", "0", "0", "0", "null", "null"}},
        {"insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) values(1, 1, 20, 1, 20)",
         "select hsbzhi, zjbzhi, isnull(zjsjian, 'null') from tjian_sfei_sub", {"1", "0", "null"}},
        {"insert into tjian_ryuan(xming, xbie) values('张三', '男')",
         "select dwid, djbzhi from tjian_ryuan where xming='张三'", {"0", "0"}},
        {"insert into tjian_tcan_main(mcheng, jge) values('入职套餐', 150)",
         "select bzhi, dwid from tjian_tcan_main where mcheng='入职套餐'", {"启用", "0"}},
        {"insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi) "
         "values('0-1', 1, 1, 1, '', 'g/L', '130', '175', '', '偏低', '偏高')",
         "select jcbzhi, ycbzhi, isnull(tjysid, -1) from tjian_jguo where tjhao='0-1'", {"0", "0", "-1"}},
        {"insert into tjian_dwei(mcheng) values('华信科技有限公司')",
         "select maxtjhao from tjian_dwei where mcheng='华信科技有限公司'", {"0"}},
        {"insert into tjian_zhxmu_sub(zhxmid, xmid) values(7, 8)", "select bzhi from tjian_zhxmu_sub where zhxmid=7", {"0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.insert);
        db.execute(QString::fromUtf8(c.insert));
        const auto rs = db.query(QString::fromUtf8(c.select));
        ASSERT_EQ(rs.rows.size(), 1u);
        QStringList got;
        for (const auto& v : rs.rows[0])
            got << str(v);
        EXPECT_EQ(got, c.expected);
    }
}

TEST_F(SchemaDefaults, PrintLogsRecordThePrintTime)
{
    db.execute(QStringLiteral("insert into tjian_dy_djdan(tjhao) values('12-37') "));
    const auto t = db.scalar(QStringLiteral("select dysjian from tjian_dy_djdan where tjhao='12-37'")).toDateTime();
    ASSERT_TRUE(t.isValid());
    EXPECT_LE(qAbs(t.secsTo(QDateTime::currentDateTime())), 60);
}

// ---------------------------------------------------------------- uniqueness

class SchemaUniqueness : public DbTest {};

TEST_F(SchemaUniqueness, DuplicatesAreRefusedAndTheFirstRowStays)
{
    struct Case {
        const char* insert;
        const char* count;
    };
    const Case cases[] = {
        {"insert into tjian_sfei_main(tjhao, ryid) values('3-15', 1)", "select count(*) from tjian_sfei_main where tjhao='3-15'"},
        {"insert into pub_yhu(zhao, xming) values('wangh', '王红')", "select count(*) from pub_yhu where zhao='wangh'"},
        {"insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) values(5, 9, 1)", "select count(*) from tjian_zhxmu_sub where zhxmid=5 and xmid=9"},
        {"insert into tjian_jguo_zjian(tjhao, tjzjie) values('3-15', '未见异常')", "select count(*) from tjian_jguo_zjian where tjhao='3-15'"},
        {"insert into tjian_jguo_xjie(ksid, tjhao, xjie) values(2, '3-15', '未见异常')", "select count(*) from tjian_jguo_xjie where tjhao='3-15'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.insert);
        db.execute(QString::fromUtf8(c.insert));
        EXPECT_THROW(db.execute(QString::fromUtf8(c.insert)), tj::db::SqlError);
        EXPECT_EQ(db.scalar(QString::fromUtf8(c.count)).toInteger(), 1);
    }
    // The administrator's account is taken already.
    EXPECT_THROW(db.execute(QStringLiteral("insert into pub_yhu(zhao, xming) values('admin', '李四')")), tj::db::SqlError);
}

// Two workstations issuing the same number: the second registration fails
// as a whole and leaves nothing behind.
TEST_F(SchemaUniqueness, SecondRegistrationUnderTheSameNumberRollsBack)
{
    const int ks = db.addDepartment(QStringLiteral("检验科"), 12);
    const int hb = db.addItem({.ksid = ks, .name = QStringLiteral("血红蛋白"), .unit = QStringLiteral("g/L")});
    const int zh = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("血常规"), .price = 20, .members = {hb}});
    const int a = db.addPerson({.name = QStringLiteral("张三")});
    const int b = db.addPerson({.name = QStringLiteral("李四")});
    db.addVisit({.ryid = a, .tjhao = QStringLiteral("0-1"), .zhxmids = {zh}});
    auto other = db.openAnother();
    EXPECT_THROW(db.addVisit({.ryid = b, .tjhao = QStringLiteral("0-1"), .zhxmids = {zh}}), tj::db::SqlError);
    EXPECT_EQ(other->scalar(QStringLiteral("select count(*) from tjian_sfei_main")).toInteger(), 1);
    EXPECT_EQ(other->scalar(QStringLiteral("select count(*) from tjian_sfei_sub")).toInteger(), 1);
    EXPECT_EQ(other->scalar(QStringLiteral("select count(*) from tjian_jguo")).toInteger(), 1);
    EXPECT_EQ(other->scalar(SqlText::format("select djbzhi from tjian_ryuan where id=%d", b)).toInteger(), 0);
}

// ---------------------------------------------------------------- trigger

class ResultTrigger : public DbTest {
protected:
    void SetUp() override
    {
        ks = db.addDepartment(QStringLiteral("一般检查"));
        const int sg = db.addItem({.ksid = ks, .name = QStringLiteral("身高"), .unit = QStringLiteral("cm")});
        const int tz = db.addItem({.ksid = ks, .name = QStringLiteral("体重"), .unit = QStringLiteral("kg")});
        zh = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("一般检查"), .price = 10, .members = {sg, tz}});
        const int a = db.addPerson({.name = QStringLiteral("张三")});
        const int b = db.addPerson({.name = QStringLiteral("李四"), .sex = QStringLiteral("女")});
        db.addVisit({.ryid = a, .tjhao = QStringLiteral("0-1"), .zhxmids = {zh}});
        db.addVisit({.ryid = b, .tjhao = QStringLiteral("0-2"), .zhxmids = {zh}});
    }
    QStringList visit(const char* tjhao)
    {
        const auto rs = db.query(SqlText::format(
            "select tjztai, jgbzhi, isnull(convert(varchar(19), tjsjian, 120), 'null') from tjian_sfei_main where tjhao='%s'", tjhao));
        return {str(rs.rows.at(0)[0]), str(rs.rows.at(0)[1]), str(rs.rows.at(0)[2])};
    }
    void save(const char* tjhao, const char* item, const char* time)
    {
        db.execute(SqlText::format(
            "update tjian_jguo set jcjguo='170', jcbzhi=1, tjysid=1, tjysheng='张毅', tjsjian='%s' "
            "where tjhao='%s' and xmid=(select id from tjian_xmu where mcheng='%s')", time, tjhao, item));
    }
    int ks = 0;
    int zh = 0;
};

TEST_F(ResultTrigger, FirstSavedResultPutsTheVisitUnderExamination)
{
    EXPECT_EQ(visit("0-1"), (QStringList{"未检", "0", "null"}));
    // A change that examines nothing (a refreshed limit) leaves the visit alone.
    db.execute(QStringLiteral("update tjian_jguo set cksxian='180' where tjhao='0-1'"));
    EXPECT_EQ(visit("0-1"), (QStringList{"未检", "0", "null"}));

    save("0-1", "身高", "2024-05-06 09:15:00");
    EXPECT_EQ(visit("0-1"), (QStringList{"检中", "1", "2024-05-06 09:15:00"}));
    EXPECT_EQ(visit("0-2"), (QStringList{"未检", "0", "null"}));

    // Later results keep the time of the first one.
    save("0-1", "体重", "2024-05-06 10:40:00");
    EXPECT_EQ(visit("0-1"), (QStringList{"检中", "1", "2024-05-06 09:15:00"}));
}

TEST_F(ResultTrigger, CompletedVisitStaysCompleted)
{
    save("0-1", "身高", "2024-05-06 09:15:00");
    db.execute(QStringLiteral("update tjian_sfei_main set zjbzhi=1, tjztai='检完' where tjhao='0-1'"));
    save("0-1", "体重", "2024-05-07 08:00:00");
    EXPECT_EQ(visit("0-1"), (QStringList{"检完", "1", "2024-05-06 09:15:00"}));
}

TEST_F(ResultTrigger, ResultInsertedAsExaminedCountsWithTheServerTime)
{
    db.execute(SqlText::format(
        "insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, jcbzhi) values('0-2', %d, 1, 1, '165', 1)", zh));
    const QStringList v = visit("0-2");
    EXPECT_EQ(v.mid(0, 2), (QStringList{"检中", "1"}));
    const QDateTime t = QDateTime::fromString(v[2], QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    ASSERT_TRUE(t.isValid()) << v[2].toStdString();
    EXPECT_LE(qAbs(t.secsTo(QDateTime::currentDateTime())), 60);
}

// ---------------------------------------------------------------- first rows

class FirstRows : public DbTest {};

TEST_F(FirstRows, AdministratorLogsInWithEmptyPasswordAndHoldsEveryMenuEntry)
{
    // The login list and the login check.
    const auto users = db.query(QStringLiteral("select * from pub_yhu where qxian like '%M1%' "));
    ASSERT_EQ(users.rows.size(), 1u);
    EXPECT_EQ(str(users.value(0, QStringLiteral("zhao"))), QStringLiteral("admin"));
    const QString typed = tj::common::DesEncryptToHex(QString(), QStringLiteral("pvkoda"));
    EXPECT_EQ(str(users.value(0, QStringLiteral("mma"))), typed);
    EXPECT_TRUE(typed.isEmpty());
    const int admin = db.administratorId();
    const QString dept = str(db.scalar(SqlText::format("select mcheng from pub_kshi where id=%d", int(users.value(0, QStringLiteral("kshi")).toInteger()))));
    EXPECT_FALSE(dept.trimmed().isEmpty());
    EXPECT_FALSE(str(db.scalar(QStringLiteral("select mcheng from his_qxzhi where zhi='M1' "))).isEmpty());

    // The user windows list users of departments of categories 11 to 13.
    EXPECT_EQ(db.query(QStringLiteral("select * from pub_yhu a inner join pub_kshi b on b.id=a.kshi where b.kslbie in (11,12,13) order by a.kshi,a.xhao")).rows.size(), 1u);

    // Every menu entry of the registry is granted, and the registry holds the whole menu.
    const auto missing = db.query(SqlText::format(
        "select qxcdan from his_qxcdan c where qxzhi='M1' and not exists "
        "(select * from pub_yhqxian g where g.yhid=%d and g.qxzhi='M1' and g.qxcdan=c.qxcdan)", admin));
    EXPECT_TRUE(missing.rows.empty());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from his_qxcdan where qxzhi='M1'")).toInteger(), 76);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from his_qxcdan where qxzhi='M1' and len(qxcdan)=2")).toInteger(), 8);
    const struct { const char* code; const char* caption; } entries[] = {
        {"0104", "团检登记"}, {"0503", "收费员月结　"}, {"0608", "数据字典"}, {"060811", "人员类别"}, {"0704", "用户授权"}, {"0802", "退出"}};
    for (const auto& e : entries)
        EXPECT_EQ(str(db.scalar(SqlText::format("select cdmcheng from his_qxcdan where qxzhi='M1' and qxcdan='%s'", e.code))),
                  QString::fromUtf8(e.caption)) << e.code;
    // A sub-menu is shown through the grants below it.
    EXPECT_FALSE(db.query(SqlText::format("select * from pub_yhqxian where yhid=%d and qxzhi='%s' and qxcdan like '%s%%' and len(qxcdan)>%d ",
                                          admin, "M1", "0608", 4)).rows.empty());
}

TEST_F(FirstRows, CategoriesAndListsExist)
{
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from pub_kslbie where id in (11,12,13) and mcheng<>''")).toInteger(), 3);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from pub_xbie")).toInteger(), 2);
    EXPECT_GE(db.scalar(QStringLiteral("select count(*) from pub_yhlbie")).toInteger(), 2);
    EXPECT_EQ(str(db.scalar(QStringLiteral("select zhi from his_xtszhi where bzhu='YearEnd' "))), QStringLiteral("0"));
    // The catalogue starts empty.
    for (const char* t : {"tjian_xmu", "tjian_zhxmu_main", "tjian_dwei", "tjian_ryuan", "tjian_sfei_main", "tjian_csszhi"})
        EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from %1").arg(QLatin1String(t))).toInteger(), 0) << t;
}

// ---------------------------------------------------------------- demonstration data

class DemoData : public DemoDbTest {};

TEST_F(DemoData, CatalogueIsConsistent)
{
    // All nine dictionaries are filled.
    for (const char* t : {"tjian_rylbie", "tjian_tjlbie", "tjian_tjfqu", "tjian_jblbie", "tjian_zcjguo", "tjian_dwxzhi",
                          "tjian_dwlbie", "tjian_fbie", "tjian_zhxmu_lbie"})
        EXPECT_GE(db.scalar(QStringLiteral("select count(*) from %1").arg(QLatin1String(t))).toInteger(), 3) << t;
    // Every combined item carries one membership row per item of its
    // department and at least one selected member of that department.
    EXPECT_TRUE(db.query(QStringLiteral(
        "select z.mcheng from tjian_zhxmu_main z where "
        " (select count(*) from tjian_zhxmu_sub s where s.zhxmid=z.id) <> (select count(*) from tjian_xmu x where x.ksid=z.ksid)"
        " or not exists (select * from tjian_zhxmu_sub s inner join tjian_xmu x on x.id=s.xmid where s.zhxmid=z.id and s.bzhi=1 and x.ksid=z.ksid)"))
        .rows.empty());
    // Names the catalogue refers to by name exist.
    EXPECT_TRUE(db.query(QStringLiteral(
        "select mcheng from tjian_zhxmu_main where lbie not in (select mcheng from tjian_zhxmu_lbie) or fbie not in (select mcheng from tjian_fbie)")).rows.empty());
    EXPECT_TRUE(db.query(QStringLiteral("select zyzduan from tjian_zdjlyjyi where jblbie not in (select mcheng from tjian_jblbie)")).rows.empty());
    // Packages cost less than their parts; the unit packages belong to units.
    EXPECT_TRUE(db.query(QStringLiteral(
        "select t.mcheng from tjian_tcan_main t where t.jge >= (select sum(z.sfjge) from tjian_tcan_sub s inner join tjian_zhxmu_main z on z.id=s.zhxmid where s.tcid=t.id)")).rows.empty());
    EXPECT_GE(db.scalar(QStringLiteral("select count(*) from tjian_tcan_main where dwid in (select id from tjian_dwei)")).toInteger(), 2);
    EXPECT_GE(db.scalar(QStringLiteral("select count(*) from tjian_tcan_main where dwid=0 and bzhi='启用'")).toInteger(), 2);
    // The findings produced automatically have an entry with advice.
    for (const char* d : {"肥胖", "超重", "体重偏低", "血压偏高", "血压偏低", "空腹血糖偏高", "脂肪肝"})
        EXPECT_EQ(db.scalar(SqlText::format("select count(*) from tjian_zdjlyjyi where zyzduan='%s' and jyi like '_%%'", d)).toInteger(), 1) << d;
    // Settlement types: one unit pays at registration, one on account; both have staff.
    EXPECT_EQ(db.scalar(QStringLiteral("select count(distinct jzlxing) from tjian_dwei where id in (select dwid from tjian_ryuan)")).toInteger(), 2);
    EXPECT_GE(db.scalar(QStringLiteral("select count(*) from tjian_ryuan where dwid=0")).toInteger(), 1);
}

TEST_F(DemoData, NumericLimitsArePlausible)
{
    const auto rs = db.query(QStringLiteral(
        "select mcheng, ckxxian1, cksxian1, ckxxian2, cksxian2, dwei from tjian_xmu where szjgbzhi=1"));
    ASSERT_GE(rs.rows.size(), 20u);
    for (const auto& row : rs.rows) {
        SCOPED_TRACE(row[0].toString().toStdString());
        for (int pair : {1, 3}) {
            const QString lo = row[pair].toString(), hi = row[pair + 1].toString();
            bool okLo = true, okHi = true;
            const double l = lo.isEmpty() ? 0 : lo.toDouble(&okLo);
            const double h = hi.isEmpty() ? 1e9 : hi.toDouble(&okHi);
            EXPECT_TRUE(okLo && okHi);
            EXPECT_LT(l, h);
        }
    }
    // Sex-specific limits, as a laboratory prints them.
    const auto hb = db.query(QStringLiteral("select ckxxian1, cksxian1, ckxxian2, cksxian2, dwei from tjian_xmu where mcheng='血红蛋白'"));
    ASSERT_EQ(hb.rows.size(), 1u);
    QStringList got;
    for (const auto& v : hb.rows[0]) got << str(v);
    EXPECT_EQ(got, (QStringList{"130", "175", "115", "150", "g/L"}));
}

// The search codes are those the maintenance windows would compute.
TEST_F(DemoData, SearchCodesMatchThePinyinInitials)
{
    const char* tables[][2] = {{"pub_kshi", "mcheng"}, {"tjian_xmu", "mcheng"}, {"tjian_zhxmu_main", "mcheng"},
                               {"tjian_tcan_main", "mcheng"}, {"tjian_dwei", "mcheng"}, {"tjian_ryuan", "xming"},
                               {"pub_yhu", "xming"}, {"tjian_cjjguo", "jguo"}, {"tjian_zdjlyjyi", "zyzduan"},
                               {"tjian_rylbie", "mcheng"}, {"tjian_zcjguo", "mcheng"}};
    for (const auto& t : tables) {
        const auto rs = db.query(QStringLiteral("select %1, pyjma from %2").arg(QLatin1String(t[1]), QLatin1String(t[0])));
        for (const auto& row : rs.rows)
            EXPECT_EQ(str(row[1]), tj::common::PinyinCode(str(row[0]), 4, 255)) << t[0] << " " << str(row[0]).toStdString();
    }
}

// A demo person registered with a package gets result rows with the limits of her sex.
TEST_F(DemoData, RegisteringAStaffMemberUsesHerLimits)
{
    const int ry = int(db.scalar(QStringLiteral("select id from tjian_ryuan where xming='孙婷'")).toInteger());
    const auto zh = db.query(QStringLiteral(
        "select s.zhxmid from tjian_tcan_sub s inner join tjian_tcan_main t on t.id=s.tcid where t.mcheng='华信科技员工套餐（女）'"));
    std::vector<int> ids;
    for (const auto& r : zh.rows) ids.push_back(int(r[0].toInteger()));
    ASSERT_GE(ids.size(), 10u);
    db.addVisit({.ryid = ry, .tjhao = QStringLiteral("2-1"), .zhxmids = ids});
    const auto hb = db.query(QStringLiteral(
        "select a.ckxxian, a.cksxian, a.jcjguo from tjian_jguo a inner join tjian_xmu b on b.id=a.xmid where a.tjhao='2-1' and b.mcheng='血红蛋白'"));
    ASSERT_EQ(hb.rows.size(), 1u);
    EXPECT_EQ(str(hb.rows[0][0]), QStringLiteral("115"));
    EXPECT_EQ(str(hb.rows[0][1]), QStringLiteral("150"));
    EXPECT_EQ(str(db.scalar(QStringLiteral(
                  "select a.jcjguo from tjian_jguo a inner join tjian_xmu b on b.id=a.xmid where a.tjhao='2-1' and b.mcheng='心电图'"))),
              QStringLiteral("窦性心律，正常心电图"));
}

TEST_F(DemoData, UsersLogInAndSeeTheirEntries)
{
    const auto rs = db.query(QStringLiteral("select * from pub_yhu where qxian like '%M1%' "));
    EXPECT_GE(rs.rows.size(), 5u);
    // Every grant names a registered entry, and every user has a department the windows show.
    EXPECT_TRUE(db.query(QStringLiteral("select * from pub_yhqxian g where not exists (select * from his_qxcdan c where c.qxzhi=g.qxzhi and c.qxcdan=g.qxcdan)")).rows.empty());
    EXPECT_TRUE(db.query(QStringLiteral("select zhao from pub_yhu where kshi not in (select id from pub_kshi where kslbie in (11,12,13))")).rows.empty());
    const int doctor = int(db.scalar(QStringLiteral("select id from pub_yhu where zhao='zhangy'")).toInteger());
    EXPECT_EQ(db.scalar(SqlText::format("select count(*) from pub_yhqxian where yhid=%d and qxcdan like '06%%'", doctor)).toInteger(), 0);
    EXPECT_EQ(db.scalar(SqlText::format("select count(*) from pub_yhqxian where yhid=%d and qxcdan='0201'", doctor)).toInteger(), 1);
}

TEST_F(DemoData, LoadsOnlyOnce)
{
    const qint64 before = db.scalar(QStringLiteral("select count(*) from tjian_xmu")).toInteger();
    EXPECT_THROW(tj::schema::loadDemoData(db.connection()), tj::schema::SchemaError);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tjian_xmu")).toInteger(), before);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tjian_dwei")).toInteger(), 2);
}

// ---------------------------------------------------------------- creating databases

TEST(CreateDatabase, CopiesTheTemplateAndNeverOverwrites)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    EXPECT_THROW(tj::schema::createDatabaseFromTemplate(QStringLiteral("his"), dir.path()), tj::schema::SchemaError);  // no template
    ASSERT_TRUE(QFile::copy(tj::test::templateDatabasePath(), tj::schema::templatePath(dir.path())));

    const QString path = tj::schema::createDatabaseFromTemplate(QStringLiteral("his"), dir.path());
    EXPECT_EQ(path, QDir(dir.path()).filePath(QStringLiteral("data/his.db")));
    {
        tj::db::SqliteConnection c(path);
        c.open();
        EXPECT_EQ(str(c.scalar(QStringLiteral("select zhao from pub_yhu"))), QStringLiteral("admin"));
        c.execute(QStringLiteral("insert into tjian_dwei(mcheng) values('东方机械制造有限公司')"));
        c.close();
    }
    // A second creation under the same name is refused and the data stays.
    EXPECT_THROW(tj::schema::createDatabaseFromTemplate(QStringLiteral("his"), dir.path()), tj::schema::SchemaError);
    tj::db::SqliteConnection c(path);
    c.open();
    EXPECT_EQ(c.scalar(QStringLiteral("select count(*) from tjian_dwei")).toInteger(), 1);
}

// A database file deleted by hand leaves its journal files behind; a new
// database of the same name must not replay them.
TEST(CreateDatabase, IgnoresJournalFilesOfADeletedDatabase)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    ASSERT_TRUE(QFile::copy(tj::test::templateDatabasePath(), tj::schema::templatePath(dir.path())));
    const QString path = tj::schema::createDatabaseFromTemplate(QStringLiteral("his"), dir.path());
    QByteArray wal;
    {
        tj::db::SqliteConnection c(path);
        c.open();
        c.execute(QStringLiteral("insert into tjian_dwei(mcheng) values('东方机械制造有限公司')"));
        QFile f(path + QStringLiteral("-wal"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        wal = f.readAll();
        ASSERT_FALSE(wal.isEmpty());
    }
    ASSERT_TRUE(QFile::remove(path));
    QFile f(path + QStringLiteral("-wal"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wal);
    f.close();

    tj::schema::createDatabaseFromTemplate(QStringLiteral("his"), dir.path());
    tj::db::SqliteConnection c(path);
    c.open();
    EXPECT_EQ(c.scalar(QStringLiteral("select count(*) from tjian_dwei")).toInteger(), 0);
    EXPECT_EQ(str(c.scalar(QStringLiteral("select zhao from pub_yhu"))), QStringLiteral("admin"));
}

TEST(CreateDatabase, RefusesNamesThatAreNotPlainFileNames)
{
    for (const char* bad : {"", "../his", "a/b", "a\\b", "his.db", "template", "TEMPLATE", "a b", "x;drop"})
        EXPECT_FALSE(tj::schema::isValidDatabaseName(QString::fromUtf8(bad))) << bad;
    for (const char* good : {"his", "his2023", "his_2023", "体检2023", "Test-1"})
        EXPECT_TRUE(tj::schema::isValidDatabaseName(QString::fromUtf8(good))) << good;
}

// ---------------------------------------------------------------- statements of the windows

// Every statement the windows send (outside their working tables) runs on
// the schema: table and column names, types and implicit conversions agree.
TEST_F(DemoData, StatementsOfTheWindowsRun)
{
    // The statements file lies beside this test in the source tree.
    QFile f(QStringLiteral(TJ_TESTS_DIR "/schema/statements.sql"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    int count = 0;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1String("--")))
            continue;
        ++count;
        EXPECT_NO_THROW(db.connection().query(line)) << line.toStdString();
    }
    EXPECT_GT(count, 100);
}
