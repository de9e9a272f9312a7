// The department window, driven as a clerk would: it carries the whole
// maintenance pattern that the other catalogue windows reuse.
#include "masterdata/TFKShi.h"
#include "support/WindowFixture.h"
#include "platform/db/SqlText.h"
#include "platform/ui/MaintenanceController.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QGroupBox>

using tj::db::Query;
using tj::db::SqlText;
using tj::masterdata::TFKShi;

namespace {

class TFKShiTest : public tj::test::WindowTest {
protected:
    QString name(int id) { return db.scalar(SqlText::format("select mcheng from pub_kshi where id=%d", id)).toString(); }
};

TEST_F(TFKShiTest, AddFollowsTheStatesChecksMandatoryFieldsInOrderAndSavesAsTyped)
{
    TFKShi w;
    w.show();
    auto* m = w.Maint;
    EXPECT_TRUE(m->actionAdd()->isEnabled());
    EXPECT_FALSE(m->actionSave()->isEnabled());
    EXPECT_FALSE(w.EdtMcheng->isEnabled());

    m->BBtnAddClick();
    EXPECT_EQ(w.QryKshi.state(), Query::State::Insert);
    EXPECT_FALSE(m->actionAdd()->isEnabled());
    EXPECT_FALSE(m->actionDelete()->isEnabled());
    EXPECT_TRUE(m->actionSave()->isEnabled());
    EXPECT_TRUE(m->actionCancel()->isEnabled());
    EXPECT_FALSE(w.cxGrdKshi->isEnabled());
    EXPECT_TRUE(w.EdtMcheng->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.EdtMcheng);

    // Name is checked before the category, even when both are empty.
    EXPECT_FALSE(m->BBtnSaveClick());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("科室名称不能为空！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));
    EXPECT_EQ(dialogs.last().icon, tj::ui::Icon::Warning);

    const QString typed = QStringLiteral("内科 O'Neil 100%");
    type(w.EdtMcheng, typed);
    EXPECT_FALSE(m->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("科室类别不能为空！"));
    EXPECT_EQ(w.focusWidget(), w.CmbKslbie);
    EXPECT_EQ(w.QryKshi.state(), Query::State::Insert);

    // The list offers the three categories only.
    EXPECT_EQ(w.CmbKslbie->count(), 3);
    choose(w.CmbKslbie, QStringLiteral("医技检查科室"));
    enter(w.EdtPyjma);
    EXPECT_EQ(w.EdtPyjma->text(), QStringLiteral("NK O'NEIL 100%"));
    type(w.EdtXhao, QStringLiteral("7"));
    type(w.MemBzhu, QStringLiteral("二楼"));
    ASSERT_TRUE(m->BBtnSaveClick());

    EXPECT_EQ(w.QryKshi.state(), Query::State::Browse);
    EXPECT_TRUE(w.cxGrdKshi->isEnabled());
    const auto rows = db.query(SqlText::format("select * from pub_kshi where mcheng='%s'", typed));
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.value(0, "pyjma").toString(), QStringLiteral("NK O'NEIL 100%"));
    EXPECT_EQ(rows.value(0, "kslbie").toInteger(), 12);
    EXPECT_EQ(rows.value(0, "xhao").toInteger(), 7);
    EXPECT_EQ(rows.value(0, "bzhu").toString(), QStringLiteral("二楼"));
    // The new row is listed with its category by name.
    const int col = w.cxGrdKshi->columnIndex(QStringLiteral("kslbie"));
    EXPECT_TRUE(column(w.cxGrdKshi, col).contains(QStringLiteral("医技检查科室")));
    EXPECT_EQ(w.cxGrdKshi->displayText(w.QryKshi.recNo(), 1), typed);
}

TEST_F(TFKShiTest, PinyinIsRegeneratedOnEachEntryWhileEditingOnly)
{
    const int id = db.addDepartment(QStringLiteral("放射科"), 12);
    TFKShi w;
    w.show();
    ASSERT_TRUE(w.QryKshi.locate(QStringLiteral("id"), id));
    enter(w.EdtPyjma);  // browse state: nothing computed
    EXPECT_EQ(w.EdtPyjma->text(), QString());

    doubleClick(w.cxGrdKshi, w.QryKshi.recNo());
    EXPECT_EQ(w.QryKshi.state(), Query::State::Edit);
    enter(w.EdtPyjma);
    EXPECT_EQ(w.EdtPyjma->text(), QStringLiteral("FSK"));
    type(w.EdtPyjma, QStringLiteral("hand"));
    type(w.EdtMcheng, QString());
    enter(w.EdtPyjma);  // an empty name empties the initials
    EXPECT_EQ(w.EdtPyjma->text(), QString());
    type(w.EdtMcheng, QStringLiteral("超声科"));
    enter(w.EdtPyjma);
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(db.scalar(SqlText::format("select pyjma from pub_kshi where id=%d", id)).toString(), QStringLiteral("CSK"));
}

TEST_F(TFKShiTest, EditorsHoldOnlyWhatTheColumnsCanAndARefusedPostKeepsTheInput)
{
    const int id = db.addDepartment(QStringLiteral("内科"));
    TFKShi w;
    w.show();
    ASSERT_TRUE(w.QryKshi.locate(QStringLiteral("id"), id));
    w.Maint->BBtnEditClick();
    // The name column holds 200 GBK bytes: 100 Chinese characters fit, a 101st is refused as typed.
    type(w.EdtMcheng, QString(100, QChar(0x5185)));
    EXPECT_EQ(w.EdtMcheng->text().size(), 100);
    QKeyEvent more(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("内"));
    QApplication::sendEvent(w.EdtMcheng, &more);
    EXPECT_EQ(w.EdtMcheng->text().size(), 100);
    // The order number takes digits only.
    type(w.EdtXhao, QStringLiteral("abc"));
    EXPECT_TRUE(w.EdtXhao->text().isEmpty());
    type(w.EdtXhao, QStringLiteral("12"));
    EXPECT_EQ(w.EdtXhao->text(), QStringLiteral("12"));

    // Text too long for its column that reached the row another way is refused
    // before the post, naming the field.
    w.QryKshi.setField(QStringLiteral("mcheng"), QString(120, QChar(0x5185)));
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.last().text.startsWith(QStringLiteral("科室名称太长")));
    EXPECT_EQ(w.focusWidget(), w.EdtMcheng);
    // What only the database can refuse is shown plain; the input stays in editing.
    w.QryKshi.setField(QStringLiteral("mcheng"), QStringLiteral("内科"));
    w.QryKshi.setField(QStringLiteral("xhao"), QStringLiteral("abc"));
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_TRUE(dialogs.last().caption.isEmpty());
    EXPECT_EQ(w.QryKshi.state(), Query::State::Edit);

