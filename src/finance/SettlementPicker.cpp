#include "finance/SettlementPicker.h"

#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tj::finance {

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

}  // namespace

SettlementPicker::SettlementPicker(const QString& caption, const char* listSql, const QString& emptyMessage,
                                   const std::vector<Column>& columns, QWidget* parent)
    : ui::WorkingWindow(parent), Qry(core::TDM::instance().Connection()), listSql_(listSql),
      emptyMessage_(emptyMessage)
{
    setWindowTitle(caption);
    openOnShow({&Qry});
    auto* layout = new QVBoxLayout(this);
    Grid = new ui::DataGrid(this);
    Grid->setQuery(&Qry);
    for (const Column& c : columns) {
        ui::GridColumn column;
        column.field = c.field;
        column.caption = c.caption;
        column.width = c.width;
        column.format = c.format;
        Grid->addColumn(column);
    }
    Grid->addSummary({1, ui::GridSummary::Kind::Count, QStringLiteral("共 %d 条")});
    layout->addWidget(Grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnOk = new QPushButton(QStringLiteral("确定(&O)"), this);
    BtnCancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    // Enter in the list takes the current row.
    BtnOk->setDefault(true);
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    layout->addLayout(buttons);
    connect(BtnOk, &QPushButton::clicked, this, &SettlementPicker::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Grid, &ui::DataGrid::rowDoubleClicked, this, [this](int) { BtnOkClick(); });
    resize(560, 380);
}

void SettlementPicker::setUserId(int userId)
{
    userId_ = userId;
    Qry.setSql(db::SqlText::format(listSql_, userId));
}

void SettlementPicker::BtnOkClick()
{
    if (!Qry.isOpen() || Qry.isEmpty() || Qry.eof()) {
        ui::Dialogs::instance().warning(emptyMessage_);
        return;
    }
    takeCurrent();
    accept();
}

TFRjRqCxun::TFRjRqCxun(QWidget* parent)
    : SettlementPicker(QStringLiteral("日结日期查询"),
                       "select a.*, b.xming from tjian_sfei_rjie a   inner join pub_yhu b on b.id=a.yhid where "
                       "yhid=%d order by a.rqi desc, a.kssjian desc ",
                       QStringLiteral("没有日结日期数据！"),
                       {{QStringLiteral("rqi"), QStringLiteral("日期"), 100, DateFormat},
                        {QStringLiteral("xming"), QStringLiteral("收费员"), 100, QString()},
                        {QStringLiteral("kssjian"), QStringLiteral("开始时间"), 150, SettlementTimeFormat},
                        {QStringLiteral("jssjian"), QStringLiteral("结束时间"), 150, SettlementTimeFormat}},
                       parent)
{
}

void TFRjRqCxun::takeCurrent()
{
    chosen = {Qry.field(QStringLiteral("rqi")).asDateTime().date(), Qry.field(QStringLiteral("kssjian")).asDateTime(),
              Qry.field(QStringLiteral("jssjian")).asDateTime()};
}

TFYjRqCxun::TFYjRqCxun(QWidget* parent)
    : SettlementPicker(QStringLiteral("月结日期查询"),
                       "select a.*, b.xming from tjian_sfei_yjie a   inner join pub_yhu b on b.id=a.yhid where "
                       "yhid=%d order by a.rqi desc ",
                       QStringLiteral("没有月结日期数据！"),
                       {{QStringLiteral("rqi"), QStringLiteral("日期"), 100, DateFormat},
                        {QStringLiteral("xming"), QStringLiteral("收费员"), 100, QString()},
                        {QStringLiteral("ksrqi"), QStringLiteral("开始日期"), 100, DateFormat},
                        {QStringLiteral("jsrqi"), QStringLiteral("结束日期"), 100, DateFormat}},
                       parent)
{
}

void TFYjRqCxun::takeCurrent()
{
    chosen = {Qry.field(QStringLiteral("rqi")).asDateTime().date(), Qry.field(QStringLiteral("ksrqi")).asDateTime().date(),
              Qry.field(QStringLiteral("jsrqi")).asDateTime().date()};
}

}  // namespace tj::finance
