// Small pieces the catalogue and administration windows share: the pinyin
// initials every pyjma column holds, labelled rows of an edit panel.
#pragma once

#include "platform/ui/MaintenanceController.h"

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

namespace tj::masterdata {

// Pinyin initials of a name as the search columns keep them.
ui::MaintenanceController::PinyinFunction SearchCode();

// Puts "label" and its editor into row `row` of a grid layout, at the pair
// of columns starting at `column`; returns the label.
QLabel* AddLabelled(QGridLayout* layout, int row, int column, const QString& label, QWidget* editor,
                    int editorColumnSpan = 1);

}  // namespace tj::masterdata
