// Login window: account set, user and password; fixes the session.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QComboBox;
class QLineEdit;
class QLabel;
class QPushButton;

namespace tj::app {

class TFLogin : public QDialog {
    Q_OBJECT
public:
    explicit TFLogin(QWidget* parent = nullptr);

    QComboBox* CmbBxAccount;
    QComboBox* CmbBxUser;
    QLineEdit* EdtPassword;
    QLabel* ShpYearEnd;   // the year-end indicator square
    QLabel* LbYearEnd;    // "未年结" / "已年结"
    QPushButton* btnOk;
    QPushButton* btnCancel;

    // Database names behind the account-set list, in list order.
    const QStringList& accountDatabases() const { return accountDatabases_; }
    // User ids behind the user list, in list order.
    const std::vector<int>& userIds() const { return userIds_; }

public slots:
    void FormShow();
    void CmbBxAccountChange(int index);
    void CmbBxUserChange(int index);
    void btnOkClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FillUsers();
    void ShowYearEnd();
    void SetIndicator(bool closed);

    QStringList accountDatabases_;
    std::vector<int> userIds_;
    bool shown_ = false;
    bool filling_ = false;
};

}  // namespace tj::app
