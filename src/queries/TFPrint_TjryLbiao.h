// The current visits registered in a date range, of one unit or matching a name (体检人员列表).
#pragma once

#include "reports/QueryWindow.h"

class QLineEdit;

namespace tj::queries {

class TFPrint_TjryLbiao : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFPrint_TjryLbiao(QWidget* parent = nullptr);

    bool Search() override;

    QCheckBox* ChkDwei = nullptr;
    QCheckBox* ChkXming = nullptr;
    QLineEdit* EdtXming = nullptr;
};

}  // namespace tj::queries
