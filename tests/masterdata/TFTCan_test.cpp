// The package windows: the working copy of a package's contents, bulk and
// single adds without duplicates, removal, the contents replaced with the
// package in one transaction, the mandatory fields of both windows.
#include "masterdata/TFTCan.h"
#include "platform/db/SqlText.h"
#include "platform/ui/MaintenanceController.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>

using tj::db::Query;
using tj::db::SqlText;
using tj::masterdata::TFTCan;
using tj::masterdata::TFTCan_Dwei;

namespace {

class TFTCanTest : public tj::test::WindowTest {
protected:
    TFTCanTest()
    {
        const int ks = db.addDepartment(QStringLiteral("检验科"));
        xcg = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("血常规"), .price = 20});
        ggn = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("肝功能"), .price = 35});
        ncg = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("尿常规"), .price = 10});
        xp = db.addCombinedItem({.ksid = db.addDepartment(QStringLiteral("放射科")), .name = QStringLiteral("胸片"), .price = 50});
    }
    // Stored contents of a package, by name, in their order.
    QStringList stored(int tcid)
    {
        QStringList out;
        for (const auto& r : db.query(SqlText::format("select b.mcheng from tjian_tcan_sub a inner join tjian_zhxmu_main b "
                                                      "on b.id=a.zhxmid where a.tcid=%d order by a.id", tcid)).rows)
            out << r[0].toString();
        return out;
    }
    static QStringList contents(TFTCan& w) { return column(w.cxGrdTcanSub, 0); }
    static void pick(tj::db::Query& q, int id) { ASSERT_TRUE(q.locate(QStringLiteral("id"), id)); }
    int xcg = 0, ggn = 0, ncg = 0, xp = 0;
};

TEST_F(TFTCanTest, EditingWorksOnACopyThatReplacesTheContentsOnSave)
{
    const int entry = db.addPackage({.name = QStringLiteral("入职套餐"), .price = 60, .zhxmids = {xcg, ggn}, .order = 1});
    const int base = db.addPackage({.name = QStringLiteral("基础套餐"), .price = 70, .zhxmids = {ggn, ncg, xp}, .order = 2});
    db.addPackage({.name = QStringLiteral("停用套餐"), .zhxmids = {xp}, .state = QStringLiteral("禁用"), .order = 3});
    TFTCan w;
    w.show();
    // Only packages in use are candidates.
    EXPECT_EQ(column(w.cxGrdCandTcan, 0), (QStringList{"入职套餐", "基础套餐"}));
    pick(w.QryTcan, entry);
    EXPECT_EQ(contents(w), (QStringList{"血常规", "肝功能"}));
    EXPECT_EQ(w.cxGrdTcanSub->summaryText(1), QStringLiteral("55.00"));

    w.Maint->BBtnEditClick();
    EXPECT_EQ(contents(w), (QStringList{"血常规", "肝功能"}));
    // Bulk add: only what is not in the copy yet.
    pick(w.QryCandTcan, base);
    doubleClick(w.cxGrdCandTcan, w.QryCandTcan.recNo());
    EXPECT_EQ(contents(w), (QStringList{"血常规", "肝功能", "尿常规", "胸片"}));
    // Single add of one already there is refused with a plain message.
    pick(w.QryCandZhxmu, xcg);
    w.BtnAddZhxmu->click();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此项目已经存在，不要重复添加！"));
    EXPECT_TRUE(dialogs.last().caption.isEmpty());
    EXPECT_EQ(contents(w).size(), 4);
    // Removal asks first, Yes preselected.
    ASSERT_TRUE(w.Work.query().locate(QStringLiteral("mcheng"), QStringLiteral("血常规")));
    dialogs.answer(false);
    doubleClick(w.cxGrdTcanSub, w.Work.query().recNo());
    EXPECT_EQ(contents(w).size(), 4);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("是否删除此组合项目？"));
    EXPECT_TRUE(dialogs.last().defaultYes);
    doubleClick(w.cxGrdTcanSub, w.Work.query().recNo());
    EXPECT_EQ(contents(w), (QStringList{"肝功能", "尿常规", "胸片"}));
    pick(w.QryCandZhxmu, xcg);
    w.cxGrdCandZhxmuDblClick();
    EXPECT_EQ(contents(w), (QStringList{"肝功能", "尿常规", "胸片", "血常规"}));
    EXPECT_EQ(stored(entry), (QStringList{"血常规", "肝功能"}));  // nothing stored before the save

    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(stored(entry), (QStringList{"肝功能", "尿常规", "胸片", "血常规"}));
    EXPECT_EQ(stored(base), (QStringList{"肝功能", "尿常规", "胸片"}));
    EXPECT_EQ(w.cxGrdTcanSub->query(), &w.QryTcanSub);
    EXPECT_EQ(contents(w), (QStringList{"肝功能", "尿常规", "胸片", "血常规"}));

    // 取消 leaves the stored contents and shows them again.
    w.Maint->BBtnEditClick();
    pick(w.QryCandTcan, entry);
    w.Work.query().first();
    doubleClick(w.cxGrdTcanSub, w.Work.query().recNo());
    w.Maint->BBtnCancelClick();
    EXPECT_EQ(contents(w), (QStringList{"肝功能", "尿常规", "胸片", "血常规"}));
    EXPECT_EQ(stored(entry).size(), 4);
}

