// The shared pieces windows are built from: the form builder, the
// master-detail link and the working-table editor with its Enter hook.
#include "platform/db/Query.h"
#include "platform/db/SqlText.h"
#include "platform/db/WorkingTable.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DetailLink.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/MaintenanceController.h"
#include "platform/ui/WorkingTableEditor.h"
#include "support/DbFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using tj::db::Query;
using tj::db::Value;
using tj::ui::FieldOptions;

namespace {

class FormBuilderTest : public tj::test::DbTest {
protected:
    FormBuilderTest()
    {
        db.execute(QStringLiteral(
            "CREATE TABLE [formt] ([id] [int] IDENTITY (1, 1) NOT NULL , [mcheng] [varchar] (10) NULL , "
            "[pyjma] [varchar] (10) NULL , [lb] [int] NULL , [xb] [varchar] (4) NULL , [je] [money] NULL , "
            "[bb] [varchar] (2) NULL , [rq] [datetime] NULL , [js] [int] NULL , [bz] [text] NULL , "
            "CONSTRAINT [PK_formt] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]"));
        db.execute(QStringLiteral("insert into formt(mcheng, lb, xb, je, bb, js) values('甲', 11, '男', 12.5, '是', 1)"));
        list.setSql(QStringLiteral("select * from pub_kslbie"));
        list.open();
        set.setSql(QStringLiteral("select * from formt order by id"));
        set.open();
    }
    Query list{db.connection()};
    Query set{db.connection()};
    Query guards{db.connection()};
    tj::ui::ScriptedDialogs dialogs;
};

// One window from declarations: labels (red where mandatory), editors in
// tab order, each bound to its field, each holding what its column can.
TEST_F(FormBuilderTest, DeclarationsMakeLabelsTabOrderBindingsAndLimits)
{
    QDialog w;
    auto* c = new tj::ui::MaintenanceController(&w, set, guards);
    auto* panel = new QGroupBox(&w);
    tj::ui::FormBuilder f(c, panel, 2);
    auto* name = f.text(QStringLiteral("名称："), QStringLiteral("mcheng"), {.required = QStringLiteral("名称不能为空！")});
    auto* code = f.pinyin(QStringLiteral("简码："), QStringLiteral("pyjma"), name, [](const QString& s) { return s + s; });
    auto* cat = f.lookup(QStringLiteral("类别："), QStringLiteral("lb"), list, {.required = QStringLiteral("类别不能为空！")});
    auto* sex = f.pickList(QStringLiteral("性别："), QStringLiteral("xb"), {QStringLiteral("男"), QStringLiteral("女")});
    auto* amount = f.text(QStringLiteral("金额："), QStringLiteral("je"));
    auto* flag = f.check(QStringLiteral("标本"), QStringLiteral("bb"), QStringLiteral("是"), QStringLiteral("否"));
    auto* day = f.date(QStringLiteral("日期："), QStringLiteral("rq"));
    auto [cash, account] = f.radioPair(QStringLiteral("结帐："), QStringLiteral("js"), QStringLiteral("现结"), 1,
                                       QStringLiteral("记帐"), 2, {.required = QStringLiteral("结帐不能为空！")});
    auto* memo = f.memo(QStringLiteral("备注："), QStringLiteral("bz"), {.span = 2});

    const std::vector<QWidget*> order = {name, code, cat, sex, amount, flag, day, cash, memo};
    ASSERT_EQ(f.editors(), order);
    // Tab goes from each editor (past its own inner controls) to the next one.
    auto nextAfter = [](QWidget* w) {
        QWidget* n = w->nextInFocusChain();
        while (n && (w->isAncestorOf(n) || !(n->focusPolicy() & Qt::TabFocus)))
            n = n->nextInFocusChain();
        return n;
    };
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget* from = order[i] == cash ? static_cast<QWidget*>(account) : order[i];
        EXPECT_EQ(nextAfter(from), order[i + 1]) << i;
    }
    struct Label {
        QWidget* editor;
        const char* text;
        bool red;
    };
    for (const Label& l : {Label{name, "名称：", true}, Label{code, "简码：", false}, Label{cat, "类别：", true},
                           Label{amount, "金额：", false}, Label{cash, "结帐：", true}}) {
        QLabel* label = f.labelOf(l.editor);
        ASSERT_NE(label, nullptr) << l.text;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.text));
        EXPECT_EQ(label->buddy(), l.editor);
        EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText) == Qt::red, l.red) << l.text;
    }

    // The editors show the current row.
    EXPECT_EQ(name->text(), QStringLiteral("甲"));
    EXPECT_EQ(cat->currentText(), QStringLiteral("临床检查科室"));
    EXPECT_EQ(sex->currentText(), QStringLiteral("男"));
    EXPECT_TRUE(flag->isChecked());
    EXPECT_TRUE(cash->isChecked());
    EXPECT_TRUE(day->text().trimmed().isEmpty());

    // Limits: ten GBK bytes hold five Chinese characters; money takes numbers.
    EXPECT_NE(name->validator(), nullptr);
    QString s = QString(6, QChar(0x7532));
    int pos = 0;
    EXPECT_EQ(name->validator()->validate(s, pos), QValidator::Invalid);
    s = QString(5, QChar(0x7532));
    EXPECT_EQ(name->validator()->validate(s, pos), QValidator::Acceptable);
    s = QStringLiteral("12.5a");
    EXPECT_EQ(amount->validator()->validate(s, pos), QValidator::Invalid);

    // A new row: mandatory checks in declaration order, then every binding writes its field.
    c->BBtnAddClick();
    EXPECT_FALSE(c->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("名称不能为空！"));
    name->setText(QStringLiteral("乙"));
    emit name->textEdited(name->text());
    EXPECT_FALSE(c->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("类别不能为空！"));
    cat->setCurrentIndex(cat->findText(QStringLiteral("医技检查科室")));
    emit cat->activated(cat->currentIndex());
    EXPECT_FALSE(c->BBtnSaveClick());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("结帐不能为空！"));
    account->click();
    flag->click();
    day->setDate(QDate(2024, 5, 6));
    ASSERT_TRUE(c->BBtnSaveClick());
    const auto rows = db.query(QStringLiteral("select * from formt where mcheng='乙'"));
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.value(0, "lb").toInteger(), 12);
    EXPECT_EQ(rows.value(0, "js").toInteger(), 2);
    EXPECT_EQ(rows.value(0, "bb").toString(), QStringLiteral("是"));
    EXPECT_EQ(rows.value(0, "rq").toDateTime().date(), QDate(2024, 5, 6));
}

