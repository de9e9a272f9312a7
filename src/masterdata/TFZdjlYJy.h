// Diagnoses and advice: for each department the diagnoses doctors give, with
// a description, a disease category, an explanation of the term and the
// advice to the examinee. The chief examination opens it on one diagnosis
// of a visit (a call request) to write or correct that diagnosis's entry.
#pragma once

#include "platform/db/Query.h"
#include "platform/ui/WorkingWindow.h"

class QAction;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tj::ui {
class DataGrid;
class DetailLink;
class MaintenanceController;
}

namespace tj::masterdata {

class TFZdjlYJy : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFZdjlYJy(QWidget* parent = nullptr);
    ~TFZdjlYJy() override;

    // Sets the call request for the next showing: department and diagnosis text.
    void SetCallRequest(int ksid, const QString& diagnosis);
    bool hasCallRequest() const { return callRequest_; }

    db::Query QryKshi;    // the departments: the master list and the department box
    db::Query QryJblbie;  // disease categories
    db::Query QryZdjl;    // the diagnoses of the current department
    ui::MaintenanceController* Maint = nullptr;
    ui::DetailLink* Diagnoses = nullptr;
    ui::DataGrid* cxGrdKshi = nullptr;
    ui::DataGrid* cxGrdZdjl = nullptr;
    QAction* BBtnLbie = nullptr;
    QComboBox* CmbKsid = nullptr;
    QLineEdit* EdtZyzduan = nullptr;
    QLineEdit* EdtZdmshu = nullptr;
    QLineEdit* EdtPyjma = nullptr;
    QLineEdit* EdtXhao = nullptr;
    QComboBox* CmbJblbie = nullptr;
    QPlainTextEdit* MemJshi = nullptr;
    QPlainTextEdit* MemJyi = nullptr;

    void FormShow() override;
    void FormClose() override;

public slots:
    // 类别: the disease categories, then their list read again.
    void BBtnLbieClick();

private:
    bool callRequest_ = false;
    int callKsid_ = 0;
    QString callDiagnosis_;
};

// Opens the program's diagnosis window (ui::WindowRegistry::program()->window("TFZdjlYJy") when
// a program registry exists, otherwise one instance made on first use and kept) with a call
// request, modally; true when it closed with OK (the diagnosis was saved).
bool RequestDiagnosis(QWidget* parent, int ksid, const QString& diagnosis);

}  // namespace tj::masterdata
