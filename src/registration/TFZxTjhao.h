// Cancelling examination numbers: lists visits not cancelled, by number
// and unit, and cancels the selected ones in one transaction.
#pragma once

#include "reports/QueryWindow.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tj::registration {

class TFZxTjhao : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFZxTjhao(QWidget* parent = nullptr);
    ~TFZxTjhao() override;

    QCheckBox* ChkTjhao = nullptr;
    QLineEdit* EdtTjhao = nullptr;
    QCheckBox* ChkDwei = nullptr;
    QPushButton* BtnZxiao = nullptr;

    void FormShow() override;
    bool Search() override;

public slots:
    void BtnZxiaoClick();
};

}  // namespace tj::registration
