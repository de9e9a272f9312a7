#include "registration/TFZjXm.h"

#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyPreview.h"
#include "registration/TFZjXm_Add.h"
#include "registration/TFZjXm_Dec.h"
#include "registration/VisitColumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tj::registration {

using db::SqlText;

namespace {
const char* const VisitSelect =
    "select a.tjztai, a.jgbzhi, zjbzhi, a.ryid, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,  d.mcheng as rylbmcheng, "
    "c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   "
    "left join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid ";
}

TFZjXm::TFZjXm(QWidget* parent) : reports::QueryWindow(QStringLiteral("增减项目"), parent)
{
    EdtTjhao = new QLineEdit(this);
    EdtTjhao->setMaxLength(50);
    EdtTjhao->setMinimumWidth(110);
    addFilter(QStringLiteral("体检号："), EdtTjhao);
    ChkDwei = addCheckFilter(QStringLiteral("单位："), unitList());
    addDateRange(QStringLiteral("日期："), QStringLiteral("至"));
    BtnAdd = addButton(QStringLiteral("增加项目"));
    BtnDec = addButton(QStringLiteral("减少项目"));
    BtnPrint->hide();

    AddVisitColumns(Grid, VisitListFields());
    Grid->addSummary({3, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    Grid->setMultiSelect(true);
    Grid->sortBy(3);

    ui::EnterRuns(this, EdtTjhao, [this] { EdtTjhaoEnter(); });
    connect(BtnAdd, &QPushButton::clicked, this, &TFZjXm::BtnAddClick);
    connect(BtnDec, &QPushButton::clicked, this, &TFZjXm::BtnDecClick);
}

TFZjXm::~TFZjXm() = default;

void TFZjXm::FormShow()
{
    EdtTjhao->clear();
    EdtTjhao->setFocus(Qt::OtherFocusReason);
}

void TFZjXm::EdtTjhaoEnter()
{
    if (EdtTjhao->text().trimmed().isEmpty())
        return;
    exactNumber_ = true;
    BtnQueryClick();
    exactNumber_ = false;
}

bool TFZjXm::Search()
{
    emptyResultFocus = EdtTjhao;
    if (exactNumber_)
        return openResult(QString::fromUtf8(VisitSelect)
                          + SqlText::format("where a.tjhao='%s' ", EdtTjhao->text().trimmed()));
    if (ChkDwei->isChecked() && !requireUnit())
        return false;
    // Without 单位 the persons without a unit (unit 0).
    const int unit = ChkDwei->isChecked() ? unitId() : 0;
    return openResult(QString::fromUtf8(VisitSelect)
                      + SqlText::format("where b.dwid=%d and a.tjhao like '%s%%' and a.sfsjian between '%s' and '%s' ",
                                        unit, EdtTjhao->text().trimmed(), rangeStart(), rangeEnd()));
}

QStringList TFZjXm::SelectedNumbers() const
{
    QStringList numbers;
    const int column = Qry.fieldIndex(QStringLiteral("tjhao"));
    for (int row : Grid->selectedRows())
        numbers << Qry.value(row, column).toString();
    return numbers;
}

QStringList TFZjXm::ConfirmedNumbers(const QString& noneSelected, const QString& question)
{
    const QStringList numbers = Qry.isOpen() ? SelectedNumbers() : QStringList();
    if (numbers.isEmpty()) {
        ui::Dialogs::instance().warning(noneSelected);
        return {};
    }
    if (!ui::Dialogs::instance().confirm(question.arg(numbers.size())))
        return {};
    return numbers;
}

void TFZjXm::BtnAddClick()
{
    const QStringList numbers = ConfirmedNumbers(QStringLiteral("没有选择要增加检查项目的人员！"),
                                                 QStringLiteral("对所选人员进行批量增加检查项目，共 %1 人，是否继续？"));
    if (numbers.isEmpty())
        return;
    if (!FrmAdd)
        FrmAdd = new TFZjXm_Add(this);
    FrmAdd->setNumbers(numbers);
    FrmAdd->exec();
}

void TFZjXm::BtnDecClick()
{
    const QStringList numbers = ConfirmedNumbers(QStringLiteral("没有选择要减少检查项目的人员！"),
                                                 QStringLiteral("对所选人员进行批量减少检查项目，共 %1 人，是否继续？"));
    if (numbers.isEmpty())
        return;
    if (!FrmDec)
        FrmDec = new TFZjXm_Dec(this);
    FrmDec->setNumbers(numbers);
    FrmDec->exec();
}

}  // namespace tj::registration
