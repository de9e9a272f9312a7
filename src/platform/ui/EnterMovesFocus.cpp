#include "platform/ui/EnterMovesFocus.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

namespace tj::ui {

EnterMovesFocus* EnterMovesFocus::install(QWidget* window)
{
    return new EnterMovesFocus(window);
}

EnterMovesFocus::EnterMovesFocus(QWidget* window) : QObject(window), window_(window)
{
    watch(window);
}

void EnterMovesFocus::allowNewLineIn(QWidget* editor)
{
    newLineEditors_.append(editor);
}

void EnterMovesFocus::watch(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            watch(child);
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        auto* added = static_cast<QChildEvent*>(event)->child();
        if (added && added->isWidgetType())
            watch(added);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->hasFocus())
        return false;
    // Buttons keep Enter for pressing; grids keep it for their own editing.
    if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractItemView*>(widget))
        return false;
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (newLineEditors_.contains(w))
            return false;
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
