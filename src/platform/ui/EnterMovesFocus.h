// Makes Enter move the focus to the next control of a window, as the
// centre's staff are used to. Multi-line editors keep Enter for new lines
// only when allowed; buttons keep Enter for pressing.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace tj::ui {

class EnterMovesFocus : public QObject {
    Q_OBJECT
public:
    // Installs the behaviour on every child control of the window, present
    // and future. The filter is owned by the window.
    static EnterMovesFocus* install(QWidget* window);

    // Multi-line editors (QPlainTextEdit, QTextEdit) that should still take
    // Enter as a new line; by default Enter moves on from them too.
    void allowNewLineIn(QWidget* editor);

private:
    explicit EnterMovesFocus(QWidget* window);
    bool handle(QKeyEvent* key, QWidget* focus);
    QWidget* window_;
    QList<QWidget*> newLineEditors_;
};

}  // namespace tj::ui