    w.Maint->BBtnCancelClick();
    EXPECT_EQ(w.QryKshi.state(), Query::State::Browse);
    EXPECT_EQ(w.EdtMcheng->text(), QStringLiteral("内科"));
    EXPECT_EQ(name(id), QStringLiteral("内科"));
}

TEST_F(TFKShiTest, DeleteGuardsStopAtTheFirstTableThatUsesTheDepartment)
{
    struct Use {
        const char* insert;  // one %d: the department id
        const char* message;
    };
    const Use uses[] = {
        {"insert into tjian_dwei(mcheng, ksid) values('单位', %d)", "此科室已经在团体单位中使用，不能删除！"},
        {"insert into tjian_xmu(mcheng, ksid) values('项目', %d)", "此科室已经在体检项目中使用，不能删除！"},
        {"insert into tjian_zhxmu_main(mcheng, ksid) values('组合', %d)", "此科室已经在体检组合项目中使用，不能删除！"},
        {"insert into tjian_zdjlyjyi(zyzduan, ksid) values('诊断', %d)", "此科室已经在诊断结论与建议中使用，不能删除！"},
        {"insert into tjian_jguo_xjie(tjhao, ksid) values('1-1', %d)", "此科室已经在体检科室小结中使用，不能删除！"},
        {"insert into tjian_jguo_zdjlun(tjhao, zyzduan, ksid) values('1-1', '诊断', %d)",
         "此科室已经在体检结果诊断结论中使用，不能删除！"},
        {"insert into pub_yhu(zhao, xming, kshi) values('doc', '医生', %d)", "此科室已经存在用户，不能删除！"},
    };
    const int id = db.addDepartment(QStringLiteral("内科"));
    // Used everywhere at once: each guard is peeled off in turn, so the
    // message always names the first table in the order that still has rows.
    for (const Use& u : uses)
        db.execute(SqlText::format(u.insert, id));
    const char* tables[] = {"tjian_dwei", "tjian_xmu", "tjian_zhxmu_main", "tjian_zdjlyjyi",
                            "tjian_jguo_xjie", "tjian_jguo_zdjlun", "pub_yhu"};
    const char* keys[] = {"ksid", "ksid", "ksid", "ksid", "ksid", "ksid", "kshi"};

    TFKShi w;
    w.show();
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(w.QryKshi.locate(QStringLiteral("id"), id));
        dialogs.clear();
        w.Maint->BBtnDelClick();
        ASSERT_EQ(dialogs.shown().size(), 1u) << i;
        EXPECT_EQ(dialogs.last().text, QString::fromUtf8(uses[i].message));
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));
        EXPECT_FALSE(dialogs.last().wasQuestion);
        db.execute(QStringLiteral("delete from %1 where %2=%3").arg(tables[i], keys[i]).arg(id));
    }

    ASSERT_TRUE(w.QryKshi.locate(QStringLiteral("id"), id));
    dialogs.clear();
    dialogs.answer(false);
    w.Maint->BBtnDelClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("是否确定删除此科室？"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("确认信息"));
    EXPECT_TRUE(dialogs.last().wasQuestion);
    EXPECT_FALSE(dialogs.last().defaultYes);
    EXPECT_EQ(count(SqlText::format("select count(*) from pub_kshi where id=%d", id)), 1);

    dialogs.answer(true);
    w.Maint->BBtnDelClick();
    EXPECT_EQ(count(SqlText::format("select count(*) from pub_kshi where id=%d", id)), 0);
    EXPECT_EQ(w.QryKshi.state(), Query::State::Browse);
}

TEST_F(TFKShiTest, ListsOnlyExaminationDepartmentsAndReopensFresh)
{
    db.addDepartment(QStringLiteral("内科"), 11);
    db.addDepartment(QStringLiteral("财务科"), 14);
    TFKShi w;
    w.show();
    EXPECT_FALSE(column(w.cxGrdKshi, 1).contains(QStringLiteral("财务科")));
    EXPECT_TRUE(column(w.cxGrdKshi, 1).contains(QStringLiteral("内科")));
    const int before = w.cxGrdKshi->rowCount();

    // Unsaved input is discarded on close; the next showing reads the database again.
    w.Maint->BBtnAddClick();
    type(w.EdtMcheng, QStringLiteral("未保存"));
    w.Maint->BBtnCloseClick();
    EXPECT_FALSE(w.QryKshi.isOpen());
    db.addDepartment(QStringLiteral("外科"), 13);
    w.show();
    EXPECT_EQ(w.cxGrdKshi->rowCount(), before + 1);
    EXPECT_FALSE(column(w.cxGrdKshi, 1).contains(QStringLiteral("未保存")));
    EXPECT_EQ(w.QryKshi.state(), Query::State::Browse);
}

}  // namespace
