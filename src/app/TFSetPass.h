// Password change of the logged-in operator.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tj::app {

class TFSetPass : public QDialog {
    Q_OBJECT
public:
    explicit TFSetPass(QWidget* parent = nullptr);
    QLabel* LbOld;
    QLineEdit* EdtOld;
    QLabel* LbNew1;
    QLineEdit* EdtNew1;
    QLabel* LbNew2;
    QLineEdit* EdtNew2;
    QPushButton* BtnOk;
    QPushButton* BtnExit;
    bool askingNew() const { return askingNew_; }
public slots:
    void BtnOkClick();
private:
    bool askingNew_ = false;
};

}  // namespace tj::app
