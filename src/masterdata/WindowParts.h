// Small pieces the catalogue and administration windows share: the pinyin
// initials every pyjma column holds, labelled rows of an edit panel, the
// program's long-lived windows opened from another window.
#pragma once

#include "platform/ui/MaintenanceController.h"
#include "platform/ui/WindowRegistry.h"

#include <QDialog>
#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

namespace tj::ui {
class DataGrid;
}

namespace tj::masterdata {

// The catalogue's browse list: the one visible column of names (mcheng)
// under groups of a hidden column (a department, a unit: shown by its name
// in groupList; a state word when groupList is null), groups open, the
// count "共 n 条" in the footer.
ui::DataGrid* GroupedNameGrid(QWidget* parent, db::Query& set, const QString& nameCaption, int width,
                              const QString& groupField, const QString& groupCaption, db::Query* groupList);

// Pinyin initials of a name as the search columns keep them.
ui::MaintenanceController::PinyinFunction SearchCode();

// Puts "label" and its editor into row `row` of a grid layout, at the pair
// of columns starting at `column`; returns the label.
QLabel* AddLabelled(QGridLayout* layout, int row, int column, const QString& label, QWidget* editor,
                    int editorColumnSpan = 1);

// The program's long-lived window of that name (made by the program's
// registry on first use), for a window that opens another: 类别 opens the
// disease categories. Without a program registry (tests, tools) one window
// of type W is made on first use and kept with `owner`'s window; without
// an owner it is made for one showing and freed when it closes.
template <typename W>
W* ProgramWindow(const QString& name, QWidget* owner)
{
    if (ui::WindowRegistry* registry = ui::WindowRegistry::program(); registry && registry->contains(name))
        return dynamic_cast<W*>(registry->window(name));
    QWidget* keeper = owner ? owner->window() : nullptr;
    if (keeper)
        for (QDialog* d : keeper->findChildren<QDialog*>(name, Qt::FindDirectChildrenOnly))
            if (auto* w = dynamic_cast<W*>(d))
                return w;
    auto* w = new W(keeper);
    w->setObjectName(name);
    if (!keeper)
        w->setAttribute(Qt::WA_DeleteOnClose);
    return w;
}

}  // namespace tj::masterdata
