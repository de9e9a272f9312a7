#include "platform/ui/EnterMovesFocus.h"

#include "platform/ui/KeyPreview.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QWidget>

namespace tj::ui {

EnterMovesFocus* EnterMovesFocus::install(QWidget* window)
{
    if (auto* existing = window->findChild<EnterMovesFocus*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new EnterMovesFocus(window);
}

EnterMovesFocus::EnterMovesFocus(QWidget* window) : QObject(window), window_(window)
{
    // Lowest priority: what a window does with Enter itself comes first.
    KeyPreview::of(window)->add([this](QKeyEvent* key, QWidget* focus) { return handle(key, focus); }, -100);
}

void EnterMovesFocus::allowNewLineIn(QWidget* editor)
{
    newLineEditors_.append(editor);
}

bool EnterMovesFocus::handle(QKeyEvent* key, QWidget* widget)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    // Buttons keep Enter for pressing; grids keep it for their own editing.
    // Check boxes and radio buttons are fields like the others: Enter moves on.
    const bool field = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
    if ((qobject_cast<QAbstractButton*>(widget) && !field) || qobject_cast<QAbstractItemView*>(widget))
        return false;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (newLineEditors_.contains(w))
            return false;
        // A cell editor of a grid belongs to the grid's editing.
        if (qobject_cast<QAbstractItemView*>(w))
            return false;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->view() && combo->view()->isVisible())
        return false;
    // The next control in tab order that can take the focus.
    for (QWidget* next = widget->nextInFocusChain(); next && next != widget; next = next->nextInFocusChain()) {
        if (next->window() == widget->window() && next->isVisible() && next->isEnabled()
            && (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return true;
}

}  // namespace tj::ui
