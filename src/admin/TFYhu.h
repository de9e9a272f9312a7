// Users: the operators of the program, each in an examination department.
#pragma once

#include "platform/ui/WorkingWindow.h"
#include "admin/UserList.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tj::ui {
class DataGrid;
class MaintenanceController;
}

namespace tj::admin {

class TFYhu : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFYhu(QWidget* parent = nullptr);
    ~TFYhu() override;

    void FormShow() override;
    void FormClose() override;

    UserList Users;
    ui::MaintenanceController* Maint = nullptr;
    ui::DataGrid* cxGrdYhu = nullptr;
    QLineEdit* EdtXming = nullptr;
    QLineEdit* EdtXhao = nullptr;
    QLineEdit* EdtZhao = nullptr;
    QComboBox* CmbXbie = nullptr;
    QLineEdit* EdtPyjma = nullptr;
    QComboBox* CmbKshi = nullptr;
    QLineEdit* EdtDhua = nullptr;
    QComboBox* CmbYhlbie = nullptr;
    QPlainTextEdit* MemJjie = nullptr;
    QPlainTextEdit* MemBzhu = nullptr;
};

}  // namespace tj::admin
