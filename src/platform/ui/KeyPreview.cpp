#include "platform/ui/KeyPreview.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace tj::ui {

KeyPreview* KeyPreview::of(QWidget* window)
{
    if (auto* existing = window->findChild<KeyPreview*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new KeyPreview(window);
}

KeyPreview::KeyPreview(QWidget* window) : QObject(window)
{
    watch(window);
}

void KeyPreview::add(Handler handler, int priority)
{
    // Stable: equal priorities keep the order they were added in.
    auto at = std::find_if(handlers_.begin(), handlers_.end(), [&](const Entry& e) { return e.priority < priority; });
    handlers_.insert(at, {std::move(handler), priority});
}

void KeyPreview::watch(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            watch(child);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        auto* added = static_cast<QChildEvent*>(event)->child();
        if (added && added->isWidgetType())
            watch(added);
        return false;
    }
    // Filters installed later run first (a grid's cell editor gets its
    // delegate's filter after it was made): a control taking the focus puts
    // this filter in front again.
    if (event->type() == QEvent::FocusIn) {
        watched->installEventFilter(this);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // The key reaches the filter once for the control that has the focus.
    if (!widget || !widget->hasFocus())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    for (const Entry& e : handlers_)
        if (e.handler(key, widget))
            return true;
    return false;
}

void EnterRuns(QWidget* window, QWidget* control, std::function<void()> action)
{
    QPointer<QWidget> target(control);
    KeyPreview::of(window)->add(
        [target, action = std::move(action)](QKeyEvent* key, QWidget* focus) {
            if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
                || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                return false;
            for (QWidget* w = focus; w; w = w->parentWidget())
                if (w == target) {
                    action();
                    return true;
                }
            return false;
        },
        10);
}

}  // namespace tj::ui
