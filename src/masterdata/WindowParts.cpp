#include "masterdata/WindowParts.h"

#include "common/PinyinCode.h"
#include "platform/ui/DataGrid.h"

#include <QGridLayout>
#include <QLabel>

namespace tj::masterdata {

ui::MaintenanceController::PinyinFunction SearchCode()
{
    return [](const QString& name) {
        return common::PinyinCode(name, common::kPinyinSearchCodeFlags, common::kPinyinSearchCodeMaxLength);
    };
}

ui::DataGrid* GroupedNameGrid(QWidget* parent, db::Query& set, const QString& nameCaption, int width,
                              const QString& groupField, const QString& groupCaption, db::Query* groupList)
{
    auto* grid = new ui::DataGrid(parent);
    const int group = groupList ? grid->addLookupColumn(groupField, groupCaption, *groupList)
                                : grid->addColumn(groupField, groupCaption);
    grid->setColumnVisible(group, false);
    const int name = grid->addColumn(QStringLiteral("mcheng"), nameCaption, width);
    grid->setGroupColumn(group, groupList != nullptr);
    grid->setExpandNewGroups(true);
    grid->addSummary({name, ui::GridSummary::Kind::Count, QStringLiteral("共 %d 条")});
    grid->setQuery(&set);
    grid->setMinimumWidth(width + 20);
    return grid;
}

QLabel* AddLabelled(QGridLayout* layout, int row, int column, const QString& label, QWidget* editor,
                    int editorColumnSpan)
{
    auto* l = new QLabel(label);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setBuddy(editor);
    layout->addWidget(l, row, column);
    layout->addWidget(editor, row, column + 1, 1, editorColumnSpan);
    return l;
}

}  // namespace tj::masterdata
