// Units: the employers and other organisations whose staff come as a group.
#pragma once

#include "platform/ui/WorkingWindow.h"
#include "platform/db/Query.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tj::ui {
class DataGrid;
class MaintenanceController;
}

namespace tj::masterdata {

class TFDwei : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFDwei(QWidget* parent = nullptr);
    ~TFDwei() override;

    db::Query QryDwei;
    db::Query QryDwlbie;
    db::Query QryDwxzhi;
    db::Query QryKshi;   // business departments (category 13)
    db::Query QryTjfqu;
    ui::MaintenanceController* Maint = nullptr;
    ui::DataGrid* cxGrdDwei = nullptr;
    QLineEdit* EdtMcheng = nullptr;
    QLineEdit* EdtPyjma = nullptr;
    QLineEdit* EdtXhao = nullptr;
    QLineEdit* EdtFzren = nullptr;
    QLineEdit* EdtFzrdhua = nullptr;
    QLineEdit* EdtFzrsji = nullptr;
    QLineEdit* EdtDzhi = nullptr;
    QComboBox* CmbDwlbid = nullptr;
    QComboBox* CmbDwxzid = nullptr;
    QLineEdit* EdtRshu = nullptr;
    QComboBox* CmbKsid = nullptr;
    QLineEdit* EdtYwyuan = nullptr;
    QLineEdit* EdtTjrqapai = nullptr;
    QComboBox* CmbTjfqid = nullptr;
    QRadioButton* RdBtnXjie = nullptr;  // 现结, stores 1
    QRadioButton* RdBtnJzhang = nullptr;  // 记帐, stores 2
    QLineEdit* EdtBzhu = nullptr;
};

}  // namespace tj::masterdata
