// The person archive: finds persons by archive number, examination number
// or name, edits their data, adds and deletes persons (never one with
// visits), and shows each person's photo and past visits.
#pragma once

#include "platform/db/Query.h"
#include "platform/ui/WorkingWindow.h"
#include "registration/PersonFields.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tj::ui {
class DataGrid;
class DetailLink;
class MaintenanceController;
class PhotoView;
}

namespace tj::registration {

class TFDaWhu : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFDaWhu(QWidget* parent = nullptr);
    ~TFDaWhu() override;

    PersonLists Lists;
    db::Query QryRyuan;   // the persons found
    db::Query QryVisits;  // the current person's visits

    ui::MaintenanceController* Maint = nullptr;
    QCheckBox* ChkDah = nullptr;
    QLineEdit* EdtDah = nullptr;
    QCheckBox* ChkTjhao = nullptr;
    QLineEdit* EdtTjhao = nullptr;
    QCheckBox* ChkXming = nullptr;
    QLineEdit* EdtXming = nullptr;
    QPushButton* BtnQuery = nullptr;
    ui::PhotoView* ImgZpian = nullptr;
    QTabWidget* Pages = nullptr;
    ui::DataGrid* cxGrdRyuan = nullptr;
    ui::DataGrid* cxGrdVisits = nullptr;
    ui::DetailLink* VisitsLink = nullptr;
    PersonEditors Editors;
    QPlainTextEdit* MemBzhu = nullptr;

    void FormShow() override;

public slots:
    void BtnQueryClick();
};

}  // namespace tj::registration
