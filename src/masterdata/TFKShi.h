// Examination departments: the departments of categories 11, 12 and 13.
#pragma once

#include "platform/ui/WorkingWindow.h"
#include "platform/db/Query.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tj::ui {
class DataGrid;
class MaintenanceController;
}

namespace tj::masterdata {

class TFKShi : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFKShi(QWidget* parent = nullptr);
    ~TFKShi() override;

    db::Query QryKshi;    // the departments
    db::Query QryKslbie;  // the three categories, for names
    ui::MaintenanceController* Maint = nullptr;
    ui::DataGrid* cxGrdKshi = nullptr;
    QLineEdit* EdtMcheng = nullptr;
    QLineEdit* EdtPyjma = nullptr;
    QComboBox* CmbKslbie = nullptr;
    QLineEdit* EdtXhao = nullptr;
    QLineEdit* EdtWzhi = nullptr;
    QPlainTextEdit* MemBzhu = nullptr;
};

}  // namespace tj::masterdata
