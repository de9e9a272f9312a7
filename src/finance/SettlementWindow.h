// The frame every cashier's settlement window shares: "收费员：" with the
// cashier's name, a red message line, the read-only group "收费日期" with
// the period's start and end (each a date and a time field, optionally with
// a "..." button beside it), the check box "打印预览" and a row of buttons
// ending in "取消(&C)". It also prints the settlement sheet of a period.
#pragma once

#include "finance/SettlementPeriods.h"
#include "platform/ui/WorkingWindow.h"

#include <QDateTime>
#include <vector>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimeEdit;

namespace tj::finance {

class SettlementWindow : public ui::WorkingWindow {
    Q_OBJECT
public:
    QLabel* LbYhu = nullptr;   // the cashier's name (blue)
    QLabel* LbInfo = nullptr;  // the message line (red)
    QGroupBox* GrpSfrq = nullptr;
    QDateEdit* DtpKsrq = nullptr;
    QTimeEdit* DtpKssj = nullptr;
    QDateEdit* DtpJsrq = nullptr;
    QTimeEdit* DtpJssj = nullptr;
    QPushButton* BtnKsrq = nullptr;  // "..." beside the start (windows that pick it)
    QPushButton* BtnJsrq = nullptr;  // "..." beside the end
    QCheckBox* ChkPreview = nullptr;  // 打印预览
    QPushButton* BtnCancel = nullptr;

    // The period in the fields, each date combined with its time.
    QDateTime periodStart() const;
    QDateTime periodEnd() const;
    Period period() const { return {periodStart(), periodEnd()}; }
    // "打印预览" checked: sheets go to the preview instead of the printer.
    bool previewChecked() const;

protected:
    SettlementWindow(const QString& caption, bool pickers, QWidget* parent);

    // A button of the row, placed before "取消(&C)" in the order of the calls.
    QPushButton* addButton(const QString& caption);

    // The start of every showing: the centre's parameters read again (a
    // change made at another workstation counts at once), the cashier's
    // name shown and the message line cleared.
    void beginShow();
    // Whether the centre parameters a settlement needs (the software's start
    // moment, the month-end setting) are set; the missing one is named in
    // the message line.
    bool parametersSet();
    void setStart(const QDateTime& t);
    void setEnd(const QDateTime& t);
    void setPeriod(const Period& p);

    // A settlement refused when it was to be recorded: the reason in the
    // message line and in a warning box.
    void refuse(const QString& reason);

    // Fills the settlement sheet for the period and prints it, or shows its
    // preview, under the centre's name and the title.
    void printSheet(const Period& p, const QString& title, bool preview);

    // The server's time now, to the second.
    static QDateTime serverNow();

    // After the showing, the focus goes to the first button that can be pressed.
    void showEvent(QShowEvent* event) override;

private:
    std::vector<QPushButton*> buttons_;
};

}  // namespace tj::finance