// The detail follows the master's row, is closed while the master adds a
// row, and an edit in the detail posts to the detail's table.
TEST_F(FormBuilderTest, DetailFollowsTheMasterAndPostsToItsTable)
{
    db.execute(QStringLiteral("insert into formt(mcheng) values('乙')"));
    db.execute(QStringLiteral("CREATE TABLE [subt] ([id] [int] IDENTITY (1, 1) NOT NULL , [mid] [int] NULL , "
                              "[sl] [int] NULL , CONSTRAINT [PK_subt] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]"));
    db.execute(QStringLiteral("insert into subt(mid, sl) values(1, 10)"));
    db.execute(QStringLiteral("insert into subt(mid, sl) values(1, 11)"));
    db.execute(QStringLiteral("insert into subt(mid, sl) values(2, 20)"));
    set.close();
    Query detail(db.connection());
    tj::ui::DetailLink link(set, QStringLiteral("id"), detail, QStringLiteral("select * from subt where mid=%d order by id"));
    set.open();
    ASSERT_TRUE(detail.isOpen());
    EXPECT_EQ(detail.recordCount(), 2);
    set.next();
    EXPECT_EQ(detail.recordCount(), 1);
    EXPECT_EQ(detail.field(QStringLiteral("sl")).asInteger(), 20);

    tj::ui::DataGrid grid;
    grid.addColumn(QStringLiteral("sl"), QStringLiteral("数量"));
    grid.setEditable(true);
    grid.setQuery(&detail);
    grid.setCellValue(0, 0, 21);
    ASSERT_TRUE(grid.postEditedRow());
    EXPECT_EQ(db.scalar(QStringLiteral("select sl from subt where mid=2")).toInteger(), 21);

    set.append();
    EXPECT_FALSE(detail.isOpen());
    set.cancel();
    EXPECT_TRUE(detail.isOpen());
}

