// The unit payment receipt: a unit's visits on account, unsettled, of a
// registration period, with their amounts; the selected ones are settled
// when the unit pays.
#pragma once

#include "reports/QueryWindow.h"

#include <vector>

class QPushButton;

namespace tj::registration {

class TFTjDwHkuan : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFTjDwHkuan(QWidget* parent = nullptr);
    ~TFTjDwHkuan() override;

    QPushButton* BtnHkuan = nullptr;

    void FormShow() override;
    bool Search() override;
    // Record ids of the selected visits, in the grid's order.
    std::vector<qint64> SelectedVisitIds() const;

public slots:
    void BtnHkuanClick();
};

}  // namespace tj::registration
