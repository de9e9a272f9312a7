// Packages: lists of combined items sold together at one price. The general
// packages are offered to every client, the unit packages to the staff of
// one unit. A package's contents are edited in a working copy on the
// connection and written back as a whole, with the package, on save.
#pragma once

#include "platform/db/Query.h"
#include "platform/db/WorkingTable.h"
#include "platform/ui/WorkingWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace tj::ui {
class DataGrid;
class DetailLink;
class MaintenanceController;
}

namespace tj::masterdata {

// The general packages (unit 0).
class TFTCan : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFTCan(QWidget* parent = nullptr);
    ~TFTCan() override;

    db::Query QryTcan;        // the packages
    db::Query QryTcanSub;     // the stored contents of the current package
    db::Query QryCandTcan;    // general packages in use, to add from in bulk
    db::Query QryCandZhxmu;   // all combined items
    db::Query QryKshi;        // department names of the candidate groups
    db::Query QryDwei;        // unit names (unit packages only)
    db::WorkingTable Work;    // #tjian_tcan_sub: the contents being edited
    ui::MaintenanceController* Maint = nullptr;
    ui::DetailLink* Contents = nullptr;
    ui::DataGrid* cxGrdTcan = nullptr;
    ui::DataGrid* cxGrdTcanSub = nullptr;
    ui::DataGrid* cxGrdCandTcan = nullptr;
    ui::DataGrid* cxGrdCandZhxmu = nullptr;
    QToolButton* BtnAddTcan = nullptr;
    QToolButton* BtnAddZhxmu = nullptr;
    QComboBox* CmbDwid = nullptr;  // unit packages only
    QLineEdit* EdtMcheng = nullptr;
    QLineEdit* EdtPyjma = nullptr;
    QLineEdit* EdtJge = nullptr;
    QLineEdit* EdtXhao = nullptr;
    QComboBox* CmbSyxbie = nullptr;
    QCheckBox* ChkBzhi = nullptr;
    QPlainTextEdit* MemBzhu = nullptr;

    bool isUnitWindow() const { return unit_; }

    void FormShow() override;

public slots:
    // Double click on a candidate package: its combined items not yet in the working copy join it.
    void cxGrdCandTcanDblClick();
    // Double click on a candidate combined item: it joins the working copy unless it is there already.
    void cxGrdCandZhxmuDblClick();
    // Double click in the contents: the combined item leaves the working copy, after a question.
    void cxGrdTcanSubDblClick();

protected:
    TFTCan(bool unitPackages, QWidget* parent);

private:
    bool editingWorkingCopy();
    void showWorkingCopy();
    void execute(const QString& sql);

    bool unit_;
};

// The unit packages (unit > 0), grouped by unit.
class TFTCan_Dwei : public TFTCan {
    Q_OBJECT
public:
    explicit TFTCan_Dwei(QWidget* parent = nullptr);
};

}  // namespace tj::masterdata