TEST_F(TFTCanTest, ANewPackageIsCheckedInOrderAndStoredWithItsContents)
{
    TFTCan w;
    w.show();
    w.Maint->BBtnAddClick();
    EXPECT_EQ(w.focusWidget(), w.EdtMcheng);
    EXPECT_TRUE(contents(w).isEmpty());
    struct Step {
        QString message;
        QWidget* focus;
        std::function<void()> fill;
    };
    const Step steps[] = {
        {QStringLiteral("套餐名称不能为空！"), w.EdtMcheng, [&] { type(w.EdtMcheng, QStringLiteral("体检套餐（男）")); }},
        {QStringLiteral("适用性别不能为空！"), w.CmbSyxbie, [&] { choose(w.CmbSyxbie, QStringLiteral("男")); }},
        {QStringLiteral("序号不能为空！"), w.EdtXhao, [&] { type(w.EdtXhao, QStringLiteral("5")); }},
        {QStringLiteral("价格不能为空！"), w.EdtJge, [&] { type(w.EdtJge, QStringLiteral("99.5")); }},
    };
    for (const Step& s : steps) {
        EXPECT_FALSE(w.Maint->BBtnSaveClick());
        EXPECT_EQ(dialogs.last().text, s.message);
        EXPECT_EQ(w.focusWidget(), s.focus);
        s.fill();
    }
    pick(w.QryCandZhxmu, xp);
    w.cxGrdCandZhxmuDblClick();
    pick(w.QryCandZhxmu, xcg);
    w.cxGrdCandZhxmuDblClick();
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    const int id = int(w.QryTcan.field(QStringLiteral("id")).asInteger());
    EXPECT_EQ(stored(id), (QStringList{"胸片", "血常规"}));
    const auto rs = db.query(SqlText::format("select * from tjian_tcan_main where id=%d", id));
    EXPECT_EQ(rs.value(0, "dwid").toInteger(), 0);
    EXPECT_EQ(rs.value(0, "bzhi").toString(), QStringLiteral("启用"));  // the default when 禁用 is untouched
    EXPECT_EQ(rs.value(0, "syxbie").toString(), QStringLiteral("男"));
    // A new general package in use is offered for bulk adding at once.
    EXPECT_TRUE(column(w.cxGrdCandTcan, 0).contains(QStringLiteral("体检套餐（男）")));
}

