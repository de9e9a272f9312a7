#include "masterdata/TFCjjguo.h"

#include "core/TDM.h"
#include "masterdata/WindowParts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DetailLink.h"
#include "platform/ui/MaintenanceController.h"

#include <QTreeView>
#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace tj::masterdata {

using core::TDM;

TFCjjguo::TFCjjguo(QWidget* parent)
    : ui::WorkingWindow(parent),
      QryXmu(TDM::instance().Connection()),
      QryKshi(TDM::instance().Connection()),
      QryCjjguo(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("常见结果维护"));
    resize(960, 640);
    QryXmu.setSql(QStringLiteral("select * from tjian_xmu order by ksid,xhao"));
    QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie in (11,12,13)"));
    openOnShow({&QryKshi, &QryXmu});
    closeOnClose({&QryCjjguo});

    cxGrdXmu = GroupedNameGrid(this, QryXmu, QStringLiteral("项目名称"), 240, QStringLiteral("ksid"),
                               QStringLiteral("科室名称"), &QryKshi);

    // The results are typed in the grid itself: every cell shows its editor
    // and Enter moves to the next cell.
    cxGrdCjjguo = new ui::DataGrid(this);
    cxGrdCjjguo->addColumn(QStringLiteral("jguo"), QStringLiteral("结果"), 360);
    cxGrdCjjguo->addColumn(QStringLiteral("pyjma"), QStringLiteral("拼音简码"), 140);
    cxGrdCjjguo->addColumn(QStringLiteral("xhao"), QStringLiteral("序号"), 70);
    cxGrdCjjguo->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("共 %d 条")});
    cxGrdCjjguo->setEditable(true);
    cxGrdCjjguo->setAlwaysShowEditor(true);
    cxGrdCjjguo->setEnterMovesToNextCell(true);
    cxGrdCjjguo->setMultiSelect(true);
    cxGrdCjjguo->setQuery(&QryCjjguo);

    Maint = new ui::MaintenanceController(this, QryCjjguo, TDM::instance().QryCx());
    auto* split = new QSplitter(this);
    split->addWidget(cxGrdXmu);
    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(Maint->createToolBar(right));
    rightLayout->addWidget(cxGrdCjjguo, 1);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    (new QHBoxLayout(this))->addWidget(split);
    // While a result is being edited the item cannot change; the result grid stays usable.
    Maint->setGrid(cxGrdXmu, false);

    Results = new ui::DetailLink(QryXmu, QStringLiteral("id"), QryCjjguo,
                                 QStringLiteral("select * from tjian_cjjguo where xmid=%d order by id"), this);

    Maint->beforeAdd = [this] { return QryXmu.isOpen() && !QryXmu.isEmpty(); };
    Maint->afterAdd = [this] {
        QryCjjguo.setField(QStringLiteral("xmid"), QryXmu.field(QStringLiteral("id")).value());
        cxGrdCjjguo->focusCell(QryCjjguo.recNo(), 0);
    };
    connect(cxGrdCjjguo, &ui::DataGrid::rowDoubleClicked, Maint, &ui::MaintenanceController::BBtnEditClick);
    // Typing in a cell starts editing its row, so that 保存 and 取消 are offered at once.
    cxGrdCjjguo->keyHook = [this](QKeyEvent* key) {
        const bool typing = (!key->text().isEmpty() && key->text().at(0).isPrint())
                            || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        const int row = QryCjjguo.recNo();
        const int column = cxGrdCjjguo->currentColumn();
        if (typing && QryCjjguo.state() == db::Query::State::Browse && row >= 0 && column >= 0
            && cxGrdCjjguo->currentEditor())
            cxGrdCjjguo->setCellValue(row, column, QryCjjguo.value(row, QryCjjguo.fieldIndex(cxGrdCjjguo->column(column).field)));
        return false;
    };
    // 保存 pressed while the clerk is still in a cell takes what the cell holds.
    Maint->extraChecks = [this] {
        cxGrdCjjguo->commitEditor();
        return true;
    };
    // 取消 drops what a cell editor still holds, so it is not written again later.
    connect(Maint->actionCancel(), &QAction::triggered, this, [this] {
        if (!cxGrdCjjguo->currentEditor())
            return;
        const int column = cxGrdCjjguo->currentColumn();
        cxGrdCjjguo->discardEditor();
        if (QryCjjguo.isOpen() && QryCjjguo.recNo() >= 0)
            cxGrdCjjguo->focusCell(QryCjjguo.recNo(), column);
    });
    // The grid's own delete command, with its own question, for the selected rows.
    Maint->deleteRow = [this] { cxGrdCjjguo->deleteSelectedRows(); };
}

TFCjjguo::~TFCjjguo() = default;

void TFCjjguo::FormShow()
{
    cxGrdXmu->expandAll();
    cxGrdXmu->view()->setFocus();
}

}  // namespace tj::masterdata
