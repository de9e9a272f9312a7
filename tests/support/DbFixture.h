// Test databases: a fresh embedded database copied from the built template
// (bin/data/template.db) into a temporary program folder for every test, and
// small builders for the catalogue, units, persons, users and visits.
//
//   #include "support/DbFixture.h"
//   class MyTest : public tj::test::DbTest {};
//   TEST_F(MyTest, ...) {
//       int ks = db.addDepartment("内科");
//       int hb = db.addItem({.ksid = ks, .name = "血红蛋白", .unit = "g/L",
//                            .maleLow = "130", .maleHigh = "175", .femaleLow = "115", .femaleHigh = "150"});
//       int zh = db.addCombinedItem({.ksid = ks, .name = "血常规", .price = 20, .members = {hb}});
//       int ry = db.addPerson({.name = "张三", .sex = "女"});
//       int visit = db.addVisit({.ryid = ry, .tjhao = "0-1", .zhxmids = {zh}});
//       ...
//   }
#pragma once

#include "platform/db/SqliteConnection.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tj::test {

// The built template: $TJ_RUNTIME_DIR/data/template.db when the variable is
// set, else the runtime folder of the build this test belongs to.
QString runtimeDir();
QString templateDatabasePath();

struct ItemSpec {
    int ksid = 0;
    QString name;
    QString unit;
    QString maleLow, maleHigh, femaleLow, femaleHigh;
    QString lowTip = QStringLiteral("偏低");
    QString highTip = QStringLiteral("偏高");
    bool numeric = true;
    QString normal;           // normal result (initial result of new rows)
    int order = 0;            // 0: next order number of the department
    QString sex = QStringLiteral("不限");
};

struct CombinedItemSpec {
    int ksid = 0;
    QString name;
    double price = 0;          // sfjge
    std::vector<int> members;  // selected items; every other item of the department gets an unselected row
    double accountingPrice = 0;  // hsjge
    QString category;          // lbie
    QString feeCategory;       // fbie
    QString specimen = QStringLiteral("否");
    int order = 0;
};

struct PackageSpec {
    QString name;
    double price = 0;
    std::vector<int> zhxmids;
    int dwid = 0;
    QString sex = QStringLiteral("不限");
    QString state = QStringLiteral("启用");
    int order = 0;
};

struct UnitSpec {
    QString name;
    int settlement = 1;  // 1 paid at registration, 2 on account
    int ksid = 0;        // business department
    int tjfqid = 0;
};

struct PersonSpec {
    QString name;
    QString sex = QStringLiteral("男");
    int dwid = 0;
    int age = 40;
    QString group;  // fzu
};

struct UserSpec {
    QString account;
    QString name;
    int kshi = 0;
    QStringList grants;  // menu codes of subsystem M1; qxian is "M1" when not empty
    QString phone;
    QString passwordCipher;  // mma as stored (enciphered hex); empty: no password
};

// A registered visit as the registration leaves it: the visit row (only the
// registration columns, the rest from the defaults), one charge line per
// combined item at its list price, one result row per selected member with
// the limits of the person's sex, and the person marked registered.
struct VisitSpec {
    int ryid = 0;
    QString tjhao;
    std::vector<int> zhxmids;
    int settlement = 1;
    int tcid = 0;
    int tjlbid = 0;
    int tjfqid = 0;
    int operatorId = 1;
    QString operatorName = QStringLiteral("系统管理员");
    QString registeredAt = QStringLiteral("2024-05-06 08:30:00");
};

class TestDatabase {
public:
    // A copy of the template named data/NAME.db inside a new temporary
    // program folder; optionally with the demonstration data loaded.
    explicit TestDatabase(bool withDemoData = false, const QString& name = QStringLiteral("his"));
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    tj::db::SqliteConnection& connection() { return *connection_; }
    QString path() const { return path_; }
    QString programFolder() const { return dir_.path(); }
    // Another connection to the same file (for two-workstation tests).
    std::unique_ptr<tj::db::SqliteConnection> openAnother() const;

    // Shorthands on the connection.
    int execute(const QString& sql);
    tj::db::ResultSet query(const QString& sql);
    tj::db::Value scalar(const QString& sql);

    int addDepartment(const QString& name, int category = 11, int order = 0);
    int addItem(const ItemSpec& s);
    int addCombinedItem(const CombinedItemSpec& s);
    int addPackage(const PackageSpec& s);
    int addUnit(const UnitSpec& s);
    int addPerson(const PersonSpec& s);
    int addUser(const UserSpec& s);
    int addVisit(const VisitSpec& s);  // returns the visit id

    // The id of the first administrator of the template.
    int administratorId();

private:
    int newId();

    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<tj::db::SqliteConnection> connection_;
};

// A GoogleTest fixture with a fresh template database per test.
class DbTest : public ::testing::Test {
protected:
    TestDatabase db;
};

// The same with the demonstration data loaded.
class DemoDbTest : public ::testing::Test {
protected:
    DemoDbTest() : db(true) {}
    TestDatabase db;
};

}  // namespace tj::test
