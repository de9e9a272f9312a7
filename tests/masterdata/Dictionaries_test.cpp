// The nine dictionary windows from one table of their differences, and the
// unit window.
#include "masterdata/Dictionaries.h"
#include "masterdata/TFDwei.h"
#include "support/WindowFixture.h"
#include "platform/db/SqlText.h"
#include "platform/ui/MaintenanceController.h"

#include <QRadioButton>
#include <functional>
#include <memory>

using tj::db::Query;
using tj::db::SqlText;
using namespace tj::masterdata;

namespace {

struct Member {
    std::function<std::unique_ptr<TFDictionary>()> create;
    const char* caption;
    const char* table;
    const char* use;      // a row that uses the entry: %d its id, or '%s' its name
    const char* message;
    const char* question;
    bool reportsOk;
};

template <typename W>
std::function<std::unique_ptr<TFDictionary>()> make()
{
    return [] { return std::make_unique<W>(); };
}

const Member kMembers[] = {
    {make<TFRylbie>(), "人员类别字典", "tjian_rylbie", "insert into tjian_ryuan(xming, rylbid) values('张三', %d)",
     "此人员类别已经在体检人员中使用，不能删除！", "是否确定删除此人员类别？", true},
    {make<TFTjlbie>(), "体检类别字典", "tjian_tjlbie", "insert into tjian_sfei_main(tjhao, tjlbid) values('0-1', %d)",
     "此体检类别已经在体检收费中使用，不能删除！", "是否确定删除此体检类别？", true},
    {make<TFTjfqu>(), "体检分区字典", "tjian_tjfqu", "insert into tjian_sfei_main(tjhao, tjfqid) values('0-1', %d)",
     "此体检分区已经在体检收费中使用，不能删除！", "是否确定删除此体检分区？", true},
    {make<TFJblbie>(), "疾病类别字典", "tjian_jblbie", "insert into tjian_zdjlyjyi(zyzduan, jblbie) values('高血压', '%s')",
     "此疾病类别已经在诊断结论与建议中使用，不能删除！", "是否确定删除此疾病类别？", true},
    {make<TFZcjguo>(), "正常结果字典", "tjian_zcjguo", "insert into tjian_xmu(mcheng, zcjguo) values('心率', '%s')",
     "此正常结果已经在体检项目中使用，不能删除！", "是否确定删除此正常结果？", true},
    {make<TFDwxzhi>(), "单位性质字典", "tjian_dwxzhi", "insert into tjian_dwei(mcheng, dwxzid) values('甲厂', %d)",
     "此单位性质已经在体检团体单位中使用，不能删除！", "是否确定删除此单位性质？", true},
    {make<TFDwlbie>(), "单位类别字典", "tjian_dwlbie", "insert into tjian_dwei(mcheng, dwlbid) values('甲厂', %d)",
     "此单位类别已经在体检团体单位中使用，不能删除！", "是否确定删除此单位类别？", true},
    {make<TFFbie>(), "费别字典", "tjian_fbie", "insert into tjian_zhxmu_main(mcheng, fbie) values('血常规', '%s')",
     "此体检组合项目费别已经在体检组合项目中使用，不能删除！", "是否确定删除此体检组合项目费别？", false},
    {make<TFZhxmLbie>(), "组合项目类别字典", "tjian_zhxmu_lbie",
     "insert into tjian_zhxmu_main(mcheng, lbie) values('血常规', '%s')",
     "此体检组合项目类别已经在体检组合项目中使用，不能删除！", "是否确定删除此体检组合项目类别？", false},
};

class DictionaryTest : public tj::test::WindowTest {};

TEST_F(DictionaryTest, EveryMemberAddsGuardsItsDeleteAndClosesAsItsCallerExpects)
{
    for (const Member& m : kMembers) {
        SCOPED_TRACE(m.table);
        dialogs.clear();
        auto w = m.create();
        w->show();
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(m.caption));

        w->Maint->BBtnAddClick();
        EXPECT_FALSE(w->Maint->BBtnSaveClick());
        EXPECT_EQ(dialogs.last().text, QStringLiteral("名称不能为空！"));
        const QString name = QStringLiteral("甲'类%");
        type(w->EdtMcheng, name);
        enter(w->EdtThird);
        ASSERT_TRUE(w->Maint->BBtnSaveClick());
        const auto rows = db.query(SqlText::format("select * from %s where mcheng='%s'", m.table, name));
        ASSERT_EQ(rows.rows.size(), 1u);
        const int id = int(rows.value(0, "id").toInteger());
        // Pinyin initials are filled on entry; a description is only typed.
        if (w->definition().hasDescription)
            EXPECT_TRUE(rows.value(0, "mshu").toString().isEmpty());
        else
            EXPECT_EQ(rows.value(0, "pyjma").toString(), QStringLiteral("J'L%"));

        const QString use = QString::fromUtf8(m.use);
        db.execute(use.contains(QLatin1String("'%s'")) ? SqlText::format(m.use, name) : SqlText::format(m.use, id));
        ASSERT_TRUE(w->QryDict.locate(QStringLiteral("id"), id));
        w->Maint->BBtnDelClick();
        EXPECT_EQ(dialogs.last().text, QString::fromUtf8(m.message));
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));

        db.execute(QStringLiteral("delete from tjian_ryuan; delete from tjian_sfei_main; delete from tjian_zdjlyjyi; "
                                  "delete from tjian_xmu; delete from tjian_dwei; delete from tjian_zhxmu_main"));
        dialogs.answer(true);
        w->Maint->BBtnDelClick();
        EXPECT_EQ(dialogs.last().text, QString::fromUtf8(m.question));
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("确认信息"));
        EXPECT_FALSE(dialogs.last().defaultYes);
        EXPECT_EQ(count(SqlText::format("select count(*) from %s where id=%d", m.table, id)), 0);

        w->Maint->BBtnCloseClick();
        EXPECT_EQ(w->result(), m.reportsOk ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_FALSE(w->QryDict.isOpen());
    }
}

