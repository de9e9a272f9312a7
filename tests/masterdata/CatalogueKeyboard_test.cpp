// The catalogue windows driven by keyboard alone on the demonstration data,
// as a clerk without a mouse works: Alt+letter on the tool bar, Enter from
// box to box, Enter or Space on grid rows. Pictures of the windows while
// editing go to $TJ_SHOTS when it is set.
#include "masterdata/TFCjjguo.h"
#include "masterdata/TFTCan.h"
#include "masterdata/TFXmu.h"
#include "masterdata/TFZdjlYJy.h"
#include "masterdata/TFZhXmu.h"
#include "platform/db/SqlText.h"
#include "platform/ui/MaintenanceController.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>

using tj::db::Query;
using tj::db::SqlText;

namespace {

class CatalogueKeyboard : public tj::test::DemoWindowTest {
protected:
    static void open(QWidget& w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
    }
    static void alt(QWidget& w, Qt::Key key) { QTest::keyClick(&w, key, Qt::AltModifier); }
    static QWidget* focus() { return QApplication::focusWidget(); }
    // Enter where the focus is; returns where it went.
    static QWidget* next()
    {
        QTest::keyClick(focus(), Qt::Key_Return);
        return focus();
    }
};

TEST_F(CatalogueKeyboard, Items)
{
    tj::masterdata::TFXmu w;
    open(w);
    EXPECT_EQ(focus(), w.cxGrdXmu->view());
    ASSERT_TRUE(w.QryXmu.locate(QStringLiteral("mcheng"), QStringLiteral("血红蛋白")));
    alt(w, Qt::Key_A);
    ASSERT_EQ(w.QryXmu.state(), Query::State::Insert);
    EXPECT_EQ(w.CmbKsid->currentText(), QStringLiteral("检验科"));
    EXPECT_EQ(focus(), w.CmbKsid);
    ASSERT_EQ(next(), w.EdtMcheng);
    type(w.EdtMcheng, QStringLiteral("红细胞压积"));
    ASSERT_EQ(next(), w.EdtPyjma);
    EXPECT_EQ(w.EdtPyjma->text(), QStringLiteral("HXBYJ"));
    ASSERT_EQ(next(), w.EdtYwdma);
    QTest::keyClicks(w.EdtYwdma, "HCT");
    ASSERT_EQ(next(), w.CmbSyxbie);
    QTest::keyClick(w.CmbSyxbie, Qt::Key_Down);
    ASSERT_EQ(next(), w.EdtXhao);
    QTest::keyClicks(w.EdtXhao, "20");
    ASSERT_EQ(next(), w.EdtDwei);
    QTest::keyClicks(w.EdtDwei, "%");
    next();
    EXPECT_TRUE(focus() == w.CmbZcjguo || focus()->parentWidget() == w.CmbZcjguo);  // the drop-down or its line
    ASSERT_EQ(next(), w.ChkSzjgbzhi);
    QTest::keyClick(w.ChkSzjgbzhi, Qt::Key_Space);
    ASSERT_EQ(next(), w.EdtCkxxian1);  // Enter leaves the check box like any box
    QTest::keyClicks(w.EdtCkxxian1, "40");
    ASSERT_EQ(next(), w.EdtCkxxian2);
    QTest::keyClicks(w.EdtCkxxian2, "37");
    ASSERT_EQ(next(), w.EdtCksxian1);
    QTest::keyClicks(w.EdtCksxian1, "50");
    ASSERT_EQ(next(), w.EdtCksxian2);
    QTest::keyClicks(w.EdtCksxian2, "48");
    shot(&w, QStringLiteral("TFXmu_editing"));
    alt(w, Qt::Key_S);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(QLatin1Char('\n')).toStdString();
    const auto rs = db.query(QStringLiteral("select * from tjian_xmu where mcheng='红细胞压积'"));
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.value(0, "syxbie").toString(), QStringLiteral("不限"));
    EXPECT_EQ(rs.value(0, "szjgbzhi").toInteger(), 1);
    EXPECT_EQ(rs.value(0, "cksxian2").toString(), QStringLiteral("48"));
}

