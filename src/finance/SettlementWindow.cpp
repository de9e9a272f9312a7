#include "finance/SettlementWindow.h"

#include "core/CentreParameters.h"
#include "core/ServerClock.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "finance/DailySheet.h"
#include "finance/TQrRjie.h"
#include "platform/ui/Dialogs.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tj::finance {

using core::Session;
using core::TDM;

namespace {

// A date or time field the period is shown in; the program fills it.
template <typename Edit>
Edit* readOnlyField(QWidget* parent, const QString& format, int width)
{
    auto* e = new Edit(parent);
    e->setDisplayFormat(format);
    e->setReadOnly(true);
    e->setButtonSymbols(QAbstractSpinBox::NoButtons);
    e->setFocusPolicy(Qt::NoFocus);
    e->setMinimumWidth(width);
    return e;
}

QDateEdit* dateField(QWidget* parent)
{
    return readOnlyField<QDateEdit>(parent, QStringLiteral("yyyy-MM-dd"), 100);
}

QTimeEdit* timeField(QWidget* parent)
{
    return readOnlyField<QTimeEdit>(parent, QStringLiteral("hh:mm:ss"), 80);
}

}  // namespace

SettlementWindow::SettlementWindow(const QString& caption, bool pickers, QWidget* parent) : ui::WorkingWindow(parent)
{
    setWindowTitle(caption);
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);

    auto* cashier = new QHBoxLayout;
    cashier->addWidget(new QLabel(QStringLiteral("收费员："), this));
    LbYhu = new QLabel(this);
    LbYhu->setStyleSheet(QStringLiteral("color: blue;"));
    cashier->addWidget(LbYhu);
    cashier->addStretch();
    layout->addLayout(cashier);

    LbInfo = new QLabel(this);
    LbInfo->setStyleSheet(QStringLiteral("color: red;"));
    LbInfo->setMinimumHeight(LbInfo->fontMetrics().height() + 4);
    layout->addWidget(LbInfo);

    GrpSfrq = new QGroupBox(QStringLiteral("收费日期"), this);
    auto* grid = new QGridLayout(GrpSfrq);
    DtpKsrq = dateField(GrpSfrq);
    DtpKssj = timeField(GrpSfrq);
    DtpJsrq = dateField(GrpSfrq);
    DtpJssj = timeField(GrpSfrq);
    grid->addWidget(new QLabel(QStringLiteral("开始时间："), GrpSfrq), 0, 0);
    grid->addWidget(DtpKsrq, 0, 1);
    grid->addWidget(DtpKssj, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("结束时间："), GrpSfrq), 1, 0);
    grid->addWidget(DtpJsrq, 1, 1);
    grid->addWidget(DtpJssj, 1, 2);
    if (pickers) {
        BtnKsrq = new QPushButton(QStringLiteral("..."), GrpSfrq);
        BtnJsrq = new QPushButton(QStringLiteral("..."), GrpSfrq);
        for (QPushButton* b : {BtnKsrq, BtnJsrq}) {
            b->setAutoDefault(false);
            b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
        }
        grid->addWidget(BtnKsrq, 0, 3);
        grid->addWidget(BtnJsrq, 1, 3);
    }
    grid->setColumnStretch(4, 1);
    layout->addWidget(GrpSfrq);

    auto* buttons = new QHBoxLayout;
    ChkPreview = new QCheckBox(QStringLiteral("打印预览"), this);
    buttons->addWidget(ChkPreview);
    buttons->addStretch();
    BtnCancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    BtnCancel->setAutoDefault(false);
    buttons->addWidget(BtnCancel);
    layout->addLayout(buttons);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* SettlementWindow::addButton(const QString& caption)
{
    auto* row = static_cast<QHBoxLayout*>(static_cast<QVBoxLayout*>(layout())->itemAt(layout()->count() - 1)->layout());
    auto* b = new QPushButton(caption, this);
    // Enter on another control never presses a settlement button by itself.
    b->setAutoDefault(false);
    row->insertWidget(row->indexOf(BtnCancel), b);
    buttons_.push_back(b);
    // Tab follows the row from left to right, the cancel button last.
    QWidget::setTabOrder(b, BtnCancel);
    return b;
}

QDateTime SettlementWindow::periodStart() const
{
    return QDateTime(DtpKsrq->date(), DtpKssj->time());
}

QDateTime SettlementWindow::periodEnd() const
{
    return QDateTime(DtpJsrq->date(), DtpJssj->time());
}

bool SettlementWindow::previewChecked() const
{
    return ChkPreview->isChecked();
}

void SettlementWindow::beginShow()
{
    core::CentreParameters::read(TDM::instance().Connection()).applyToSession();
    LbYhu->setText(Session::current().CurrentUserName);
    LbInfo->clear();
}

bool SettlementWindow::parametersSet()
{
    const Session& s = Session::current();
    if (!s.StartTimeSet) {
        LbInfo->setText(QStringLiteral("未设置软件启用时间，请到参数设置中设置！"));
        return false;
    }
    if (!s.MonthEndSettingSet) {
        LbInfo->setText(QStringLiteral("未设置月结设置，请到参数设置中设置！"));
        return false;
    }
    return true;
}

void SettlementWindow::setStart(const QDateTime& t)
{
    DtpKsrq->setDate(t.date());
    DtpKssj->setTime(t.time());
}

void SettlementWindow::setEnd(const QDateTime& t)
{
    DtpJsrq->setDate(t.date());
    DtpJssj->setTime(t.time());
}

void SettlementWindow::setPeriod(const Period& p)
{
    setStart(p.start);
    setEnd(p.end);
}

void SettlementWindow::refuse(const QString& reason)
{
    LbInfo->setText(reason);
    ui::Dialogs::instance().warning(reason);
}

void SettlementWindow::printSheet(const Period& p, const QString& title, bool preview)
{
    db::Connection& c = TDM::instance().Connection();
    const Session& s = Session::current();
    TQrRjie sheet;
    sheet.Sheet = ComputeDailySheet(c, p.start, p.end, s.CurrentUserName);
    sheet.UseUnit = s.CentreName;
    sheet.Title = title;
    sheet.PrintTime = serverNow();
    // Printing goes to the default printer without asking, as the cashiers are used to.
    sheet.output(preview ? report::Output::Preview : report::Output::PrintNoDialog, QString(), this);
}

void SettlementWindow::showEvent(QShowEvent* event)
{
    ui::WorkingWindow::showEvent(event);
    if (event->spontaneous())
        return;
    for (QPushButton* b : buttons_)
        if (b->isEnabled()) {
            b->setFocus();
            return;
        }
    BtnCancel->setFocus();
}

QDateTime SettlementWindow::serverNow()
{
    QDateTime now = core::ServerNow(TDM::instance().Connection());
    return now.addMSecs(-now.time().msec());
}

}  // namespace tj::finance
