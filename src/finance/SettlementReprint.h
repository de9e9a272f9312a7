// The frame of the two reprint windows: a button that picks one of the
// cashier's recorded settlements and shows its period, and "补打(&B)",
// which prints its sheet again.
#pragma once

#include "finance/SettlementWindow.h"

#include <optional>

namespace tj::finance {

class SettlementReprint : public SettlementWindow {
    Q_OBJECT
public:
    QPushButton* BtnCxrq = nullptr;  // 查询日结日期 / 查询月结日期
    QPushButton* BtnBd = nullptr;    // 补打(&B)

    void FormShow() override;
    void BtnCxrqClick();
    void BtnBdClick();

    // A settlement has been picked and its period is shown.
    bool isChosen() const { return chosen_; }

protected:
    struct Texts {
        QString caption;       // the window's
        QString pickCaption;   // the button that picks
        QString title;         // of the sheet printed again
        QString notChosen;     // 补打 before picking
    };
    SettlementReprint(const Texts& texts, QWidget* parent);

    // What picking gave: nothing when the list was closed otherwise; the
    // period to print, or the reason there is none.
    struct Choice {
        bool picked = false;
        std::optional<Period> period;
        QString message;
    };
    virtual Choice choose() = 0;

private:
    Texts texts_;
    bool chosen_ = false;
};

}  // namespace tj::finance
