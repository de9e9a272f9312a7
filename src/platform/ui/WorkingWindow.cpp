#include "platform/ui/WorkingWindow.h"

#include "platform/db/Query.h"
#include "platform/ui/Mnemonics.h"

#include <QShowEvent>

namespace tj::ui {

WorkingWindow::WorkingWindow(QWidget* parent) : QDialog(parent) {}

void WorkingWindow::openOnShow(std::initializer_list<db::Query*> sets)
{
    for (db::Query* q : sets)
        sets_.emplace_back(q);
}

void WorkingWindow::closeOnClose(std::initializer_list<db::Query*> sets)
{
    for (db::Query* q : sets)
        closeOnly_.emplace_back(q);
}

void WorkingWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Restoring a minimised window is not a new showing.
    if (event->spontaneous())
        return;
    AddMnemonicShortcuts(this);
    for (auto& q : sets_) {
        if (!q)
            continue;
        q->close();
        q->open();
    }
    FormShow();
}

void WorkingWindow::done(int result)
{
    FormClose();
    for (auto& q : closeOnly_)
        if (q)
            q->close();
    for (auto it = sets_.rbegin(); it != sets_.rend(); ++it)
        if (*it)
            (*it)->close();
    QDialog::done(result);
}

}  // namespace tj::ui
