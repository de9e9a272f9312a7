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
    // The statement with the conditions (" and ...") and the day range.
    static QString Statement(const QString& condition, const QString& rangeStart, const QString& rangeEnd);

    QCheckBox* ChkDwei = nullptr;
    QCheckBox* ChkXming = nullptr;
    QLineEdit* EdtXming = nullptr;
};

}  // namespace tj::queries
