// How many of a unit's staff received chosen diagnoses and who they are, for
// one unit or all units and a registration range, with the unit's top
// diagnoses as a bar chart (按单位患病名单查询).
#pragma once

#include "reports/QueryWindow.h"

class QTabWidget;
class QTreeWidget;

namespace tj::queries {

class QueryChart;

class TFPrint_DwHbmdCxun : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFPrint_DwHbmdCxun(QWidget* parent = nullptr);
    ~TFPrint_DwHbmdCxun() override;

    bool Search() override;
    QString PrintTitle() const override;
    ui::DataGrid* PrintGrid() const override;
    void FormShow() override;

    // The diagnoses ticked in the tree, in tree order.
    QStringList tickedDiagnoses() const;
    // Shows the names for the summary line under the cursor, as the last
    // double-clicked column decides (the unit column: that unit and
    // diagnosis; the diagnosis column: that diagnosis in all units; any
    // other: every name).
    void ShowDetails();

    QCheckBox* ChkDwei = nullptr;
    QCheckBox* ChkQxuanTree = nullptr;
    QTreeWidget* TreeJbing = nullptr;
    QTabWidget* PageControl = nullptr;
    ui::DataGrid* GridMx = nullptr;  // 明细情况
    db::Query QryMx;
    QueryChart* Chart = nullptr;
    // The field of the last double-clicked summary column.
    QString clickedField = QStringLiteral("dwmcheng");

private:
    void BuildTree();
    void fillChart();

    db::Query QryKshi_;
};

}  // namespace tj::queries
