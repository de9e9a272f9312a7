// Progress of a long piece of work run step by step on the window's thread:
// a progress bar with a cancel button, shown after a short delay, that keeps
// the window responsive between steps. The work stops at the next step
// after the operator pressed 取消.
//
//   ui::Progress p(this, "正在统计……", units.size());
//   for (int i = 0; i < units.size(); ++i) {
//       if (!p.step(i, units[i].name)) break;   // cancelled
//       ...
//   }
#pragma once

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace tj::ui {

class Progress {
public:
    Progress(QWidget* parent, const QString& title, int steps);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Before step `done` (0-based): shows the count and the text, lets the
    // window answer; false once the operator cancelled.
    bool step(int done, const QString& text = QString());
    bool cancelled() const;
    // Cancels as the operator would (tests, or a caller's own stop).
    void cancel();

    // A hook run at every step (tests cancel from it).
    static void setStepHook(void (*hook)(Progress&, int done));

private:
    std::unique_ptr<QProgressDialog> dialog_;
    bool cancelled_ = false;
};

}  // namespace tj::ui
