// Common results typed in place for the chosen item, and the diagnoses of a
// department with the call request of the chief examination.
#include "masterdata/TFCjjguo.h"
#include "masterdata/TFZdjlYJy.h"
#include "platform/db/SqlText.h"
#include "platform/ui/MaintenanceController.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using tj::db::Query;
using tj::db::SqlText;
using tj::masterdata::TFCjjguo;
using tj::masterdata::TFZdjlYJy;

namespace {

class CommonResultsTest : public tj::test::WindowTest {
protected:
    CommonResultsTest()
    {
        const int ks = db.addDepartment(QStringLiteral("外科"));
        skin = db.addItem({.ksid = ks, .name = QStringLiteral("皮肤")});
        thyroid = db.addItem({.ksid = ks, .name = QStringLiteral("甲状腺")});
        db.execute(SqlText::format("insert into tjian_cjjguo(xmid, jguo, xhao) values(%d, '未见异常', 1)", skin));
    }
    QStringList results(int xmid)
    {
        QStringList out;
        for (const auto& r : db.query(SqlText::format("select jguo from tjian_cjjguo where xmid=%d order by id", xmid)).rows)
            out << r[0].toString();
        return out;
    }
    int skin = 0, thyroid = 0;
};

TEST_F(CommonResultsTest, ResultsAreTypedInTheGridForTheChosenItem)
{
    TFCjjguo w;
    w.show();
    ASSERT_TRUE(w.QryXmu.locate(QStringLiteral("id"), thyroid));
    EXPECT_EQ(w.cxGrdCjjguo->rowCount(), 0);
    w.Maint->BBtnAddClick();
    EXPECT_EQ(w.QryCjjguo.state(), Query::State::Insert);
    EXPECT_FALSE(w.cxGrdXmu->isEnabled());
    EXPECT_TRUE(w.cxGrdCjjguo->isEnabled());
    // Typed in the cell and saved without leaving it; Enter moved on to 拼音简码 first.
    auto* cell = qobject_cast<QLineEdit*>(w.cxGrdCjjguo->currentEditor());
    ASSERT_NE(cell, nullptr);
    type(cell, QStringLiteral("甲状腺肿大"));
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(w.cxGrdCjjguo->currentColumn(), 1);
    auto* code = qobject_cast<QLineEdit*>(w.cxGrdCjjguo->currentEditor());
    ASSERT_NE(code, nullptr);
    type(code, QStringLiteral("JZXZD"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    EXPECT_TRUE(w.cxGrdXmu->isEnabled());
    const auto rs = db.query(SqlText::format("select jguo, pyjma from tjian_cjjguo where xmid=%d", thyroid));
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.value(0, "jguo").toString(), QStringLiteral("甲状腺肿大"));
    EXPECT_EQ(rs.value(0, "pyjma").toString(), QStringLiteral("JZXZD"));

    // Typing into a stored result starts its edit at once; 取消 drops what was typed.
    w.cxGrdCjjguo->focusCell(0, 0);
    auto* again = qobject_cast<QLineEdit*>(w.cxGrdCjjguo->currentEditor());
    ASSERT_NE(again, nullptr);
    again->end(false);
    QKeyEvent more(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("（Ⅰ度）"));
    QApplication::sendEvent(again, &more);
    EXPECT_TRUE(w.Maint->actionSave()->isEnabled());
    w.Maint->actionCancel()->trigger();
    EXPECT_EQ(w.QryCjjguo.state(), Query::State::Browse);
    EXPECT_EQ(w.cxGrdCjjguo->editorText(), QStringLiteral("甲状腺肿大"));

    // The other item's results are its own; deleting asks the grid's question.
    ASSERT_TRUE(w.QryXmu.locate(QStringLiteral("id"), skin));
    EXPECT_EQ(column(w.cxGrdCjjguo, 0), (QStringList{"未见异常"}));
    dialogs.answer(true);
    w.Maint->BBtnDelClick();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.last().defaultYes);
    EXPECT_TRUE(results(skin).isEmpty());
    EXPECT_EQ(results(thyroid), (QStringList{"甲状腺肿大"}));
}

class DiagnosesTest : public tj::test::WindowTest {
protected:
    DiagnosesTest()
    {
        nk = db.addDepartment(QStringLiteral("内科"));
        wk = db.addDepartment(QStringLiteral("外科"));
        db.execute(QStringLiteral("insert into tjian_jblbie(mcheng) values('心血管疾病')"));
        db.execute(SqlText::format("insert into tjian_zdjlyjyi(ksid, zyzduan, jyi, xhao) values(%d, '高血压', '低盐饮食', 1)", nk));
        db.execute(SqlText::format("insert into tjian_zdjlyjyi(ksid, zyzduan, xhao) values(%d, '心动过缓', 2)", nk));
    }
    qint64 entries(const QString& text)
    {
        return count(SqlText::format("select count(*) from tjian_zdjlyjyi where zyzduan='%s'", text));
    }
    int nk = 0, wk = 0;
};

TEST_F(DiagnosesTest, SavingChecksDepartmentThenDiagnosisAndAChosenDepartmentShowsItsOwn)
{
    TFZdjlYJy w;
    w.show();
    ASSERT_TRUE(w.QryKshi.locate(QStringLiteral("id"), wk));
    EXPECT_EQ(w.cxGrdZdjl->rowCount(), 0);
    ASSERT_TRUE(w.QryKshi.locate(QStringLiteral("id"), nk));
    EXPECT_EQ(column(w.cxGrdZdjl, 0), (QStringList{"高血压", "心动过缓"}));
    w.Maint->BBtnAddClick();
    EXPECT_EQ(w.CmbKsid->currentText(), QStringLiteral("内科"));
    EXPECT_EQ(w.focusWidget(), w.EdtZyzduan);
    EXPECT_TRUE(w.cxGrdKshi->isEnabled());
    EXPECT_FALSE(w.cxGrdZdjl->isEnabled());
    w.QryZdjl.setField(QStringLiteral("ksid"), tj::db::Value());
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("所属科室不能为空！"));
    choose(w.CmbKsid, QStringLiteral("内科"));
    EXPECT_FALSE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("主要诊断不能为空！"));
    type(w.EdtZyzduan, QStringLiteral("窦性心律不齐"));
    enter(w.EdtPyjma);
    choose(w.CmbJblbie, QStringLiteral("心血管疾病"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(w.result(), 0);  // opened from the menu it stays open
    const auto rs = db.query(QStringLiteral("select * from tjian_zdjlyjyi where zyzduan='窦性心律不齐'"));
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.value(0, "pyjma").toString(), QStringLiteral("DXXLBQ"));
    EXPECT_EQ(rs.value(0, "jblbie").toString(), QStringLiteral("心血管疾病"));

    // Another department chosen while editing drops the unsaved input.
    w.Maint->BBtnEditClick();
    type(w.EdtZyzduan, QStringLiteral("未保存"));
    ASSERT_TRUE(w.QryKshi.locate(QStringLiteral("id"), wk));
    EXPECT_FALSE(w.Maint->isEditing());
    EXPECT_EQ(entries(QStringLiteral("未保存")), 0);
}

