// User authorisation: grants and withdraws the menu entries of each user.
#pragma once

#include "platform/ui/WorkingWindow.h"
#include "admin/UserList.h"

#include <QDialog>
#include <functional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QToolBar;
class QAction;

namespace tj::ui {
class DataGrid;
}

namespace tj::admin {

// What a node of the permission tree carries: a root the system value, every
// other node the system value and its menu code.
struct TQxZhi {
    QString zhi;
};
struct TQxCdan {
    QString zhi;
    QString qxcdan;
};

class TFYhSquan : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFYhSquan(QWidget* parent = nullptr);
    ~TFYhSquan() override;

    void FormShow() override;
    void FormClose() override;
    // Loads the current user's grants into the check boxes.
    void LoadUserGrants();
    void BBtnFpeiClick();   // 分配
    void BBtnHshouClick();  // 回收

    // The node of a menu code; nullptr when the tree has none.
    QTreeWidgetItem* nodeForCode(const QString& code) const;
    // Node data as stored on the node.
    static bool isRoot(const QTreeWidgetItem* node);
    static TQxZhi rootData(const QTreeWidgetItem* node);
    static TQxCdan menuData(const QTreeWidgetItem* node);

    UserList Users;
    ui::DataGrid* cxGrdYhu = nullptr;
    QAction* BBtnFpei = nullptr;
    QAction* BBtnHshou = nullptr;
    QAction* BBtnClose = nullptr;
    QLabel* LblXming = nullptr;
    QLabel* LblXhao = nullptr;
    QLabel* LblZhao = nullptr;
    QLabel* LblXbie = nullptr;
    QLabel* LblKshi = nullptr;
    QLabel* LblYhlbie = nullptr;
    QTreeWidget* RzChkTree = nullptr;
    QLabel* PnlLoading = nullptr;

private:
    void BuildTree();
    void FillNode(QTreeWidgetItem* node, const QString& zhi, const QString& code);
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& caption, const QString& zhi, const QString& code);
    void ShowUser();
    void SaveQxian(const QString& qxian);
    // Runs the writes of a press in one transaction; on an error rolls back,
    // leaves the user row as stored and passes the error on.
    void RunInTransaction(const std::function<void()>& work);
    int loadedUser_ = 0;
};

}  // namespace tj::admin
