// The chief examinations entered by one chief doctor in a range, as a count
// and as a list (总检医生工作量统计报表).
#pragma once

#include "reports/QueryWindow.h"

class QTabWidget;

namespace tj::queries {

class TFPrint_ZjYsGzlBbiao : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFPrint_ZjYsGzlBbiao(QWidget* parent = nullptr);

    bool Search() override;
    void FormShow() override;
    QString PrintTitle() const override;
    QString PrintSubtitle() const override;
    ui::DataGrid* PrintGrid() const override;

    int doctorId() const;
    // The count per stored doctor name, and the list, of one doctor's chief examinations in the range.
    static QString SummaryStatement(int doctor, const QString& rangeStart, const QString& rangeEnd);
    static QString DetailStatement(int doctor, const QString& rangeStart, const QString& rangeEnd);

    QComboBox* CmbZjys = nullptr;
    QTabWidget* PageControl = nullptr;
    ui::DataGrid* GridMx = nullptr;  // 明细
    db::Query QryMx;
    db::Query QryYhu;
};

}  // namespace tj::queries
