// The cashier's daily settlement printed again: one of his recorded
// settlements picked from the list and its sheet printed.
#pragma once

#include "finance/SettlementWindow.h"

namespace tj::finance {

class TFSfyRjBda : public SettlementWindow {
    Q_OBJECT
public:
    explicit TFSfyRjBda(QWidget* parent = nullptr);

    QPushButton* BtnCxrq = nullptr;  // 查询日结日期
    QPushButton* BtnBd = nullptr;    // 补打(&B)

    void FormShow() override;
    void BtnCxrqClick();
    void BtnBdClick();

    bool isChosen() const { return chosen_; }

private:
    bool chosen_ = false;
};

}  // namespace tj::finance
