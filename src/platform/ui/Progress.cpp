#include "platform/ui/Progress.h"

#include <QApplication>
#include <QProgressDialog>

namespace tj::ui {

namespace {
void (*stepHook)(Progress&, int) = nullptr;
}

Progress::Progress(QWidget* parent, const QString& title, int steps)
    : dialog_(std::make_unique<QProgressDialog>(title, QStringLiteral("取消"), 0, qMax(1, steps), parent))
{
    dialog_->setWindowTitle(QStringLiteral("请稍候"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(400);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setValue(0);
}

Progress::~Progress() = default;

bool Progress::step(int done, const QString& text)
{
    if (stepHook)
        stepHook(*this, done);
    if (!text.isEmpty())
        dialog_->setLabelText(text);
    dialog_->setValue(qMin(done, dialog_->maximum()));
    QApplication::processEvents();
    if (dialog_->wasCanceled())
        cancelled_ = true;
    return !cancelled_;
}

bool Progress::cancelled() const
{
    return cancelled_ || dialog_->wasCanceled();
}

void Progress::cancel()
{
    cancelled_ = true;
}

void Progress::setStepHook(void (*hook)(Progress&, int))
{
    stepHook = hook;
}

}  // namespace tj::ui
