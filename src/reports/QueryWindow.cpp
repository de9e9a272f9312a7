#include "reports/QueryWindow.h"

#include "core/ServerClock.h"
#include "core/TDM.h"
#include "platform/ui/CheckedInput.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"
#include "reports/DataGridPrintSource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tj::reports {

using core::TDM;

namespace {
const QString DayStartFormat = QStringLiteral("yyyy-MM-dd 00:00:00");
const QString DayEndFormat = QStringLiteral("yyyy-MM-dd 23:59:59");
}  // namespace

QueryWindow::QueryWindow(const QString& caption, QWidget* parent)
    : ui::WorkingWindow(parent), Qry(TDM::instance().Connection()), QryDwei_(TDM::instance().Connection())
{
    setWindowTitle(caption);
    resize(1100, 700);
    closeOnClose({&Qry});
    ui::EnterMovesFocus::install(this);

    body_ = new QVBoxLayout(this);
    auto* bar = new QGroupBox(this);
    auto* barLayout = new QHBoxLayout(bar);
    filters_ = new QVBoxLayout;
    barLayout->addLayout(filters_, 1);
    buttons_ = new QHBoxLayout;
    barLayout->addLayout(buttons_);
    newFilterRow();
    BtnQuery = new QPushButton(QStringLiteral("查询(&S)"), bar);
    BtnPrint = new QPushButton(QStringLiteral("打印(&P)"), bar);
    BtnClose = new QPushButton(QStringLiteral("关闭(&C)"), bar);
    for (QPushButton* b : {BtnQuery, BtnPrint, BtnClose}) {
        b->setAutoDefault(false);
        buttons_->addWidget(b);
    }
    connect(BtnQuery, &QPushButton::clicked, this, &QueryWindow::BtnQueryClick);
    connect(BtnPrint, &QPushButton::clicked, this, &QueryWindow::BtnPrintClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    body_->addWidget(bar);

    Grid = new ui::DataGrid(this);
    Grid->setQuery(&Qry);
    body_->addWidget(Grid, 1);
}

QueryWindow::~QueryWindow() = default;

void QueryWindow::newFilterRow()
{
    row_ = new QHBoxLayout;
    filters_->addLayout(row_);
    // Filters stay on the left; the stretch is kept last.
    row_->addStretch();
}

void QueryWindow::addFilter(const QString& caption, QWidget* control)
{
    const int at = row_->count() - 1;
    int offset = 0;
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        row_->insertWidget(at, label);
        offset = 1;
    }
    control->setParent(this);
    row_->insertWidget(at + offset, control);
    if (!firstFilter_)
        firstFilter_ = control;
}

QCheckBox* QueryWindow::addCheckFilter(const QString& caption, QWidget* box, bool checked)
{
    auto* check = new QCheckBox(caption, this);
    check->setChecked(checked);
    addFilter(QString(), check);
    addFilter(QString(), box);
    ui::InputWhileChecked(check, box);
    firstFilter_ = firstFilter_ == check ? box : firstFilter_;
    return check;
}

QComboBox* QueryWindow::unitList()
{
    if (CmbDwei)
        return CmbDwei;
    QryDwei_.setSql(QStringLiteral("select * from tjian_dwei order by id"));
    openOnShow({&QryDwei_});
    CmbDwei = new QComboBox(this);
    CmbDwei->setMinimumWidth(260);
    CmbDwei->setMaxVisibleItems(30);
    connect(&QryDwei_, &db::Query::dataChanged, CmbDwei, [this] {
        const int keep = unitId();
        CmbDwei->clear();
        if (!QryDwei_.isOpen())
            return;
        const int id = QryDwei_.fieldIndex(QStringLiteral("id")), name = QryDwei_.fieldIndex(QStringLiteral("mcheng"));
        for (int r = 0; r < QryDwei_.recordCount(); ++r)
            CmbDwei->addItem(QryDwei_.value(r, name).toString(), QVariant(QryDwei_.value(r, id).toInteger()));
        CmbDwei->setCurrentIndex(keep ? CmbDwei->findData(QVariant(qint64(keep))) : -1);
    });
    return CmbDwei;
}

int QueryWindow::unitId() const
{
    if (!CmbDwei || CmbDwei->currentIndex() < 0)
        return 0;
    return CmbDwei->currentData().toInt();
}

