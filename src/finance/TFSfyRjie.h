// The cashier's daily settlement: the period since his previous settlement,
// recorded (split in two at the month-end cut-off) and printed.
#pragma once

#include "finance/SettlementWindow.h"

#include <optional>

namespace tj::finance {

class TFSfyRjie : public SettlementWindow {
    Q_OBJECT
public:
    explicit TFSfyRjie(QWidget* parent = nullptr);

    QPushButton* BtnRj = nullptr;  // 日结(&J)
    QPushButton* BtnCx = nullptr;  // 查询(&Q)

    void FormShow() override;
    void BtnRjClick();
    void BtnCxClick();

    // The month-end cut-off worked out at the showing; nothing when the
    // parameters are missing or cannot be read.
    const std::optional<QDateTime>& cutOff() const { return cutOff_; }

private:
    // Records the parts of the period in one transaction after checking
    // again that nothing was recorded meanwhile; false (with the reason in
    // the message line) when refused.
    bool recordParts(const std::vector<Period>& parts);

    std::optional<QDateTime> cutOff_;
};

}  // namespace tj::finance