TEST_F(CatalogueKeyboard, CombinedItems)
{
    tj::masterdata::TFZhXmu w;
    open(w);
    ASSERT_TRUE(w.QryZhxmu.locate(QStringLiteral("mcheng"), QStringLiteral("肝功能")));
    const int id = int(w.QryZhxmu.field(QStringLiteral("id")).asInteger());
    alt(w, Qt::Key_E);
    EXPECT_EQ(focus(), w.CmbKsid);
    // Tab leads from the boxes to the search and on to the membership.
    w.ChkSfxybben->setFocus();
    QTest::keyClick(focus(), Qt::Key_Tab);
    ASSERT_EQ(focus(), w.EdtJma);
    QTest::keyClicks(w.EdtJma, "Z");
    QTest::keyClick(w.EdtJma, Qt::Key_Return);
    const QStringList found = column(w.cxGrdZhxmuSub, 1);
    ASSERT_FALSE(found.isEmpty());
    QTest::keyClick(focus(), Qt::Key_Tab);
    QTest::keyClick(focus(), Qt::Key_Tab);
    ASSERT_EQ(focus(), w.cxGrdZhxmuSub->view());
    const QString member = w.QryZhxmuSub.field(QStringLiteral("mcheng")).asString();
    const bool before = w.QryZhxmuSub.field(QStringLiteral("bzhi")).asBool();
    QTest::keyClick(focus(), Qt::Key_Space);
    shot(&w, QStringLiteral("TFZhXmu_editing"));
    alt(w, Qt::Key_N);
    EXPECT_EQ(db.scalar(SqlText::format("select a.bzhi from tjian_zhxmu_sub a inner join tjian_xmu b on b.id=a.xmid "
                                        "where a.zhxmid=%d and b.mcheng='%s'", id, member)).toBool(),
              !before);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(CatalogueKeyboard, Packages)
{
    tj::masterdata::TFTCan w;
    open(w);
    alt(w, Qt::Key_A);
    ASSERT_EQ(focus(), w.EdtMcheng);
    type(w.EdtMcheng, QStringLiteral("老年体检套餐"));
    ASSERT_EQ(next(), w.EdtPyjma);
    ASSERT_EQ(next(), w.EdtJge);
    QTest::keyClicks(w.EdtJge, "288");
    ASSERT_EQ(next(), w.EdtXhao);
    QTest::keyClicks(w.EdtXhao, "9");
    ASSERT_EQ(next(), w.CmbSyxbie);
    QTest::keyClick(w.CmbSyxbie, Qt::Key_Down);
    // Enter on a candidate package adds its combined items; on a combined item adds that one.
    w.cxGrdCandTcan->view()->setFocus();
    ASSERT_TRUE(w.QryCandTcan.locate(QStringLiteral("mcheng"), QStringLiteral("入职体检套餐")));
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_EQ(w.Work.query().recordCount(), 7);
    ASSERT_TRUE(w.QryCandZhxmu.locate(QStringLiteral("mcheng"), QStringLiteral("心电图")));
    w.cxGrdCandZhxmu->view()->setFocus();
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_EQ(w.Work.query().recordCount(), 8);
    // Delete in the contents removes after the question (Yes preselected).
    w.cxGrdTcanSub->view()->setFocus();
    w.Work.query().first();
    QTest::keyClick(focus(), Qt::Key_Delete);
    EXPECT_EQ(w.Work.query().recordCount(), 7);
    shot(&w, QStringLiteral("TFTCan_editing"));
    alt(w, Qt::Key_S);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_tcan_sub a inner join tjian_tcan_main b on b.id=a.tcid "
                                   "where b.mcheng='老年体检套餐'")),
              7);
}

TEST_F(CatalogueKeyboard, UnitPackages)
{
    tj::masterdata::TFTCan_Dwei w;
    open(w);
    alt(w, Qt::Key_E);
    ASSERT_EQ(focus(), w.CmbDwid);
    ASSERT_EQ(next(), w.EdtMcheng);
    shot(&w, QStringLiteral("TFTCan_Dwei_editing"));
    alt(w, Qt::Key_N);
    EXPECT_FALSE(w.Maint->isEditing());
}

TEST_F(CatalogueKeyboard, CommonResults)
{
    tj::masterdata::TFCjjguo w;
    open(w);
    ASSERT_TRUE(w.QryXmu.locate(QStringLiteral("mcheng"), QStringLiteral("心脏听诊")));
    const int before = w.QryCjjguo.recordCount();
    alt(w, Qt::Key_A);
    auto* cell = qobject_cast<QLineEdit*>(w.cxGrdCjjguo->currentEditor());
    ASSERT_NE(cell, nullptr);
    type(cell, QStringLiteral("心脏杂音"));
    QTest::keyClick(cell, Qt::Key_Return);
    auto* code = qobject_cast<QLineEdit*>(w.cxGrdCjjguo->currentEditor());
    ASSERT_NE(code, nullptr);
    QTest::keyClicks(code, "XZZY");
    shot(&w, QStringLiteral("TFCjjguo_editing"));
    alt(w, Qt::Key_S);
    EXPECT_FALSE(w.Maint->isEditing());
    EXPECT_EQ(w.QryCjjguo.recordCount(), before + 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_cjjguo where jguo='心脏杂音' and pyjma='XZZY'")), 1);
}

TEST_F(CatalogueKeyboard, Diagnoses)
{
    tj::masterdata::TFZdjlYJy w;
    open(w);
    ASSERT_TRUE(w.QryKshi.locate(QStringLiteral("mcheng"), QStringLiteral("内科")));
    alt(w, Qt::Key_A);
    ASSERT_EQ(focus(), w.EdtZyzduan);
    type(w.EdtZyzduan, QStringLiteral("房性早搏"));
    ASSERT_EQ(next(), w.EdtZdmshu);
    ASSERT_EQ(next(), w.EdtPyjma);
    EXPECT_EQ(w.EdtPyjma->text(), QStringLiteral("FXZB"));
    ASSERT_EQ(next(), w.EdtXhao);
    ASSERT_EQ(next(), w.CmbJblbie);
    QTest::keyClick(w.CmbJblbie, Qt::Key_Down);
    ASSERT_EQ(next(), w.MemJshi);
    type(w.MemJshi, QStringLiteral("心跳节律不规则。"));
    ASSERT_EQ(next(), w.MemJyi);  // Enter leaves the memo box too
    type(w.MemJyi, QStringLiteral("复查心电图。"));
    shot(&w, QStringLiteral("TFZdjlYJy_editing"));
    alt(w, Qt::Key_S);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_zdjlyjyi a inner join pub_kshi b on b.id=a.ksid "
                                   "where b.mcheng='内科' and a.zyzduan='房性早搏' and a.jblbie='心血管疾病'")),
              1);
}

}  // namespace
