// Examination items: each measured or observed value with its department,
// unit, normal result, reference limits for men and women and the tips for
// results outside them. Saving an item also brings its current values into
// the result rows of visits that are not examined yet.
#pragma once

#include "platform/db/Query.h"
#include "platform/ui/WorkingWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tj::ui {
class DataGrid;
class MaintenanceController;
}

namespace tj::masterdata {

// The statement that copies an item's current order number, unit, normal
// result, tips and the limits for the person's sex into the unexamined
// result rows of the item, matched with the selection that made them at
// registration (visits not cancelled, charge lines kept, the item still a
// selected member of the combined item). Examined rows and rows without such
// a source keep their values. One %d: the item's id (used twice).
extern const char* const RefreshResultRowsSql;

// Runs the refresh of one item on a scratch query; returns the rows changed.
int RefreshResultRows(db::Query& scratch, int xmid);

class TFXmu : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFXmu(QWidget* parent = nullptr);
    ~TFXmu() override;

    db::Query QryXmu;     // the items
    db::Query QryKshi;    // the examination departments, for names
    db::Query QryZcjguo;  // the normal results offered
    ui::MaintenanceController* Maint = nullptr;
    ui::DataGrid* cxGrdXmu = nullptr;
    QComboBox* CmbKsid = nullptr;
    QLineEdit* EdtMcheng = nullptr;
    QLineEdit* EdtPyjma = nullptr;
    QLineEdit* EdtYwdma = nullptr;
    QComboBox* CmbSyxbie = nullptr;
    QLineEdit* EdtXhao = nullptr;
    QLineEdit* EdtDwei = nullptr;
    QComboBox* CmbZcjguo = nullptr;
    QCheckBox* ChkSzjgbzhi = nullptr;
    QLineEdit* EdtCkxxian1 = nullptr;
    QLineEdit* EdtCkxxian2 = nullptr;
    QLineEdit* EdtCksxian1 = nullptr;
    QLineEdit* EdtCksxian2 = nullptr;
    QComboBox* CmbXxtshi = nullptr;
    QComboBox* CmbSxtshi = nullptr;

    void FormShow() override;

private:
    db::Value newDepartment_;  // the department of the row current when 添加 was pressed
};

}  // namespace tj::masterdata
