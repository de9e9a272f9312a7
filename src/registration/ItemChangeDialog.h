// What the dialogs adding items to visits and withdrawing items from them
// share: on the left the combined items by department with a pinyin
// search, on the right the chosen items (a working table made afresh each
// time the dialog is shown), the log of the last presses and 确定 / 取消.
// Double-click or Enter on a combined item chooses it. The dialogs stay open
// after 确定, showing the log.
#pragma once

#include "platform/db/Query.h"
#include "platform/db/WorkingTable.h"
#include "platform/ui/WorkingWindow.h"
#include "registration/ItemChanges.h"

#include <QStringList>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QVBoxLayout;

namespace tj::ui {
class DataGrid;
}

namespace tj::registration {

class ItemChangeDialog : public ui::WorkingWindow {
    Q_OBJECT
public:
    // The examination numbers the press works on, in the visit list's order.
    void setNumbers(const QStringList& numbers) { numbers_ = numbers; }
    const QStringList& numbers() const { return numbers_; }

    db::Query QryZhxmu;  // the combined items
    db::Query QryKshi;   // departments, for the group captions
    db::WorkingTable Chosen;
    QLineEdit* EdtPyjma = nullptr;
    ui::DataGrid* cxGrdZhxmu = nullptr;
    ui::DataGrid* cxGrdChosen = nullptr;
    QTextEdit* RchLog = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    void FormShow() override;

public slots:
    // Enter in the pinyin box: the combined items whose initials contain the text.
    void EdtPyjmaEnter();
    // Chooses the current combined item.
    void ChooseCurrentItem();
    virtual void BtnOkClick() = 0;

protected:
    ItemChangeDialog(const QString& caption, const QString& workingTable, std::vector<db::WorkingColumn> columns,
                     QWidget* parent);
    // The statement that copies one combined item into the chosen items (%d: its id).
    virtual QString chooseStatement(int zhxmid) const = 0;
    // A line of the log, green or red.
    void writeLog(const ChangeLogLine& line);
    ChangeLog logger();

private:
    QStringList numbers_;
};

}  // namespace tj::registration
