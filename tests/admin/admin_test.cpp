// Centre parameters, users and authorisation, driven as the administrator
// would, checked against the rows they leave.
#include "admin/TFCsSz.h"
#include "admin/TFYhSquan.h"
#include "admin/TFYhu.h"
#include "support/WindowFixture.h"
#include "platform/db/SqlText.h"
#include "platform/ui/MaintenanceController.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QTimeEdit>
#include <QTreeWidget>

using tj::core::Session;
using tj::db::Query;
using tj::db::SqlText;
using namespace tj::admin;

namespace {

class CentreParameters : public tj::test::WindowTest {
protected:
    QString param(const char* key)
    {
        return db.scalar(SqlText::format("select zhi from tjian_csszhi where jian='%s'", key)).toString();
    }
    qint64 rows(const char* key)
    {
        return count(SqlText::format("select count(*) from tjian_csszhi where jian='%s'", key));
    }
};

TEST_F(CentreParameters, StartMomentIsSetOnceAndEverySaveUpdatesTheRunningProgram)
{
    db.execute(QStringLiteral("delete from tjian_csszhi where jian in ('体检中心名称', '软件启用时间', '月结设置')"));
    db.execute(QStringLiteral("insert into tjian_csszhi(jian, zhi) values('散检最大体检号', '17')"));
    int saved = 0;
    TFCsSz w;
    w.parametersSaved = [&] { ++saved; };
    w.show();
    EXPECT_TRUE(w.GrpQysz->isEnabled());
    EXPECT_EQ(w.EdtZxmcheng->text(), QString());
    EXPECT_EQ(w.CmbYjri->currentText(), QStringLiteral("月底"));
    ASSERT_EQ(w.CmbYjri->count(), 29);
    EXPECT_EQ(w.CmbYjri->itemText(28), QStringLiteral("28"));

    type(w.EdtZxmcheng, QStringLiteral("岚川'体检中心"));
    w.DtpQyrq->setDate(QDate(2024, 3, 1));
    w.DtpQysj->setTime(QTime(8, 0, 0));
    choose(w.CmbYjri, QStringLiteral("25"));
    w.DtpYjsj->setTime(QTime(17, 30, 0));
    w.BBtnOkClick();

    EXPECT_EQ(param("体检中心名称"), QStringLiteral("岚川'体检中心"));
    EXPECT_EQ(param("软件启用时间"), QStringLiteral("2024-03-01 08:00:00"));
    EXPECT_EQ(param("月结设置"), QStringLiteral("25 17:30:00"));
    EXPECT_EQ(param("散检最大体检号"), QStringLiteral("17"));
    const Session& s = Session::current();
    EXPECT_EQ(s.CentreName, QStringLiteral("岚川'体检中心"));
    EXPECT_TRUE(s.StartTimeSet);
    EXPECT_EQ(s.SoftwareStartTime, QDateTime(QDate(2024, 3, 1), QTime(8, 0)));
    EXPECT_TRUE(s.MonthEndSettingSet);
    EXPECT_EQ(s.MonthEndSetting, QStringLiteral("25 17:30:00"));
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("系统参数设置保存成功！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("提示信息"));
    EXPECT_EQ(w.result(), QDialog::Accepted);

    // Shown again: the stored values, the start moment greyed and kept.
    w.show();
    EXPECT_FALSE(w.GrpQysz->isEnabled());
    EXPECT_EQ(w.DtpQyrq->date(), QDate(2024, 3, 1));
    EXPECT_EQ(w.CmbYjri->currentText(), QStringLiteral("25"));
    EXPECT_EQ(w.DtpYjsj->time(), QTime(17, 30));
    type(w.EdtZxmcheng, QString());
    choose(w.CmbYjri, QStringLiteral("月底"));
    w.BBtnOkClick();
    EXPECT_EQ(rows("体检中心名称"), 1);
    EXPECT_EQ(rows("月结设置"), 1);
    EXPECT_EQ(param("体检中心名称"), QString());
    EXPECT_EQ(param("软件启用时间"), QStringLiteral("2024-03-01 08:00:00"));
    EXPECT_EQ(param("月结设置"), QStringLiteral("月底 17:30:00"));
}

TEST_F(CentreParameters, ReadsAMonthEndTimeWithoutLeadingZero)
{
    db.execute(QStringLiteral("delete from tjian_csszhi where jian='月结设置'"));
    db.execute(QStringLiteral("insert into tjian_csszhi(jian, zhi) values('月结设置', '3 8:05:00')"));
    TFCsSz w;
    w.show();
    EXPECT_EQ(w.CmbYjri->currentText(), QStringLiteral("3"));
    EXPECT_EQ(w.DtpYjsj->time(), QTime(8, 5));
}

class Users : public tj::test::WindowTest {};

TEST_F(Users, DuplicateAccountIsRefusedAndANewUserIsListedInHisDepartment)
{
    const int ks = db.addDepartment(QStringLiteral("内科"), 11);
    db.addUser({.account = QStringLiteral("zhang"), .name = QStringLiteral("张医生"), .kshi = ks});
    TFYhu w;
    w.show();
    w.Maint->BBtnAddClick();
    EXPECT_EQ(w.focusWidget(), w.EdtXming);
    type(w.EdtXming, QStringLiteral("李医生"));
    type(w.EdtZhao, QStringLiteral("zhang"));
    choose(w.CmbXbie, QStringLiteral("女"));
    choose(w.CmbKshi, QStringLiteral("内科"));
    choose(w.CmbYhlbie, QStringLiteral("科室医生"));
    enter(w.EdtPyjma);
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("保存出错：请检查是否存在重复帐号！"));
    EXPECT_TRUE(dialogs.last().caption.isEmpty());
    EXPECT_EQ(w.Users.QryYhu.state(), Query::State::Insert);
    EXPECT_EQ(w.EdtXming->text(), QStringLiteral("李医生"));

    type(w.EdtZhao, QStringLiteral("li"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    const auto r = db.query(QStringLiteral("select * from pub_yhu where zhao='li'"));
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.value(0, "kshi").toInteger(), ks);
    EXPECT_EQ(r.value(0, "xbie").toInteger(), 2);
    EXPECT_EQ(r.value(0, "pyjma").toString(), QStringLiteral("LYS"));
    EXPECT_TRUE(r.value(0, "qxian").toString().isEmpty());  // cannot log in before authorisation

    // Listed under his department, the saved user current, groups expanded.
    EXPECT_EQ(w.Users.QryYhu.field(QStringLiteral("zhao")).asString(), QStringLiteral("li"));
    int group = -1;
    for (int g = 0; g < w.cxGrdYhu->groupCount(); ++g)
        if (w.cxGrdYhu->groupText(g) == QStringLiteral("内科"))
            group = g;
    ASSERT_GE(group, 0);
    EXPECT_TRUE(w.cxGrdYhu->isGroupExpanded(group));
    EXPECT_EQ(w.cxGrdYhu->summaryText(0),
              QStringLiteral("共 %1 条").arg(count(QStringLiteral(
                  "select count(*) from pub_yhu a inner join pub_kshi b on b.id=a.kshi where b.kslbie in (11,12,13)"))));
}

TEST_F(Users, DeleteGuardsRunInOrderAndGrantsStay)
{
    const int ks = db.addDepartment(QStringLiteral("内科"), 11);
    const int other = db.addDepartment(QStringLiteral("后勤"), 14);
    const int id = db.addUser({.account = QStringLiteral("wang"), .name = QStringLiteral("王医生"), .kshi = ks,
                               .grants = {QStringLiteral("06")}});
    db.addUser({.account = QStringLiteral("chen"), .name = QStringLiteral("陈师傅"), .kshi = other});
    const char* uses[][2] = {
        {"insert into tjian_jguo(tjhao, xhao, tjysid) values('1-1', 1, %d)", "此用户已经在体检结果中使用，不能删除！"},
        {"insert into tjian_jguo_xjie(tjhao, xjysid) values('1-1', %d)", "此用户已经在体检科室小结中使用，不能删除！"},
        {"insert into tjian_jguo_zjian(tjhao, zjysid) values('1-1', %d)", "此用户已经在体检结果总检中使用，不能删除！"},
        {"insert into tjian_sfei_main(tjhao, sfyid) values('1-1', %d)", "此用户已经在体检收费中使用，不能删除！"},
    };
    const char* tables[] = {"tjian_jguo", "tjian_jguo_xjie", "tjian_jguo_zjian", "tjian_sfei_main"};
    for (auto& u : uses)
        db.execute(SqlText::format(u[0], id));
    TFYhu w;
    w.show();
    // A user of a department outside the examination categories is not listed.
    EXPECT_FALSE(column(w.cxGrdYhu, 1).contains(QStringLiteral("陈师傅")));
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(w.Users.QryYhu.locate(QStringLiteral("id"), id));
        w.Maint->BBtnDelClick();
        EXPECT_EQ(dialogs.last().text, QString::fromUtf8(uses[i][1]));
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));
        db.execute(QStringLiteral("delete from %1").arg(tables[i]));
    }
    ASSERT_TRUE(w.Users.QryYhu.locate(QStringLiteral("id"), id));
    dialogs.answer(true);
    w.Maint->BBtnDelClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("是否确定删除此用户？"));
    EXPECT_FALSE(dialogs.last().defaultYes);
    EXPECT_EQ(count(SqlText::format("select count(*) from pub_yhu where id=%d", id)), 0);
    EXPECT_GT(count(SqlText::format("select count(*) from pub_yhqxian where yhid=%d", id)), 0);
    EXPECT_FALSE(column(w.cxGrdYhu, 1).contains(QStringLiteral("王医生")));
}

