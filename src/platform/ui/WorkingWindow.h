// A working window of the program: created once at start-up and shown
// modally again and again. It opens its data sets each time it is shown
// (FormShow) and closes them whenever it closes, however it is closed
// (FormClose).
#pragma once

#include <QDialog>

namespace tj::ui {

class WorkingWindow : public QDialog {
    Q_OBJECT
public:
    explicit WorkingWindow(QWidget* parent = nullptr) : QDialog(parent) {}

public slots:
    virtual void FormShow() {}
    virtual void FormClose() {}

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
};

}  // namespace tj::ui