bool QueryWindow::requireUnit()
{
    if (unitId() > 0)
        return true;
    ui::Dialogs::instance().warning(QStringLiteral("请选择团检单位！"));
    if (CmbDwei)
        CmbDwei->setFocus(Qt::OtherFocusReason);
    return false;
}

void QueryWindow::addDateRange(const QString& caption, const QString& to)
{
    DtpBegin = new QDateEdit(this);
    DtpEnd = new QDateEdit(this);
    for (QDateEdit* d : {DtpBegin, DtpEnd}) {
        d->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
        d->setCalendarPopup(true);
        d->setMinimumWidth(140);
    }
    addFilter(caption, DtpBegin);
    addFilter(to, DtpEnd);
}

QCheckBox* QueryWindow::addCheckedDateRange(const QString& caption, const QString& to, bool checked)
{
    auto* check = new QCheckBox(caption, this);
    check->setChecked(checked);
    addFilter(QString(), check);
    addDateRange(QString(), to);
    ui::InputWhileChecked(check, DtpBegin);
    ui::InputWhileChecked(check, DtpEnd);
    return check;
}

QString QueryWindow::rangeStart() const
{
    return DtpBegin ? DtpBegin->date().toString(DayStartFormat) : QString();
}

QString QueryWindow::rangeEnd() const
{
    return DtpEnd ? DtpEnd->date().toString(DayEndFormat) : QString();
}

QPushButton* QueryWindow::addButton(const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    buttons_->insertWidget(buttons_->indexOf(BtnClose), b);
    return b;
}

QCheckBox* QueryWindow::addSelectAll(const QString& caption)
{
    ChkQxuan = new QCheckBox(caption, this);
    Grid->setMultiSelect(true);
    addFilter(QString(), ChkQxuan);
    connect(ChkQxuan, &QCheckBox::toggled, this, [this](bool on) {
        if (!on) {
            Grid->selectRows({});
            return;
        }
        Grid->selectRows(Grid->displayRows());
    });
    return ChkQxuan;
}

void QueryWindow::selectAllRows()
{
    if (!ChkQxuan)
        return;
    ChkQxuan->setChecked(false);
    ChkQxuan->setChecked(true);
}

bool QueryWindow::openResult(const QString& sql)
{
    Qry.close();
    Qry.setSql(sql);
    Qry.open();
    return true;
}

void QueryWindow::BtnQueryClick()
{
    if (!Search())
        return;
    if (Qry.isOpen() && Qry.isEmpty()) {
        ui::Dialogs::instance().message(QStringLiteral("无查询结果！"));
        if (QWidget* w = emptyResultFocus ? emptyResultFocus : firstFilter_)
            w->setFocus(Qt::OtherFocusReason);
    }
}

QString QueryWindow::PrintTitle() const
{
    return windowTitle();
}

QString QueryWindow::PrintSubtitle() const
{
    const QString f = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    return QStringLiteral("登记日期：%1 至 %2")
        .arg(DtpBegin ? DtpBegin->dateTime().toString(f) : QString(), DtpEnd ? DtpEnd->dateTime().toString(f) : QString());
}

ui::DataGrid* QueryWindow::PrintGrid() const
{
    return Grid;
}

void QueryWindow::Print()
{
    ui::DataGrid* grid = PrintGrid();
    if (!grid || !grid->query() || !grid->query()->isOpen() || grid->query()->isEmpty())
        return;
    PrintGridView(*grid, PrintTitle(), PrintSubtitle(), this);
}

void QueryWindow::BtnPrintClick()
{
    Print();
}

void QueryWindow::RebuildColumnsFromResult()
{
    Grid->clearSummaries();
    Grid->clearColumns();
    const QStringList fields = Qry.fieldNames();
    for (int i = 0; i < fields.size(); ++i) {
        ui::GridColumn c;
        c.field = fields[i];
        c.caption = fields[i];
        c.width = 100;
        Grid->addColumn(c);
        Grid->addSummary({i, i == 0 ? ui::GridSummary::Kind::Count : ui::GridSummary::Kind::Sum, QStringLiteral("0")});
    }
}

void QueryWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && (DtpBegin || DtpEnd)) {
        const QDate today = core::ServerToday(TDM::instance().Connection()).date();
        if (DtpBegin)
            DtpBegin->setDate(today);
        if (DtpEnd)
            DtpEnd->setDate(today);
    }
    ui::WorkingWindow::showEvent(event);
}

}  // namespace tj::reports
