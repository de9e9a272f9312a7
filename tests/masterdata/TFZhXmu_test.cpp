// The combined-item window: mandatory fields, the membership made for a new
// combined item, completed and pruned when a combined item is looked at,
// toggled at once, searched by initials, and the delete in one transaction.
#include "masterdata/TFZhXmu.h"
#include "platform/db/SqlText.h"
#include "platform/ui/MaintenanceController.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QLineEdit>

using tj::db::Query;
using tj::db::SqlText;
using tj::masterdata::TFZhXmu;

namespace {

class TFZhXmuTest : public tj::test::WindowTest {
protected:
    TFZhXmuTest()
    {
        ks = db.addDepartment(QStringLiteral("检验科"));
        db.execute(QStringLiteral("insert into tjian_zhxmu_lbie(mcheng) values('检验')"));
    }
    int item(const QString& name, const QString& pyjma, int department = 0)
    {
        const int id = db.addItem({.ksid = department ? department : ks, .name = name});
        db.execute(SqlText::format("update tjian_xmu set pyjma='%s' where id=%d", pyjma, id));
        return id;
    }
    // Members of a combined item as "name:selected", in item order.
    QStringList members(int zhxmid)
    {
        QStringList out;
        const auto rs = db.query(SqlText::format(
            "select b.mcheng, a.bzhi from tjian_zhxmu_sub a inner join tjian_xmu b on b.id=a.xmid where a.zhxmid=%d order by b.xhao",
            zhxmid));
        for (const auto& r : rs.rows)
            out << r[0].toString() + QLatin1Char(':') + r[1].toString();
        return out;
    }
    static QStringList shown(TFZhXmu& w)
    {
        QStringList out;
        for (int r : w.cxGrdZhxmuSub->displayRows())
            out << w.cxGrdZhxmuSub->displayText(r, 1);
        return out;
    }
    int ks = 0;
};

TEST_F(TFZhXmuTest, ANewCombinedItemIsCheckedInOrderAndGetsEveryItemOfItsDepartmentUnselected)
{
    item(QStringLiteral("白细胞"), QStringLiteral("BXB"));
    item(QStringLiteral("红细胞"), QStringLiteral("HXB"));
    item(QStringLiteral("心率"), QStringLiteral("XL"), db.addDepartment(QStringLiteral("内科")));
    TFZhXmu w;
    w.show();
    w.Maint->BBtnAddClick();
    EXPECT_EQ(w.focusWidget(), w.CmbKsid);
    EXPECT_FALSE(w.QryZhxmuSub.isOpen());  // nothing of another combined item can be toggled meanwhile
    struct Step {
        QString message;
        QWidget* focus;
        std::function<void()> fill;
    };
    const Step steps[] = {
        {QStringLiteral("所属科室不能为空！"), w.CmbKsid, [&] { choose(w.CmbKsid, QStringLiteral("检验科")); }},
        {QStringLiteral("组合名称不能为空！"), w.EdtMcheng, [&] { type(w.EdtMcheng, QStringLiteral("血常规")); }},
        {QStringLiteral("组合类别不能为空！"), w.CmbLbie, [&] { choose(w.CmbLbie, QStringLiteral("检验")); }},
        {QStringLiteral("拼音简码不能为空！"), w.EdtPyjma, [&] { enter(w.EdtPyjma); }},
        {QStringLiteral("收费价格不能为空！"), w.EdtSfjge, [&] { type(w.EdtSfjge, QStringLiteral("20")); }},
        {QStringLiteral("核算价格不能为空！"), w.EdtHsjge, [&] { type(w.EdtHsjge, QStringLiteral("12.5")); }},
    };
    for (const Step& s : steps) {
        EXPECT_FALSE(w.Maint->BBtnSaveClick());
        EXPECT_EQ(dialogs.last().text, s.message);
        EXPECT_EQ(w.focusWidget(), s.focus);
        s.fill();
    }
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    const int id = int(w.QryZhxmu.field(QStringLiteral("id")).asInteger());
    EXPECT_EQ(db.scalar(SqlText::format("select pyjma from tjian_zhxmu_main where id=%d", id)).toString(), QStringLiteral("XCG"));
    EXPECT_EQ(members(id), (QStringList{"白细胞:0", "红细胞:0"}));
    EXPECT_EQ(shown(w), (QStringList{"白细胞", "红细胞"}));

    // Saving it again changes nothing of its membership.
    w.Maint->BBtnEditClick();
    type(w.EdtTsxxi, QStringLiteral("空腹"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(members(id), (QStringList{"白细胞:0", "红细胞:0"}));
}

TEST_F(TFZhXmuTest, LookingAtACombinedItemCompletesAndPrunesItsMembership)
{
    const int nk = db.addDepartment(QStringLiteral("内科"));
    const int wbc = item(QStringLiteral("白细胞"), QStringLiteral("BXB"));
    const int rbc = item(QStringLiteral("红细胞"), QStringLiteral("HXB"));
    const int plt = item(QStringLiteral("血小板"), QStringLiteral("XXB"));
    const int xcg = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("血常规"), .members = {wbc, plt}});
    const int other = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("血型")});
    TFZhXmu w;
    w.show();
    ASSERT_TRUE(w.QryZhxmu.locate(QStringLiteral("id"), other));

    // Since the last look: an item joined the department, two moved away,
    // and results of the combined item use one of those.
    const int hct = item(QStringLiteral("红细胞压积"), QStringLiteral("HXBYJ"));
    db.execute(SqlText::format("update tjian_xmu set ksid=%d where id in (%d, %d)", nk, rbc, plt));
    db.execute(SqlText::format("insert into tjian_jguo(tjhao, zhxmid, xmid, xhao) values('0-1', %d, %d, 1)", xcg, plt));

    ASSERT_TRUE(w.QryZhxmu.locate(QStringLiteral("id"), xcg));
    emit w.cxGrdZhxmu->rowClicked(w.QryZhxmu.recNo());
    EXPECT_EQ(members(xcg), (QStringList{"白细胞:1", "血小板:1", "红细胞压积:0"}));
    EXPECT_EQ(shown(w), (QStringList{"白细胞", "血小板", "红细胞压积"}));

    // 刷新 does the same for the current one.
    db.execute(SqlText::format("delete from tjian_jguo where xmid=%d", plt));
    db.execute(SqlText::format("update tjian_xmu set ksid=%d where id=%d", nk, hct));
    w.BBtnRefresh->trigger();
    EXPECT_EQ(members(xcg), (QStringList{"白细胞:1"}));
    EXPECT_EQ(shown(w), (QStringList{"白细胞"}));
}

