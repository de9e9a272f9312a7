// Alt+letter for the "&" captions of tool-bar actions. Buttons and menus
// answer their mnemonics by themselves; tool-bar actions do not, so a
// keyboard-only clerk could not add, edit or save.
#pragma once

class QWidget;

namespace tj::ui {

// Gives every action of the tool bars inside `container` (or of the
// container itself when it is a tool bar) whose caption has "&x" the
// shortcut Alt+x, unless it has a shortcut already. Safe to call again.
void AddMnemonicShortcuts(QWidget* container);

}  // namespace tj::ui
