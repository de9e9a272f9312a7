#include "platform/ui/WorkingWindow.h"

#include <QShowEvent>

namespace tj::ui {

void WorkingWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Restoring a minimised window is not a new showing.
    if (!event->spontaneous())
        FormShow();
}

void WorkingWindow::done(int result)
{
    FormClose();
    QDialog::done(result);
}

}  // namespace tj::ui
