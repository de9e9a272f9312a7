// The cashier's monthly settlement printed again: one of his recorded
// months picked from the list, its period derived again from the stored
// days, and its sheet printed.
#pragma once

#include "finance/SettlementWindow.h"

namespace tj::finance {

class TFSfyYjBda : public SettlementWindow {
    Q_OBJECT
public:
    explicit TFSfyYjBda(QWidget* parent = nullptr);

    QPushButton* BtnCxrq = nullptr;  // 查询月结日期
    QPushButton* BtnBd = nullptr;    // 补打(&B)

    void FormShow() override;
    void BtnCxrqClick();
    void BtnBdClick();

    bool isChosen() const { return chosen_; }

private:
    bool chosen_ = false;
};

}  // namespace tj::finance