TEST_F(DictionaryTest, NameReferencesFollowTheCurrentNameAndTheDeleteKeyIsGuarded)
{
    // A disease category renamed after use passes its guard: the rows keep the old name.
    db.execute(QStringLiteral("insert into tjian_jblbie(mcheng) values('心血管')"));
    db.execute(QStringLiteral("insert into tjian_zdjlyjyi(zyzduan, jblbie) values('高血压', '心血管')"));
    TFJblbie w;
    w.show();
    w.Maint->BBtnEditClick();
    type(w.EdtMcheng, QStringLiteral("循环系统"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    dialogs.answer(true);
    w.Maint->BBtnDelClick();
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_jblbie")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_zdjlyjyi where jblbie='心血管'")), 1);

    // The Delete key of the normal-result grid runs the same guard.
    db.execute(QStringLiteral("insert into tjian_zcjguo(mcheng) values('阴性')"));
    db.execute(QStringLiteral("insert into tjian_xmu(mcheng, zcjguo) values('乙肝表面抗原', '阴性')"));
    TFZcjguo z;
    z.show();
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(z.cxGrdDict->view(), &del);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此正常结果已经在体检项目中使用，不能删除！"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_zcjguo")), 1);
}

class TFDweiTest : public tj::test::WindowTest {};

TEST_F(TFDweiTest, NameAndSettlementTypeAreMandatoryTheRestIsStoredAsChosenAndPersonsGuard)
{
    const int ks = db.addDepartment(QStringLiteral("体检部"), 13);
    db.addDepartment(QStringLiteral("内科"), 11);
    db.execute(QStringLiteral("insert into tjian_dwlbie(mcheng) values('企业')"));
    const int paidAtOnce = db.addUnit({.name = QStringLiteral("现结单位"), .settlement = 1});
    TFDwei w;
    w.show();
    // Only business departments are offered.
    EXPECT_EQ(w.CmbKsid->count(), count(QStringLiteral("select count(*) from pub_kshi where kslbie=13")));
    EXPECT_LT(w.CmbKsid->findText(QStringLiteral("内科")), 0);

    const qint64 units = count(QStringLiteral("select count(*) from tjian_dwei"));
    w.Maint->BBtnAddClick();
    EXPECT_EQ(w.focusWidget(), w.EdtMcheng);
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("单位名称不能为空！"));
    type(w.EdtMcheng, QStringLiteral("岚川机械厂"));
    // A unit without a settlement type would leave visits neither paid nor billable.
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("结帐类型不能为空！"));
    EXPECT_EQ(w.focusWidget(), w.RdBtnXjie);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_dwei")), units);

    enter(w.EdtPyjma);
    choose(w.CmbKsid, QStringLiteral("体检部"));
    choose(w.CmbDwlbid, QStringLiteral("企业"));
    w.RdBtnJzhang->click();
    type(w.EdtRshu, QStringLiteral("120"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    const auto rows = db.query(QStringLiteral("select * from tjian_dwei where mcheng='岚川机械厂'"));
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.value(0, "jzlxing").toInteger(), 2);
    EXPECT_EQ(rows.value(0, "ksid").toInteger(), ks);
    EXPECT_EQ(rows.value(0, "pyjma").toString(), QStringLiteral("LCJXC"));
    EXPECT_EQ(rows.value(0, "rshu").toInteger(), 120);
    EXPECT_TRUE(w.RdBtnJzhang->isChecked());
    EXPECT_FALSE(w.RdBtnXjie->isChecked());

    // The radio buttons follow the current row.
    const int unit = int(rows.value(0, "id").toInteger());
    ASSERT_TRUE(w.QryDwei.locate(QStringLiteral("id"), paidAtOnce));
    EXPECT_TRUE(w.RdBtnXjie->isChecked());
    EXPECT_FALSE(w.RdBtnJzhang->isChecked());

    db.addPerson({.name = QStringLiteral("张三"), .dwid = unit});
    ASSERT_TRUE(w.QryDwei.locate(QStringLiteral("id"), unit));
    w.Maint->BBtnDelClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此单位已经在体检人员中使用，不能删除！"));
    db.execute(QStringLiteral("delete from tjian_ryuan"));
    dialogs.answer(true);
    w.Maint->BBtnDelClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("是否确定删除此团检单位？"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_dwei where mcheng='岚川机械厂'")), 0);
}

}  // namespace
