// The cashier's monthly settlement: the chain of his daily settlements from
// where his previous month ended to today's daily settlement, recorded and
// printed.
#pragma once

#include "finance/SettlementWindow.h"

namespace tj::finance {

class TFSfyYjie : public SettlementWindow {
    Q_OBJECT
public:
    explicit TFSfyYjie(QWidget* parent = nullptr);

    QPushButton* BtnYj = nullptr;  // 月结(&J)
    QPushButton* BtnCx = nullptr;  // 查询(&Q)

    void FormShow() override;
    void BtnKsrqClick();
    void BtnJsrqClick();
    void BtnYjClick();
    void BtnCxClick();

    // The days stored with the month: where it begins and where it ends.
    QDate startDate() const { return startDate_; }
    QDate endDate() const { return endDate_; }
    bool startFound() const { return startFound_; }
    bool endFound() const { return endFound_; }

private:
    void updateEnabling();
    // "..." beside the start or the end: a daily settlement picked from the list.
    void pickBoundary(bool start);
    bool record();

    QDate startDate_;
    QDate endDate_;
    bool startFound_ = false;
    bool endFound_ = false;
    bool settledToday_ = false;
    int previousMonthId_ = 0;  // the cashier's latest monthly settlement at the showing (0: none)
};

}  // namespace tj::finance
