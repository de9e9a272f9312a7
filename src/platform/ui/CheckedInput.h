// A filter box that takes input only while its check box is checked, as the
// query windows and the archive's search bar have them: a text box turns
// read-only in the button-face colour (window colour again when checked),
// other controls are disabled; checking moves the focus into the box.
#pragma once

class QCheckBox;
class QWidget;

namespace tj::ui {

void InputWhileChecked(QCheckBox* check, QWidget* box);

}  // namespace tj::ui
