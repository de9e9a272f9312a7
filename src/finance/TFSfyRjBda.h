// The cashier's daily settlement printed again: one of his recorded
// settlements picked from the list and its sheet printed.
#pragma once

#include "finance/SettlementReprint.h"

namespace tj::finance {

class TFSfyRjBda : public SettlementReprint {
    Q_OBJECT
public:
    explicit TFSfyRjBda(QWidget* parent = nullptr);

protected:
    Choice choose() override;
};

}  // namespace tj::finance
