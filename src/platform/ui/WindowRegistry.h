// The program's windows by the name their menu entry opens. A long-lived
// window is made the first time its entry is chosen and shown again on every
// later choice; a one-use dialog is made for each choice and freed after it.
// Nothing is constructed before it is needed.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

namespace tj::ui {

class WindowRegistry {
public:
    using Factory = std::function<QDialog*(QWidget* parent)>;
    enum class Lifetime { LongLived, OneUse };

    explicit WindowRegistry(QWidget* parent = nullptr) : parent_(parent) {}
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void add(const QString& name, Factory create, Lifetime lifetime = Lifetime::LongLived);
    bool contains(const QString& name) const { return entries_.count(name) > 0; }
    QStringList names() const;

    // The long-lived window, made on first use; nullptr for unknown names
    // and for one-use dialogs.
    QDialog* window(const QString& name);
    // Whether the long-lived window has been made.
    bool isCreated(const QString& name) const;
    // Shows the window modally (making it first when needed); returns the
    // dialog's result, or -1 for an unknown name.
    int open(const QString& name);

    // The registry of the running program (the main window's), so that a
    // window can open another long-lived window (the chief examination
    // opens the diagnosis window); nullptr when there is none (tests).
    static WindowRegistry* program();
    static void setProgram(WindowRegistry* registry);

private:
    struct Entry {
        Factory create;
        Lifetime lifetime = Lifetime::LongLived;
        QPointer<QDialog> window;
    };
    QWidget* parent_;
    std::map<QString, Entry> entries_;
};

}  // namespace tj::ui
