#include "masterdata/TFDictionary.h"

#include "core/TDM.h"
#include "masterdata/WindowParts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/MaintenanceController.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace tj::masterdata {

using core::TDM;

TFDictionary::TFDictionary(const DictionaryDefinition& definition, QWidget* parent)
    : ui::WorkingWindow(parent), QryDict(TDM::instance().Connection()), definition_(definition)
{
    setWindowTitle(definition.caption);
    resize(560, 480);
    QryDict.setSql(QStringLiteral("select * from %1 order by id").arg(definition.table));

    auto* layout = new QVBoxLayout(this);
    Maint = new ui::MaintenanceController(this, QryDict, TDM::instance().QryCx());
    layout->addWidget(Maint->createToolBar(this));

    const QString thirdField = definition.hasDescription ? QStringLiteral("mshu") : QStringLiteral("pyjma");
    const QString thirdCaption = definition.hasDescription ? QStringLiteral("描述") : QStringLiteral("拼音简码");
    cxGrdDict = new ui::DataGrid(this);
    cxGrdDict->addColumn(QStringLiteral("id"), QStringLiteral("编号"), 60);
    cxGrdDict->addColumn(QStringLiteral("mcheng"), definition.nameCaption, 180);
    cxGrdDict->addColumn(thirdField, thirdCaption, 150);
    cxGrdDict->addColumn(QStringLiteral("xhao"), QStringLiteral("序号"), 60);
    cxGrdDict->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdDict->setQuery(&QryDict);
    layout->addWidget(cxGrdDict, 1);
    Maint->setGrid(cxGrdDict);

    auto* panel = new QGroupBox(this);
    auto* form = new QGridLayout(panel);
    EdtMcheng = new QLineEdit(panel);
    EdtThird = new QLineEdit(panel);
    EdtXhao = new QLineEdit(panel);
    QLabel* lblMcheng = AddLabelled(form, 0, 0, QStringLiteral("名称："), EdtMcheng);
    AddLabelled(form, 1, 0, definition.hasDescription ? QStringLiteral("描述：") : QStringLiteral("拼音简码："), EdtThird);
    AddLabelled(form, 2, 0, QStringLiteral("序号："), EdtXhao);
    setTabOrder(EdtMcheng, EdtThird);
    setTabOrder(EdtThird, EdtXhao);
    layout->addWidget(panel);

    Maint->addEditPanel(panel);
    Maint->setFirstEditor(EdtMcheng);
    Maint->bindText(EdtMcheng, QStringLiteral("mcheng"));
    if (definition.hasDescription)
        Maint->bindText(EdtThird, thirdField);
    else
        Maint->bindPinyin(EdtThird, thirdField, EdtMcheng, SearchCode());
    Maint->bindText(EdtXhao, QStringLiteral("xhao"));
    Maint->addRequired(EdtMcheng, QStringLiteral("名称不能为空！"), lblMcheng);
    Maint->addDeleteGuard(definition.guardSql, definition.guardSql.contains(QLatin1String("'%s'")) ? QStringLiteral("mcheng")
                                                                                        : QStringLiteral("id"),
                          definition.guardMessage);
    Maint->setDeleteQuestion(definition.deleteQuestion);
}

TFDictionary::~TFDictionary() = default;

void TFDictionary::FormShow()
{
    QryDict.close();
    QryDict.open();
    Maint->applyState();
}

void TFDictionary::FormClose()
{
    QryDict.close();
}


void TFDictionary::done(int result)
{
    ui::WorkingWindow::done(definition_.reportsOkOnClose ? QDialog::Accepted : result);
}

}  // namespace tj::masterdata
