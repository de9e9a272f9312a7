// The small dictionaries (person categories, examination categories, zones,
// disease categories, normal results, unit natures and categories, fee
// categories, combined-item categories): one window, nine members that
// differ in captions, table, third column, delete guard and messages.
#pragma once

#include "platform/ui/WorkingWindow.h"
#include "platform/db/Query.h"

#include <QDialog>

class QLineEdit;

namespace tj::ui {
class DataGrid;
class MaintenanceController;
}

namespace tj::masterdata {

struct DictionaryDefinition {
    QString caption;           // window caption
    QString table;
    QString nameCaption;       // grid caption of mcheng
    bool hasDescription;       // third column mshu (描述) instead of pyjma (拼音简码)
    QString guardSql;          // one %d (the id) or '%s' (the name)
    QString guardMessage;
    QString deleteQuestion;
    bool reportsOkOnClose;     // closing tells the caller to reload the dictionary
};

class TFDictionary : public ui::WorkingWindow {
    Q_OBJECT
public:
    TFDictionary(const DictionaryDefinition& definition, QWidget* parent = nullptr);
    ~TFDictionary() override;

    const DictionaryDefinition& definition() const { return definition_; }

    db::Query QryDict;
    ui::MaintenanceController* Maint = nullptr;
    ui::DataGrid* cxGrdDict = nullptr;
    QLineEdit* EdtMcheng = nullptr;
    QLineEdit* EdtThird = nullptr;  // pinyin initials or description
    QLineEdit* EdtXhao = nullptr;

protected:
    void done(int result) override;

private:
    DictionaryDefinition definition_;
};

}  // namespace tj::masterdata
