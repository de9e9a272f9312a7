// Per unit, the number of visits in each status for a registration range (按单位体检量查询).
#pragma once

#include "reports/QueryWindow.h"

namespace tj::queries {

class TFPrint_DwTjlCxun : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFPrint_DwTjlCxun(QWidget* parent = nullptr);
    bool Search() override;
    static QString Statement(const QString& rangeStart, const QString& rangeEnd);
};

}  // namespace tj::queries