TEST_F(DiagnosesTest, CategoriesAddedThroughTheirDictionaryCanBeChosenAtOnce)
{
    TFZdjlYJy w;
    w.show();
    w.Maint->BBtnAddClick();
    EXPECT_EQ(w.CmbJblbie->findText(QStringLiteral("骨科疾病")), -1);
    // The clerk adds a category in the dictionary and closes it.
    QTimer::singleShot(0, [this] {
        QWidget* dictionary = QApplication::activeModalWidget();
        ASSERT_NE(dictionary, nullptr);
        EXPECT_EQ(dictionary->windowTitle(), QStringLiteral("疾病类别字典"));
        db.execute(QStringLiteral("insert into tjian_jblbie(mcheng) values('骨科疾病')"));
        dictionary->close();
    });
    w.BBtnLbie->trigger();
    EXPECT_TRUE(w.Maint->isEditing());
    choose(w.CmbJblbie, QStringLiteral("骨科疾病"));
    EXPECT_EQ(w.QryZdjl.field(QStringLiteral("jblbie")).asString(), QStringLiteral("骨科疾病"));
}

TEST_F(DiagnosesTest, ACallRequestEditsTheEntryOfTheSameTextOrWritesOneAndClosesWithOk)
{
    TFZdjlYJy w;
    // An existing text: its row is edited, no second one is made.
    w.SetCallRequest(nk, QStringLiteral("高血压"));
    w.show();
    EXPECT_EQ(w.QryZdjl.state(), Query::State::Edit);
    EXPECT_EQ(w.MemJyi->toPlainText(), QStringLiteral("低盐饮食"));
    type(w.MemJyi, QStringLiteral("低盐饮食，规律服药"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_EQ(entries(QStringLiteral("高血压")), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("select jyi from tjian_zdjlyjyi where zyzduan='高血压'")).toString(),
              QStringLiteral("低盐饮食，规律服药"));

    // A new text: a row of the requested department carrying the text.
    w.SetCallRequest(wk, QStringLiteral("腰椎间盘突出"));
    w.show();
    EXPECT_EQ(w.QryZdjl.state(), Query::State::Insert);
    EXPECT_EQ(w.EdtZyzduan->text(), QStringLiteral("腰椎间盘突出"));
    EXPECT_EQ(w.CmbKsid->currentText(), QStringLiteral("外科"));
    ASSERT_TRUE(w.Maint->BBtnSaveClick());
    EXPECT_EQ(count(SqlText::format("select count(*) from tjian_zdjlyjyi where ksid=%d and zyzduan='腰椎间盘突出'", wk)), 1);

    // The request held for one showing: closed without saving, then opened normally.
    w.SetCallRequest(wk, QStringLiteral("脊柱侧弯"));
    w.show();
    w.Maint->actionClose()->trigger();
    EXPECT_NE(w.result(), int(QDialog::Accepted));
    EXPECT_FALSE(w.hasCallRequest());
    w.show();
    EXPECT_FALSE(w.Maint->isEditing());
    w.close();
    EXPECT_EQ(entries(QStringLiteral("脊柱侧弯")), 0);
}

TEST_F(DiagnosesTest, RequestDiagnosisOpensTheWindowModallyAndTellsWhetherItWasSaved)
{
    QWidget owner;
    // The clerk saves at once.
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<TFZdjlYJy*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        w->Maint->BBtnSaveClick();
    });
    EXPECT_TRUE(tj::masterdata::RequestDiagnosis(&owner, nk, QStringLiteral("冠心病")));
    EXPECT_EQ(entries(QStringLiteral("冠心病")), 1);
    // The same window is used again; closing it without saving answers false.
    TFZdjlYJy* kept = owner.findChild<TFZdjlYJy*>();
    ASSERT_NE(kept, nullptr);
    QTimer::singleShot(0, [kept] { kept->Maint->actionClose()->trigger(); });
    EXPECT_FALSE(tj::masterdata::RequestDiagnosis(&owner, nk, QStringLiteral("早搏")));
    EXPECT_EQ(owner.findChildren<TFZdjlYJy*>().size(), 1);
    EXPECT_EQ(entries(QStringLiteral("早搏")), 0);
}

}  // namespace
