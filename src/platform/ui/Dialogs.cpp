#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tj::ui {

namespace {
Dialogs* g_installed = nullptr;

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Message texts keep the old "\r" line breaks; Qt wants "\n".
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QWidget* parentWidget()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}
}  // namespace

Dialogs& Dialogs::instance()
{
    static QtDialogs real;
    return g_installed ? *g_installed : real;
}

void Dialogs::install(Dialogs* dialogs)
{
    g_installed = dialogs;
}

void QtDialogs::message(const QString& text, const QString& caption, Icon icon)
{
    QMessageBox box(toQt(icon), caption.isEmpty() ? QApplication::applicationName() : caption, displayText(text),
                    QMessageBox::Ok, parentWidget());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool QtDialogs::question(const QString& text, const QString& caption, Icon icon, bool defaultYes)
{
    QMessageBox box(toQt(icon), caption, displayText(text), QMessageBox::Yes | QMessageBox::No, parentWidget());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::openFile(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parentWidget(), caption, folder, filter);
}

QString QtDialogs::saveFile(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(parentWidget(), caption, folder, filter);
}

ScriptedDialogs::ScriptedDialogs() : previous_(g_installed)
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(previous_);
}

void ScriptedDialogs::message(const QString& text, const QString& caption, Icon icon)
{
    shown_.push_back({text, caption, icon, false, false});
}

bool ScriptedDialogs::question(const QString& text, const QString& caption, Icon icon, bool defaultYes)
{
    shown_.push_back({text, caption, icon, true, defaultYes});
    if (answers_.empty())
        return defaultYes;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

QString ScriptedDialogs::openFile(const QString&, const QString&, const QString&)
{
    if (files_.empty())
        return QString();
    QString f = files_.front();
    files_.pop_front();
    return f;
}

QString ScriptedDialogs::saveFile(const QString& caption, const QString& folder, const QString& filter)
{
    return openFile(caption, folder, filter);
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const auto& s : shown_)
        list << s.text;
    return list;
}

bool ScriptedDialogs::wasShown(const QString& text) const
{
    for (const auto& s : shown_)
        if (s.text == text)
            return true;
    return false;
}

}  // namespace tj::ui
