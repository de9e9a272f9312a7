#include "admin/TFCsSz.h"

#include "core/CentreParameters.h"
#include "core/ServerClock.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tj::admin {

using core::Session;
using core::TDM;
using db::SqlText;

namespace {
const QString TimeFormat = QStringLiteral("hh:mm:ss");
}  // namespace

TFCsSz::TFCsSz(QWidget* parent) : ui::WorkingWindow(parent)
{
    setWindowTitle(QStringLiteral("参数设置"));
    ui::EnterMovesFocus::install(this);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    auto* page = new QWidget(tabs);
    tabs->addTab(page, QStringLiteral("参数设置"));
    auto* pageLayout = new QVBoxLayout(page);

    auto* unit = new QGroupBox(QStringLiteral("体检单位设置"), page);
    auto* unitLayout = new QHBoxLayout(unit);
    unitLayout->addWidget(new QLabel(QStringLiteral("体检中心名称："), unit));
    EdtZxmcheng = new QLineEdit(unit);
    EdtZxmcheng->setMinimumWidth(260);
    unitLayout->addWidget(EdtZxmcheng);
    pageLayout->addWidget(unit);

    GrpQysz = new QGroupBox(QStringLiteral("软件启用设置"), page);
    auto* startLayout = new QHBoxLayout(GrpQysz);
    startLayout->addWidget(new QLabel(QStringLiteral("软件启用时间："), GrpQysz));
    DtpQyrq = new QDateEdit(GrpQysz);
    DtpQyrq->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DtpQyrq->setCalendarPopup(true);
    DtpQysj = new QTimeEdit(GrpQysz);
    DtpQysj->setDisplayFormat(TimeFormat);
    startLayout->addWidget(DtpQyrq);
    startLayout->addWidget(DtpQysj);
    startLayout->addStretch();
    pageLayout->addWidget(GrpQysz);

    auto* month = new QGroupBox(QStringLiteral("月结设置"), page);
    auto* monthLayout = new QHBoxLayout(month);
    monthLayout->addWidget(new QLabel(QStringLiteral("月结时间：每月"), month));
    CmbYjri = new QComboBox(month);
    CmbYjri->addItem(QStringLiteral("月底"));
    for (int d = 1; d <= 28; ++d)
        CmbYjri->addItem(QString::number(d));
    CmbYjri->setCurrentIndex(0);
    DtpYjsj = new QTimeEdit(month);
    DtpYjsj->setDisplayFormat(TimeFormat);
    monthLayout->addWidget(CmbYjri);
    monthLayout->addWidget(DtpYjsj);
    monthLayout->addStretch();
    pageLayout->addWidget(month);
    layout->addWidget(tabs);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BBtnOk = new QPushButton(QStringLiteral("确定(&O)"), this);
    BBtnCancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    buttons->addWidget(BBtnOk);
    buttons->addWidget(BBtnCancel);
    layout->addLayout(buttons);
    connect(BBtnOk, &QPushButton::clicked, this, &TFCsSz::BBtnOkClick);
    connect(BBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFCsSz::~TFCsSz() = default;

void TFCsSz::FormShow()
{
    db::Connection& c = TDM::instance().Connection();
    const auto p = core::CentreParameters::read(c);
    EdtZxmcheng->clear();
    if (p.centreName)
        EdtZxmcheng->setText(*p.centreName);

    // The start moment can be set once; afterwards it is shown greyed.
    const bool startSet = p.startTimeText.has_value();
    GrpQysz->setEnabled(!startSet);
    QDateTime shown = startSet ? db::Value(*p.startTimeText).toDateTime() : QDateTime();
    if (!shown.isValid())
        shown = QDateTime(core::ServerToday(c).date(), core::ServerTimeOfDay(c));
    DtpQyrq->setDate(shown.date());
    DtpQysj->setTime(shown.time());
    const QPalette::ColorRole role = startSet ? QPalette::Button : QPalette::Base;
    for (QWidget* w : {static_cast<QWidget*>(DtpQyrq), static_cast<QWidget*>(DtpQysj)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, palette().color(role));
        pal.setColor(QPalette::Disabled, QPalette::Base, palette().color(role));
        w->setPalette(pal);
    }

    if (p.monthEndSetting) {
        const QString& setting = *p.monthEndSetting;
        const int blank = setting.indexOf(QLatin1Char(' '));
        const QString day = blank < 0 ? setting : setting.left(blank);
        const QString time = blank < 0 ? QString() : setting.mid(blank + 1).trimmed();
        const int i = CmbYjri->findText(day);
        if (i >= 0)
            CmbYjri->setCurrentIndex(i);
        QTime t = QTime::fromString(time, QStringLiteral("H:mm:ss"));
        if (!t.isValid())
            t = QTime::fromString(time, QStringLiteral("H:mm"));
        if (t.isValid())
            DtpYjsj->setTime(t);
    }
    EdtZxmcheng->setFocus();
}

void TFCsSz::BBtnOkClick()
{
    using core::CentreParameters;
    CentreParameters p;
    p.centreName = EdtZxmcheng->text();
    QDateTime start(DtpQyrq->date(), DtpQysj->time());
    start = start.addMSecs(-start.time().msec());
    p.startTimeText = start.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    p.softwareStartTime = start;
    p.monthEndSetting = QStringLiteral("%1 %2").arg(CmbYjri->currentText(), DtpYjsj->time().toString(TimeFormat));

    // The three values are saved together or not at all.
    db::Connection& c = TDM::instance().Connection();
    db::Transaction t(c);
    CentreParameters::write(c, CentreParameters::CentreNameKey, *p.centreName);
    CentreParameters::write(c, CentreParameters::StartTimeKey, *p.startTimeText);
    CentreParameters::write(c, CentreParameters::MonthEndKey, *p.monthEndSetting);
    t.commit();
    p.applyToSession();

    if (parametersSaved)
        parametersSaved();
    ui::Dialogs::instance().info(QStringLiteral("系统参数设置保存成功！"));
    accept();
}

}  // namespace tj::admin
