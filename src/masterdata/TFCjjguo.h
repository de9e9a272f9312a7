// Common results: for each examination item the texts offered in the result
// column of result entry, edited in place in a grid.
#pragma once

#include "platform/db/Query.h"
#include "platform/ui/WorkingWindow.h"

namespace tj::ui {
class DataGrid;
class DetailLink;
class MaintenanceController;
}

namespace tj::masterdata {

class TFCjjguo : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFCjjguo(QWidget* parent = nullptr);
    ~TFCjjguo() override;

    db::Query QryXmu;      // the items, read only
    db::Query QryKshi;     // department names of the item groups
    db::Query QryCjjguo;   // the common results of the current item
    ui::MaintenanceController* Maint = nullptr;
    ui::DetailLink* Results = nullptr;
    ui::DataGrid* cxGrdXmu = nullptr;
    ui::DataGrid* cxGrdCjjguo = nullptr;

    void FormShow() override;
};

}  // namespace tj::masterdata
