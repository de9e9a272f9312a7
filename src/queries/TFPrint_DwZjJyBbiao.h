// The visits of one unit whose chief examination is finished, listed and
// printed as the unit summary and advice report (按单位总结与建议报表).
#pragma once

#include "platform/report/PageModel.h"
#include "queries/TQrDwZjJyi.h"
#include "reports/QueryWindow.h"

namespace tj::queries {

class TFPrint_DwZjJyBbiao : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFPrint_DwZjJyBbiao(QWidget* parent = nullptr);

    bool Search() override;
    void Print() override;
    void FormShow() override;

    // The list of the unit's finished current visits, and the report's rows.
    static QString ListStatement(int unit, const QString& rangeStart, const QString& rangeEnd);
    static QString ReportStatement(int unit, const QString& rangeStart, const QString& rangeEnd);

    // The report over the last query's report data (heading filled as for printing).
    report::Document BuildReport();

    QCheckBox* ChkPreview = nullptr;  // 打印预览
    db::Query QryReport;              // the report's data set
    TQrDwZjJyi Report;
};

}  // namespace tj::queries