// A working table made from a column list; Enter in a cell runs the
// window's arithmetic, which writes two cells of the row and moves on.
TEST_F(FormBuilderTest, WorkingTableEnterHookWritesTheRowAndMovesTheFocus)
{
    using namespace tj::db;
    WorkingTable table(db.connection(), QStringLiteral("#work"),
                       {IdentityColumn(QStringLiteral("id")), TextColumn(QStringLiteral("mcheng"), 20, true),
                        Column(QStringLiteral("sfjge"), QStringLiteral("money")), Column(QStringLiteral("zkou"), QStringLiteral("money")),
                        Column(QStringLiteral("ssje"), QStringLiteral("money"))});
    EXPECT_EQ(table.createStatement(),
              QStringLiteral("CREATE TABLE [#work] ([id] [int] IDENTITY (1, 1) NOT NULL , [mcheng] [varchar] (20) COLLATE "
                             "Chinese_PRC_CI_AS NOT NULL , [sfjge] [money] NULL , [zkou] [money] NULL , [ssje] [money] NULL) ON [PRIMARY]"));
    table.create();
    table.create();  // a second time drops the first copy
    db.execute(QStringLiteral("insert into #work(mcheng, sfjge, zkou, ssje) values('血常规', 200, 1, 200)"));
    db.execute(QStringLiteral("insert into #work(mcheng, sfjge, zkou, ssje) values('肝功能', 100, 1, 100)"));
    table.open();

    QDialog w;
    auto* other = new QLineEdit(&w);
    auto* grid = new tj::ui::DataGrid(&w);
    grid->addColumn(QStringLiteral("mcheng"), QStringLiteral("名称"));
    grid->addColumn(QStringLiteral("zkou"), QStringLiteral("折扣"));
    grid->addColumn(QStringLiteral("ssje"), QStringLiteral("实收"));
    tj::ui::WorkingTableEditor editor(&w, table, grid);
    editor.exempt(other);
    int calls = 0;
    editor.onEnter = [&](const tj::ui::WorkingTableEditor::Enter& e) {
        ++calls;
        if (e.field != QLatin1String("zkou"))
            return false;
        const Currency price = table.query().field(QStringLiteral("sfjge")).asCurrency();
        const double v = e.text.toDouble();
        editor.setRow(e.row, {{QStringLiteral("zkou"), v}, {QStringLiteral("ssje"), price.multiplied(v)}});
        editor.focus(e.row + 1, QStringLiteral("zkou"));
        return true;
    };
    w.show();
    QApplication::setActiveWindow(&w);
    grid->focusCell(0, 1);
    auto* cell = qobject_cast<QLineEdit*>(grid->currentEditor());
    ASSERT_NE(cell, nullptr);
    cell->setText(QStringLiteral("0.9"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(cell, &enter);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(db.scalar(QStringLiteral("select ssje from #work where id=1")).toCurrency(), Currency::fromInteger(180));
    EXPECT_EQ(db.scalar(QStringLiteral("select zkou from #work where id=1")).toString(), QStringLiteral("0.9"));
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(table.query().state(), Query::State::Browse);

    // An exempt control keeps its own Enter.
    other->setFocus();
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(other, &again);
    EXPECT_EQ(calls, 1);
}

}  // namespace