class Authorisation : public tj::test::WindowTest {
protected:
    QStringList grants(int user)
    {
        QStringList out;
        const auto r = db.query(
            SqlText::format("select qxcdan from pub_yhqxian where yhid=%d and qxzhi='M1' order by qxcdan", user));
        for (std::size_t i = 0; i < r.rows.size(); ++i)
            out << r.value(i, "qxcdan").toString();
        return out;
    }
    QString qxian(int user)
    {
        return db.scalar(SqlText::format("select qxian from pub_yhu where id=%d", user)).toString();
    }
    void click(TFYhSquan& w, int user)
    {
        ASSERT_TRUE(w.Users.QryYhu.locate(QStringLiteral("id"), user));
        emit w.cxGrdYhu->rowClicked(w.Users.QryYhu.recNo());
    }
};

TEST_F(Authorisation, OneLeafGrantsItsAncestorsAndNothingCheckedClearsTheLogin)
{
    const int ks = db.addDepartment(QStringLiteral("内科"), 11);
    const int user = db.addUser({.account = QStringLiteral("li"), .name = QStringLiteral("李医生"), .kshi = ks,
                                 .grants = {QStringLiteral("01"), QStringLiteral("0101")}});
    TFYhSquan w;
    w.show();
    // Every registered entry, separators included, in menu order.
    EXPECT_EQ(w.RzChkTree->topLevelItemCount(), 1);
    int nodes = 0;
    for (QTreeWidgetItemIterator it(w.RzChkTree); *it; ++it)
        ++nodes;
    EXPECT_EQ(nodes, 1 + count(QStringLiteral("select count(*) from his_qxcdan where qxzhi='M1'")));

    click(w, user);
    EXPECT_EQ(w.LblXming->text(), QStringLiteral("李医生"));
    EXPECT_EQ(w.LblKshi->text(), QStringLiteral("内科"));
    EXPECT_EQ(w.nodeForCode(QStringLiteral("0101"))->checkState(0), Qt::Checked);
    EXPECT_EQ(w.nodeForCode(QStringLiteral("01"))->checkState(0), Qt::PartiallyChecked);

    // Uncheck everything, tick the fee dictionary only.
    w.RzChkTree->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QTreeWidgetItem* leaf = w.nodeForCode(QStringLiteral("060802"));
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->text(0), QStringLiteral("费别字典"));
    leaf->setCheckState(0, Qt::Checked);
    EXPECT_EQ(w.nodeForCode(QStringLiteral("0608"))->checkState(0), Qt::PartiallyChecked);
    w.BBtnFpeiClick();
    EXPECT_EQ(grants(user), QStringList({"06", "0608", "060802"}));
    EXPECT_EQ(qxian(user), QStringLiteral("M1"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("权限分配成功！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("提示"));

    w.RzChkTree->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    w.BBtnFpeiClick();
    EXPECT_TRUE(grants(user).isEmpty());
    EXPECT_EQ(qxian(user), QString());
}

TEST_F(Authorisation, AFailureMidwayLeavesTheOldGrants)
{
    const int ks = db.addDepartment(QStringLiteral("内科"), 11);
    const int user = db.addUser({.account = QStringLiteral("li"), .name = QStringLiteral("李医生"), .kshi = ks,
                                 .grants = {QStringLiteral("01"), QStringLiteral("0101")}});
    TFYhSquan w;
    w.show();
    click(w, user);
    w.RzChkTree->topLevelItem(0)->setCheckState(0, Qt::Checked);
    // Another workstation removes the user: the grants are deleted and inserted,
    // then writing the user's row fails.
    db.execute(tj::db::SqlText::format("delete from pub_yhu where id=%d", user));
    EXPECT_THROW(w.BBtnFpeiClick(), tj::db::SqlError);
    EXPECT_EQ(grants(user), QStringList({"01", "0101"}));
    dialogs.answer(true);
    EXPECT_THROW(w.BBtnHshouClick(), tj::db::SqlError);
    EXPECT_EQ(grants(user), QStringList({"01", "0101"}));
    EXPECT_EQ(w.Users.QryYhu.state(), tj::db::Query::State::Browse);
}

TEST_F(Authorisation, WithdrawAsksAndSwitchingUsersReloadsTheBoxes)
{
    const int ks = db.addDepartment(QStringLiteral("内科"), 11);
    const int a = db.addUser({.account = QStringLiteral("a"), .name = QStringLiteral("甲"), .kshi = ks,
                              .grants = {QStringLiteral("01"), QStringLiteral("0101")}});
    const int b = db.addUser({.account = QStringLiteral("b"), .name = QStringLiteral("乙"), .kshi = ks});
    TFYhSquan w;
    w.show();
    click(w, b);
    EXPECT_EQ(w.nodeForCode(QStringLiteral("0101"))->checkState(0), Qt::Unchecked);
    w.nodeForCode(QStringLiteral("0102"))->setCheckState(0, Qt::Checked);  // not saved
    click(w, a);
    EXPECT_EQ(w.nodeForCode(QStringLiteral("0101"))->checkState(0), Qt::Checked);
    EXPECT_EQ(w.nodeForCode(QStringLiteral("0102"))->checkState(0), Qt::Unchecked);
    click(w, b);
    EXPECT_EQ(w.nodeForCode(QStringLiteral("0102"))->checkState(0), Qt::Unchecked);
    EXPECT_TRUE(grants(b).isEmpty());

    click(w, a);
    dialogs.answer(false);
    w.BBtnHshouClick();
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("请确认"));
    EXPECT_TRUE(dialogs.last().wasQuestion);
    EXPECT_EQ(grants(a), QStringList({"01", "0101"}));
    dialogs.answer(true);
    w.BBtnHshouClick();
    EXPECT_TRUE(grants(a).isEmpty());
    EXPECT_EQ(qxian(a), QString());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("权限回收成功！"));
    // The boxes are left as they were.
    EXPECT_EQ(w.nodeForCode(QStringLiteral("0101"))->checkState(0), Qt::Checked);
}

}  // namespace
