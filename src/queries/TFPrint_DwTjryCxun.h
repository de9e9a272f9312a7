// Visits of one unit or of all units, by status and registration date (按单位体检人员查询).
#pragma once

#include "reports/QueryWindow.h"

class QRadioButton;

namespace tj::queries {

class TFPrint_DwTjryCxun : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFPrint_DwTjryCxun(QWidget* parent = nullptr);

    bool Search() override;
    QString PrintTitle() const override;
    // The statement with the conditions ("and ... ").
    static QString Statement(const QString& condition);

    QCheckBox* ChkDwei = nullptr;
    QCheckBox* ChkSfsjian = nullptr;
    // 统计类型: 全部, 未检, 检中, 检完, 注销.
    QRadioButton* RdgTjlx[5] = {};
};

}  // namespace tj::queries
