#include "masterdata/WindowParts.h"

#include "common/PinyinCode.h"

#include <QGridLayout>
#include <QLabel>

namespace tj::masterdata {

ui::MaintenanceController::PinyinFunction SearchCode()
{
    return [](const QString& name) {
        return common::PinyinCode(name, common::kPinyinSearchCodeFlags, common::kPinyinSearchCodeMaxLength);
    };
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
