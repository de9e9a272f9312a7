// Centre parameters: the centre's name, the moment the software came into
// use, and the monthly cut-off of the settlements.
#pragma once

#include "platform/ui/WorkingWindow.h"
#include "platform/db/Query.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace tj::admin {

class TFCsSz : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFCsSz(QWidget* parent = nullptr);
    ~TFCsSz() override;

    void FormShow() override;
    void BBtnOkClick();

    // Called after a save, so the running program shows the new name
    // (the start-up code points it at the main window's status bar).
    std::function<void()> parametersSaved;

    QLineEdit* EdtZxmcheng = nullptr;   // 体检中心名称
    QGroupBox* GrpQysz = nullptr;       // 软件启用设置
    QDateEdit* DtpQyrq = nullptr;
    QTimeEdit* DtpQysj = nullptr;
    QComboBox* CmbYjri = nullptr;       // 月底, 1 ... 28
    QTimeEdit* DtpYjsj = nullptr;
    QPushButton* BBtnOk = nullptr;
    QPushButton* BBtnCancel = nullptr;

protected:

private:
};

}  // namespace tj::admin
