#include "registration/ItemChangeDialog.h"

#include "common/TextHelpers.h"
#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyPreview.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tj::registration {

using core::TDM;
using db::SqlText;

namespace {
const char* const AllItemsSql = "select * from tjian_zhxmu_main order by ksid, xhao";
}

ItemChangeDialog::ItemChangeDialog(const QString& caption, const QString& workingTable,
                                   std::vector<db::WorkingColumn> columns, QWidget* parent)
    : ui::WorkingWindow(parent),
      QryZhxmu(TDM::instance().Connection()),
      QryKshi(TDM::instance().Connection()),
      Chosen(TDM::instance().Connection(), workingTable, std::move(columns))
{
    setWindowTitle(caption);
    resize(1040, 680);
    QryKshi.setSql(QStringLiteral("select * from pub_kshi order by id"));
    openOnShow({&QryKshi});
    closeOnClose({&QryZhxmu, &Chosen.query()});

    auto* body = new QHBoxLayout(this);

    // Left: the combined items by department.
    auto* left = new QVBoxLayout;
    auto* search = new QHBoxLayout;
    EdtPyjma = new QLineEdit(this);
    auto* lblPyjma = new QLabel(QStringLiteral("拼音简码："), this);
    lblPyjma->setBuddy(EdtPyjma);
    search->addWidget(lblPyjma);
    search->addWidget(EdtPyjma, 1);
    left->addLayout(search);
    cxGrdZhxmu = new ui::DataGrid(this);
    const int ksid = cxGrdZhxmu->addLookupColumn(QStringLiteral("ksid"), QStringLiteral("科室"), QryKshi);
    cxGrdZhxmu->setColumnVisible(ksid, false);
    const int name = cxGrdZhxmu->addColumn(QStringLiteral("mcheng"), QStringLiteral("组合项目名称"), 230);
    cxGrdZhxmu->addSummary({name, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdZhxmu->setGroupColumn(ksid);
    cxGrdZhxmu->setExpandNewGroups(true);
    cxGrdZhxmu->setQuery(&QryZhxmu);
    cxGrdZhxmu->setFixedWidth(300);
    left->addWidget(cxGrdZhxmu, 1);
    body->addLayout(left);

    // Right: the chosen items, the log and the buttons.
    auto* right = new QVBoxLayout;
    cxGrdChosen = new ui::DataGrid(this);
    right->addWidget(cxGrdChosen, 3);
    auto* bar = new QLabel(QStringLiteral("提示信息"), this);
    bar->setStyleSheet(QStringLiteral("QLabel { background: palette(dark); color: palette(bright-text); padding: 3px; }"));
    right->addWidget(bar);
    RchLog = new QTextEdit(this);
    RchLog->setReadOnly(true);
    right->addWidget(RchLog, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnOk = new QPushButton(QStringLiteral("确定(&O)"), this);
    BtnCancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    for (QPushButton* b : {BtnOk, BtnCancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    right->addLayout(buttons);
    body->addLayout(right, 1);

    ui::EnterRuns(this, EdtPyjma, [this] { EdtPyjmaEnter(); });
    connect(cxGrdZhxmu, &ui::DataGrid::rowDoubleClicked, this, [this] { ChooseCurrentItem(); });
    cxGrdZhxmu->keyHook = [this](QKeyEvent* key) {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        ChooseCurrentItem();
        return true;
    };
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ItemChangeDialog::FormShow()
{
    Chosen.create();
    Chosen.open();
    RchLog->clear();
    EdtPyjma->clear();
    QryZhxmu.close();
    QryZhxmu.setSql(QString::fromUtf8(AllItemsSql));
    QryZhxmu.open();
    cxGrdZhxmu->expandAll();
    EdtPyjma->setFocus(Qt::OtherFocusReason);
}

void ItemChangeDialog::EdtPyjmaEnter()
{
    QryZhxmu.close();
    QryZhxmu.setSql(SqlText::format("select * from tjian_zhxmu_main where pyjma like '%%%s%%' order by ksid, xhao ",
                                    EdtPyjma->text().trimmed()));
    QryZhxmu.open();
    cxGrdZhxmu->expandAll();
    if (!QryZhxmu.isEmpty())
        cxGrdZhxmu->setFocus(Qt::OtherFocusReason);
}

void ItemChangeDialog::ChooseCurrentItem()
{
    const int row = cxGrdZhxmu->currentRow();
    if (row < 0 || !Chosen.query().isOpen())
        return;
    const int zhxmid = int(QryZhxmu.value(row, QryZhxmu.fieldIndex(QStringLiteral("id"))).toInteger());
    db::Connection& c = TDM::instance().Connection();
    if (c.exists(SqlText::format("select * from %s where zhxmid=%d ", Chosen.name(), zhxmid))) {
        ui::Dialogs::instance().message(QStringLiteral("已经选择了此项目，不能重复添加！"));
        return;
    }
    c.execute(chooseStatement(zhxmid));
    Chosen.query().refresh();
    Chosen.query().last();
}

void ItemChangeDialog::writeLog(const ChangeLogLine& line)
{
    common::AppendRichLine(RchLog, line.ok ? QColor(0, 128, 0) : QColor(Qt::red), line.rendered());
}

ChangeLog ItemChangeDialog::logger()
{
    return [this](const ChangeLogLine& line) { writeLog(line); };
}

}  // namespace tj::registration
