// The lists from which a cashier picks one of his earlier settlements:
// TFRjRqCxun ("日结日期查询", daily) and TFYjRqCxun ("月结日期查询",
// monthly). The caller names the cashier before showing the list;
// "确定(&O)" or a double click closes it with the current row chosen.
#pragma once

#include "finance/SettlementPeriods.h"
#include "platform/db/Query.h"
#include "platform/ui/WorkingWindow.h"

#include <optional>
#include <vector>

class QPushButton;

namespace tj::ui {
class DataGrid;
}

namespace tj::finance {

class SettlementPicker : public ui::WorkingWindow {
    Q_OBJECT
public:
    db::Query Qry;
    ui::DataGrid* Grid = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    // The cashier whose settlements are listed.
    void setUserId(int userId);
    int userId() const { return userId_; }

    // "确定(&O)": the current row is taken and the list closes with OK; an
    // empty list only shows its warning.
    void BtnOkClick();

protected:
    // One column of the list.
    struct Column {
        QString field;
        QString caption;
        int width;
        QString format;  // date or date-time format of the field
    };
    SettlementPicker(const QString& caption, const char* listSql, const QString& emptyMessage,
                     const std::vector<Column>& columns, QWidget* parent);
    // Takes the values of the data set's current row.
    virtual void takeCurrent() = 0;

private:
    const char* listSql_;
    QString emptyMessage_;
    int userId_ = 0;
};

// The cashier's daily settlements, newest first.
class TFRjRqCxun : public SettlementPicker {
    Q_OBJECT
public:
    explicit TFRjRqCxun(QWidget* parent = nullptr);
    DailySettlement chosen;  // valid after OK

protected:
    void takeCurrent() override;
};

// One row of tjian_sfei_yjie.
struct MonthlySettlement {
    QDate rqi;    // the day it was made
    QDate ksrqi;  // the day of the daily settlement in which the month begins
    QDate jsrqi;  // the day of the daily settlement in which it ends
};

// The cashier's monthly settlements, newest first.
class TFYjRqCxun : public SettlementPicker {
    Q_OBJECT
public:
    explicit TFYjRqCxun(QWidget* parent = nullptr);
    MonthlySettlement chosen;  // valid after OK

protected:
    void takeCurrent() override;
};

// Shows the list of the cashier's settlements; the chosen one, or nothing
// when the list was closed otherwise.
//   if (auto day = PickSettlement<TFRjRqCxun>(this, userId)) ...
template <typename List>
std::optional<decltype(List::chosen)> PickSettlement(QWidget* parent, int userId)
{
    List list(parent);
    list.setUserId(userId);
    if (list.exec() != QDialog::Accepted)
        return std::nullopt;
    return list.chosen;
}

}  // namespace tj::finance