TEST_F(TFTCanTest, AFailedReplacementLeavesPackageAndContentsAsStored)
{
    const int entry = db.addPackage({.name = QStringLiteral("入职套餐"), .price = 60, .zhxmids = {xcg, ggn}, .order = 1});
    TFTCan w;
    w.show();
    pick(w.QryTcan, entry);
    w.Maint->BBtnEditClick();
    type(w.EdtMcheng, QStringLiteral("新入职套餐"));
    pick(w.QryCandZhxmu, xp);
    w.cxGrdCandZhxmuDblClick();
    // The copy cannot be read back any more: the insert of the new contents fails after the delete of the old.
    tj::core::TDM::instance().Connection().execute(QStringLiteral("drop table #tjian_tcan_sub"));
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(w.QryTcan.state(), Query::State::Edit);
    EXPECT_EQ(w.EdtMcheng->text(), QStringLiteral("新入职套餐"));
    EXPECT_EQ(stored(entry), (QStringList{"血常规", "肝功能"}));
    EXPECT_EQ(db.scalar(SqlText::format("select mcheng from tjian_tcan_main where id=%d", entry)).toString(),
              QStringLiteral("入职套餐"));

    // A new package whose contents fail is not stored at all.
    w.Maint->BBtnCancelClick();
    w.Maint->BBtnAddClick();
    type(w.EdtMcheng, QStringLiteral("空套餐"));
    choose(w.CmbSyxbie, QStringLiteral("不限"));
    type(w.EdtXhao, QStringLiteral("2"));
    type(w.EdtJge, QStringLiteral("10"));
    tj::core::TDM::instance().Connection().execute(QStringLiteral("drop table #tjian_tcan_sub"));
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(w.QryTcan.state(), Query::State::Insert);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_tcan_main")), 1);
}

TEST_F(TFTCanTest, TheUnitWindowNeedsTheUnitAndDeletesContentsWithThePackage)
{
    const int unit = db.addUnit({.name = QStringLiteral("东方机械")});
    db.addPackage({.name = QStringLiteral("入职套餐"), .zhxmids = {xcg}, .order = 1});
    const int own = db.addPackage({.name = QStringLiteral("职工套餐"), .zhxmids = {xcg, xp}, .dwid = unit, .order = 2});
    TFTCan_Dwei w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("单位套餐维护"));
    EXPECT_EQ(column(w.cxGrdTcan, 1), (QStringList{"职工套餐"}));
    EXPECT_EQ(w.cxGrdTcan->groupText(0), QStringLiteral("东方机械"));
    EXPECT_EQ(column(w.cxGrdCandTcan, 0), (QStringList{"入职套餐"}));

    w.Maint->BBtnAddClick();
    type(w.EdtMcheng, QStringLiteral("干部套餐"));
    choose(w.CmbSyxbie, QStringLiteral("不限"));
    type(w.EdtXhao, QStringLiteral("3"));
    type(w.EdtJge, QStringLiteral("300"));
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("单位名称不能为空！"));
    EXPECT_EQ(w.focusWidget(), w.CmbDwid);
    choose(w.CmbDwid, QStringLiteral("东方机械"));
    pick(w.QryCandZhxmu, xp);
    w.cxGrdCandZhxmuDblClick();
    w.cxGrdCandZhxmuDblClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此项目已经存在，不要重复添加！"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    const int id = int(w.QryTcan.field(QStringLiteral("id")).asInteger());
    EXPECT_EQ(db.scalar(SqlText::format("select dwid from tjian_tcan_main where id=%d", id)).toInteger(), unit);
    EXPECT_EQ(stored(id), (QStringList{"胸片"}));

    pick(w.QryTcan, own);
    dialogs.clear();
    w.Maint->BBtnDelClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("是否删除此体检套餐？"));
    EXPECT_TRUE(dialogs.last().defaultYes);
    EXPECT_EQ(count(SqlText::format("select count(*) from tjian_tcan_main where id=%d", own)), 0);
    EXPECT_TRUE(stored(own).isEmpty());
}

}  // namespace