TEST_F(TFZhXmuTest, AToggleIsStoredAtOnceAndTheSearchMatchesTheStartOfTheInitials)
{
    const int bcg = item(QStringLiteral("卡介苗反应"), QStringLiteral("BCG"));
    item(QStringLiteral("其他"), QStringLiteral("ABC"));
    item(QStringLiteral("杆菌"), QStringLiteral("bcx"));
    const int zh = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("筛查")});
    TFZhXmu w;
    w.show();
    ASSERT_TRUE(w.QryZhxmu.locate(QStringLiteral("id"), zh));
    EXPECT_FALSE(w.cxGrdZhxmuSub->isEnabled());  // usable while editing only
    w.Maint->BBtnEditClick();
    EXPECT_TRUE(w.cxGrdZhxmuSub->isEnabled());

    type(w.EdtJma, QStringLiteral("BC"));
    QKeyEvent enterKey(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w.EdtJma, &enterKey);  // Enter in the box searches
    EXPECT_EQ(shown(w), (QStringList{"卡介苗反应", "杆菌"}));

    ASSERT_TRUE(w.QryZhxmuSub.locate(QStringLiteral("mcheng"), QStringLiteral("卡介苗反应")));
    doubleClick(w.cxGrdZhxmuSub, w.QryZhxmuSub.recNo());
    EXPECT_EQ(w.cxGrdZhxmuSub->rowBackground(w.QryZhxmuSub.recNo()), tj::ui::HighlightColor());
    w.Maint->BBtnCancelClick();
    EXPECT_EQ(db.scalar(SqlText::format("select bzhi from tjian_zhxmu_sub where zhxmid=%d and xmid=%d", zh, bcg)).toInteger(), 1);

    w.Maint->BBtnEditClick();
    type(w.EdtJma, QString());
    w.BtnCxClick();
    EXPECT_EQ(shown(w).size(), 3);
    ASSERT_TRUE(w.QryZhxmuSub.locate(QStringLiteral("mcheng"), QStringLiteral("卡介苗反应")));
    doubleClick(w.cxGrdZhxmuSub, w.QryZhxmuSub.recNo());
    EXPECT_EQ(db.scalar(SqlText::format("select bzhi from tjian_zhxmu_sub where zhxmid=%d and xmid=%d", zh, bcg)).toInteger(), 0);
    EXPECT_FALSE(w.cxGrdZhxmuSub->rowBackground(w.QryZhxmuSub.recNo()).has_value());
}

TEST_F(TFZhXmuTest, DeleteIsGuardedAndTakesTheMembershipAlongOrNothing)
{
    const int wbc = item(QStringLiteral("白细胞"), QStringLiteral("BXB"));
    const int zh = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("血常规"), .members = {wbc}});
    const int person = db.addPerson({.name = QStringLiteral("张三")});
    struct Use {
        std::function<void()> make, undo;
        const char* message;
    };
    const Use uses[] = {
        {[&] { db.addPackage({.name = QStringLiteral("入职套餐"), .zhxmids = {zh}}); },
         [&] { db.execute(QStringLiteral("delete from tjian_tcan_sub")); }, "此体检组合项目已经在体检套餐中使用，不能删除！"},
        {[&] { db.addVisit({.ryid = person, .tjhao = QStringLiteral("0-1"), .zhxmids = {zh}}); },
         [&] { db.execute(QStringLiteral("delete from tjian_sfei_sub")); }, "此体检组合项目已经在体检收费中使用，不能删除！"},
        {[] {}, [&] { db.execute(QStringLiteral("delete from tjian_jguo")); }, "此体检组合项目已经在体检结果中使用，不能删除！"},
    };
    TFZhXmu w;
    w.show();
    for (const Use& u : uses) {
        u.make();
        ASSERT_TRUE(w.QryZhxmu.locate(QStringLiteral("id"), zh));
        dialogs.clear();
        w.Maint->BBtnDelClick();
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.last().text, QString::fromUtf8(u.message));
        u.undo();
    }

    // The delete is refused by the database: the membership stays with the item.
    db.connection().executeNative(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE DELETE ON tjian_zhxmu_main BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    dialogs.clear();
    EXPECT_THROW(w.Maint->BBtnDelClick(), tj::db::SqlError);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("是否删除此组合项目？"));
    EXPECT_TRUE(dialogs.last().defaultYes);
    EXPECT_EQ(members(zh), (QStringList{"白细胞:1"}));
    EXPECT_EQ(w.QryZhxmu.recordCount(), 1);

    db.connection().executeNative(QStringLiteral("DROP TRIGGER refuse;"));
    w.Maint->BBtnDelClick();
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_zhxmu_main")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_zhxmu_sub")), 0);
}

}  // namespace
