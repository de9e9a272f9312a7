// The cashier's monthly settlement printed again: one of his recorded
// months picked from the list, its period derived again from the stored
// days, and its sheet printed.
#pragma once

#include "finance/SettlementReprint.h"

namespace tj::finance {

class TFSfyYjBda : public SettlementReprint {
    Q_OBJECT
public:
    explicit TFSfyYjBda(QWidget* parent = nullptr);

protected:
    Choice choose() override;
};

}  // namespace tj::finance
