// The window sees key presses before its controls, as the old windows did
// with their key preview: one filter watches every control of a window,
// present and future, and offers each key press to the window's handlers,
// highest priority first, before the control gets it.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QKeyEvent;
class QWidget;

namespace tj::ui {

class KeyPreview : public QObject {
    Q_OBJECT
public:
    // Sees the key and the control that has the focus; true consumes it.
    using Handler = std::function<bool(QKeyEvent* key, QWidget* focus)>;

    // The window's key preview, made on first use (owned by the window).
    static KeyPreview* of(QWidget* window);
    // Handlers of equal priority run in the order added.
    void add(Handler handler, int priority = 0);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyPreview(QWidget* window);
    void watch(QObject* object);

    struct Entry {
        Handler handler;
        int priority;
    };
    std::vector<Entry> handlers_;
};

// Enter (without Ctrl or Alt) in the control runs the action instead of
// moving on: a search box runs its search, a number box its lookup.
//   ui::EnterRuns(this, EdtTjhao, [this] { BtnQueryClick(); });
void EnterRuns(QWidget* window, QWidget* control, std::function<void()> action);

}  // namespace tj::ui
