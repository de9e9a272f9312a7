// Combined items: the priced units charged at registration, and their
// membership, one row per examination item of the combined item's
// department with a flag telling whether it is part of it.
#pragma once

#include "platform/db/Query.h"
#include "platform/ui/WorkingWindow.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tj::ui {
class DataGrid;
class DetailLink;
class MaintenanceController;
}

namespace tj::masterdata {

// Brings a combined item's membership up to date with its department: rows
// of items no longer in the department go (unless results of the combined
// item use them), items new to the department join unselected.
void RefreshMembership(db::Query& scratch, int zhxmid, int ksid);

class TFZhXmu : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit TFZhXmu(QWidget* parent = nullptr);
    ~TFZhXmu() override;

    db::Query QryZhxmu;     // the combined items
    db::Query QryZhxmuSub;  // the membership of the current combined item
    db::Query QryKshi;
    db::Query QryLbie;      // combined-item categories
    db::Query QryFbie;      // fee categories
    ui::MaintenanceController* Maint = nullptr;
    ui::DetailLink* Members = nullptr;
    ui::DataGrid* cxGrdZhxmu = nullptr;
    ui::DataGrid* cxGrdZhxmuSub = nullptr;
    QAction* BBtnRefresh = nullptr;
    QAction* BBtnLbie = nullptr;
    QAction* BBtnFbie = nullptr;
    QComboBox* CmbKsid = nullptr;
    QLineEdit* EdtMcheng = nullptr;
    QLineEdit* EdtPyjma = nullptr;
    QComboBox* CmbLbie = nullptr;
    QLineEdit* EdtSfjge = nullptr;
    QLineEdit* EdtHsjge = nullptr;
    QComboBox* CmbFbie = nullptr;
    QLineEdit* EdtXhao = nullptr;
    QLineEdit* EdtTsxxi = nullptr;
    QPlainTextEdit* MemLcyyi = nullptr;
    QCheckBox* ChkSfxybben = nullptr;
    QLineEdit* EdtJma = nullptr;     // 简码 of the membership search
    QPushButton* BtnCx = nullptr;    // 查询

    void FormShow() override;

public slots:
    // 刷新: the current combined item's membership brought up to date and shown again.
    void BBtnRefreshClick();
    void BBtnLbieClick();
    void BBtnFbieClick();
    // 查询: members whose pinyin initials start with the typed text; all when empty.
    void BtnCxClick();
    // Double click on a member: switches it on or off at once.
    void cxGrdZhxmuSubDblClick();

private:
    db::Value shownKey_;  // the combined item whose membership is shown
};

}  // namespace tj::masterdata
