// Message boxes, Yes/No questions and file dialogs of the whole program.
// Every window asks through Dialogs::instance(), so tests can replace the real
// dialogs with ScriptedDialogs, which answers from a script and records what
// was shown.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace tj::ui {

enum class Icon { None, Information, Warning, Error, Question };

// Fixed captions of the program's message boxes.
namespace Caption {
inline const QString Warning = QStringLiteral("警告信息");
inline const QString Confirm = QStringLiteral("确认信息");
inline const QString Info = QStringLiteral("提示信息");
inline const QString Error = QStringLiteral("错误信息");
}  // namespace Caption

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with one OK button. An empty caption gives a plain box.
    virtual void message(const QString& text, const QString& caption = QString(), Icon icon = Icon::None) = 0;
    // A Yes/No question; returns true for Yes. defaultYes picks the button
    // that Enter presses.
    virtual bool question(const QString& text, const QString& caption, Icon icon = Icon::Question,
                          bool defaultYes = false) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString openFile(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString saveFile(const QString& caption, const QString& folder, const QString& filter) = 0;

    // Shortcuts for the program's conventional boxes.
    void warning(const QString& text) { message(text, Caption::Warning, Icon::Warning); }
    void info(const QString& text) { message(text, Caption::Info, Icon::Information); }
    void error(const QString& text) { message(text, Caption::Error, Icon::Error); }
    bool confirm(const QString& text) { return question(text, Caption::Confirm, Icon::Question, false); }

    // The dialogs in use; the real ones unless a test installed others.
    static Dialogs& instance();
    // Replaces the dialogs in use (tests); pass nullptr to restore the real ones.
    static void install(Dialogs* dialogs);
};

// The real dialogs, shown over the active window.
class QtDialogs : public Dialogs {
public:
    void message(const QString& text, const QString& caption, Icon icon) override;
    bool question(const QString& text, const QString& caption, Icon icon, bool defaultYes) override;
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& caption, const QString& folder, const QString& filter) override;
};

// Dialogs for tests: answers questions and file dialogs from queues and
// records every box shown. Installs itself while it lives.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString caption;
        Icon icon = Icon::None;
        bool wasQuestion = false;
        bool defaultYes = false;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void message(const QString& text, const QString& caption, Icon icon) override;
    bool question(const QString& text, const QString& caption, Icon icon, bool defaultYes) override;
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& caption, const QString& folder, const QString& filter) override;

    // Answers for the next questions, in order; without one, the default button is taken.
    void answer(bool yes) { answers_.push_back(yes); }
    // File names for the next file dialogs, in order; without one, the dialog is cancelled.
    void chooseFile(const QString& path) { files_.push_back(path); }

    const std::vector<Shown>& shown() const { return shown_; }
    // Texts of all boxes shown, in order.
    QStringList texts() const;
    // The last box shown; a default-constructed one if none.
    Shown last() const { return shown_.empty() ? Shown{} : shown_.back(); }
    bool wasShown(const QString& text) const;
    void clear() { shown_.clear(); }

private:
    std::vector<Shown> shown_;
    std::deque<bool> answers_;
    std::deque<QString> files_;
    Dialogs* previous_ = nullptr;
};

}  // namespace tj::ui
