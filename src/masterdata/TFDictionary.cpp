#include "masterdata/TFDictionary.h"

#include "common/PinyinCode.h"
#include "core/TDM.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/MaintenanceController.h"

#include <QGroupBox>

namespace tj::masterdata {

using core::TDM;

TFDictionary::TFDictionary(const DictionaryDefinition& definition, QWidget* parent)
    : ui::WorkingWindow(parent), QryDict(TDM::instance().Connection()), definition_(definition)
{
    setWindowTitle(definition.caption);
    resize(600, 520);
    QryDict.setSql(QStringLiteral("select * from %1 order by id").arg(definition.table));
    openOnShow({&QryDict});

    const QString thirdField = definition.hasDescription ? QStringLiteral("mshu") : QStringLiteral("pyjma");
    const QString thirdCaption = definition.hasDescription ? QStringLiteral("描述") : QStringLiteral("拼音简码");
    Maint = new ui::MaintenanceController(this, QryDict, TDM::instance().QryCx());
    cxGrdDict = new ui::DataGrid(this);
    cxGrdDict->addColumn(QStringLiteral("id"), QStringLiteral("编号"), 60);
    cxGrdDict->addColumn(QStringLiteral("mcheng"), definition.nameCaption, 200);
    cxGrdDict->addColumn(thirdField, thirdCaption, 160);
    cxGrdDict->addColumn(QStringLiteral("xhao"), QStringLiteral("序号"), 60);
    cxGrdDict->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdDict->setQuery(&QryDict);

    auto* panel = new QGroupBox(this);
    ui::LayoutMaintenanceWindow(this, Maint, cxGrdDict, panel, ui::FormPlacement::Below);
    ui::FormBuilder f(Maint, panel);
    EdtMcheng = f.text(QStringLiteral("名称："), QStringLiteral("mcheng"), {.required = QStringLiteral("名称不能为空！")});
    EdtThird = definition.hasDescription
                   ? f.text(QStringLiteral("描述："), thirdField)
                   : f.pinyin(QStringLiteral("拼音简码："), thirdField, EdtMcheng, common::SearchCode);
    EdtXhao = f.text(QStringLiteral("序号："), QStringLiteral("xhao"));

    Maint->addDeleteGuard(definition.guardSql,
                          definition.guardSql.contains(QLatin1String("'%s'")) ? QStringLiteral("mcheng") : QStringLiteral("id"),
                          definition.guardMessage);
    Maint->setDeleteQuestion(definition.deleteQuestion);
}

TFDictionary::~TFDictionary() = default;

void TFDictionary::done(int result)
{
    ui::WorkingWindow::done(definition_.reportsOkOnClose ? QDialog::Accepted : result);
}

}  // namespace tj::masterdata
