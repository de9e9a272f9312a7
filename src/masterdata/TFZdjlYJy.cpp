#include "masterdata/TFZdjlYJy.h"

#include "common/PinyinCode.h"
#include "core/TDM.h"
#include "masterdata/Dictionaries.h"
#include "masterdata/WindowParts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DetailLink.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/MaintenanceController.h"

#include <QTreeView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>

namespace tj::masterdata {

using core::TDM;

TFZdjlYJy::TFZdjlYJy(QWidget* parent)
    : ui::WorkingWindow(parent),
      QryKshi(TDM::instance().Connection()),
      QryJblbie(TDM::instance().Connection()),
      QryZdjl(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("诊断结论与建议维护"));
    resize(1180, 720);
    QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie in (11,12,13)"));
    QryJblbie.setSql(QStringLiteral("select * from tjian_jblbie"));
    openOnShow({&QryJblbie, &QryKshi});
    closeOnClose({&QryZdjl});

    cxGrdKshi = new ui::DataGrid(this);
    cxGrdKshi->addColumn(QStringLiteral("id"), QStringLiteral("编号"), 50);
    cxGrdKshi->addColumn(QStringLiteral("mcheng"), QStringLiteral("科室名称"), 150);
    cxGrdKshi->sortBy(0);
    cxGrdKshi->setQuery(&QryKshi);
    cxGrdKshi->setMinimumWidth(220);

    Maint = new ui::MaintenanceController(this, QryZdjl, TDM::instance().QryCx());
    cxGrdZdjl = new ui::DataGrid(this);
    cxGrdZdjl->addColumn(QStringLiteral("zyzduan"), QStringLiteral("主要诊断"), 170);
    cxGrdZdjl->addColumn(QStringLiteral("zdmshu"), QStringLiteral("诊断描述"), 150);
    cxGrdZdjl->addColumn(QStringLiteral("pyjma"), QStringLiteral("拼音简码"), 80);
    cxGrdZdjl->addColumn(QStringLiteral("xhao"), QStringLiteral("序号"), 45);
    cxGrdZdjl->addColumn(QStringLiteral("jblbie"), QStringLiteral("疾病类别"), 110);
    cxGrdZdjl->addColumn(QStringLiteral("jshi"), QStringLiteral("名词解释"), 160);
    cxGrdZdjl->addColumn(QStringLiteral("jyi"), QStringLiteral("建议"), 200);
    cxGrdZdjl->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("共 %d 条")});
    cxGrdZdjl->setMultiSelect(true);
    cxGrdZdjl->setQuery(&QryZdjl);

    auto* split = new QSplitter(this);
    split->addWidget(cxGrdKshi);
    auto* right = new QWidget(split);
    auto* panel = new QGroupBox(right);
    ui::LayoutMaintenanceWindow(right, Maint, cxGrdZdjl, panel, ui::FormPlacement::Below);
    right->layout()->setContentsMargins(0, 0, 0, 0);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    (new QHBoxLayout(this))->addWidget(split);

    ui::FormBuilder f(Maint, panel, 2);
    CmbKsid = f.lookup(QStringLiteral("所属科室："), QStringLiteral("ksid"), QryKshi,
                       {.required = QStringLiteral("所属科室不能为空！")});
    EdtZyzduan = f.text(QStringLiteral("主要诊断："), QStringLiteral("zyzduan"),
                        {.required = QStringLiteral("主要诊断不能为空！"), .first = true});
    EdtZdmshu = f.text(QStringLiteral("诊断描述："), QStringLiteral("zdmshu"));
    EdtPyjma = f.pinyin(QStringLiteral("拼音简码："), QStringLiteral("pyjma"), EdtZyzduan, common::SearchCode);
    EdtXhao = f.text(QStringLiteral("序号："), QStringLiteral("xhao"));
    CmbJblbie = f.lookup(QStringLiteral("疾病类别："), QStringLiteral("jblbie"), QryJblbie, {}, QStringLiteral("mcheng"),
                         QStringLiteral("mcheng"));
    MemJshi = f.memo(QStringLiteral("名称解释："), QStringLiteral("jshi"), {.span = 2, .height = 70});
    MemJyi = f.memo(QStringLiteral("建议："), QStringLiteral("jyi"), {.span = 2, .height = 90});

    BBtnLbie = Maint->insertAction(Maint->actionClose(), QStringLiteral("类别(&L)"), QStyle::SP_FileDialogListView, true);
    connect(BBtnLbie, &QAction::triggered, this, &TFZdjlYJy::BBtnLbieClick);

    // The diagnoses of the department chosen on the left; choosing another
    // department while a diagnosis is edited discards the unsaved input.
    Diagnoses = new ui::DetailLink(QryKshi, QStringLiteral("id"), QryZdjl,
                                   QStringLiteral("select * from tjian_zdjlyjyi where ksid=%d order by xhao"), this);
    Maint->beforeAdd = [this] { return QryKshi.isOpen() && !QryKshi.isEmpty(); };
    Maint->afterAdd = [this] { QryZdjl.setField(QStringLiteral("ksid"), QryKshi.field(QStringLiteral("id")).value()); };
    // A diagnosis written for the chief examination closes the window with OK.
    Maint->afterSave = [this] {
        if (callRequest_)
            accept();
    };
    // The grid's own delete command, with its own question, for the selected rows.
    Maint->deleteRow = [this] { cxGrdZdjl->deleteSelectedRows(); };
}

TFZdjlYJy::~TFZdjlYJy() = default;

void TFZdjlYJy::SetCallRequest(int ksid, const QString& diagnosis)
{
    callRequest_ = true;
    callKsid_ = ksid;
    callDiagnosis_ = diagnosis;
}

void TFZdjlYJy::FormShow()
{
    cxGrdKshi->view()->setFocus();
    if (!callRequest_ || !QryKshi.locate(QStringLiteral("id"), callKsid_))
        return;
    // The department's diagnoses: the entry of the same text is edited, or a new one is written.
    if (!QryZdjl.isOpen())
        Diagnoses->reload();
    if (QryZdjl.locate(QStringLiteral("zyzduan"), callDiagnosis_))
        Maint->BBtnEditClick();
    else
        Maint->BBtnAddClick();
    if (!Maint->isEditing())
        return;
    QryZdjl.setField(QStringLiteral("ksid"), callKsid_);
    QryZdjl.setField(QStringLiteral("zyzduan"), callDiagnosis_);
    EdtZyzduan->setFocus();
}

void TFZdjlYJy::FormClose()
{
    // The request holds for one showing; from the menu the window opens normally.
    callRequest_ = false;
}

void TFZdjlYJy::BBtnLbieClick()
{
    if (ProgramWindow<TFJblbie>(QStringLiteral("TFJblbie"), this)->exec() != QDialog::Accepted)
        return;
    QryJblbie.close();
    QryJblbie.open();
}

bool RequestDiagnosis(QWidget* parent, int ksid, const QString& diagnosis)
{
    TFZdjlYJy* w = ProgramWindow<TFZdjlYJy>(QStringLiteral("TFZdjlYJy"), parent);
    if (!w)
        return false;
    w->SetCallRequest(ksid, diagnosis);
    return w->exec() == QDialog::Accepted;
}

}  // namespace tj::masterdata
