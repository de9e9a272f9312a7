#include "platform/ui/Mnemonics.h"

#include <QAction>
#include <QKeySequence>
#include <QToolBar>

namespace tj::ui {

namespace {
void addTo(QToolBar* bar)
{
    for (QAction* a : bar->actions()) {
        if (a->isSeparator() || !a->shortcut().isEmpty())
            continue;
        const QKeySequence key = QKeySequence::mnemonic(a->text());
        if (key.isEmpty())
            continue;
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
}
}  // namespace

void AddMnemonicShortcuts(QWidget* container)
{
    if (auto* bar = qobject_cast<QToolBar*>(container))
        addTo(bar);
    for (QToolBar* bar : container->findChildren<QToolBar*>())
        addTo(bar);
}

}  // namespace tj::ui
