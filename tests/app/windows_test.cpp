// Every window of the menu, opened as a clerk would on the demonstration
// data: made only when first chosen, fits a 1280x1024 screen, and every
// tool-bar caption with "&" answers Alt+letter.
#include "app/TFMain.h"
#include "app/WindowList.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using tj::app::TFMain;

namespace {

class ProgramWindows : public tj::test::DemoWindowTest {
protected:
    ProgramWindows()
    {
        tj::core::Session::current().CurrentUserId = db.administratorId();
        tj::core::Session::current().CurrentUserName = QStringLiteral("系统管理员");
        tj::app::RegisterWindows(main);
    }
    TFMain main;
};

TEST_F(ProgramWindows, AreMadeOnFirstUseOnlyAndFitTheScreen)
{
    auto& registry = main.windows();
    for (const QString& name : registry.names())
        EXPECT_FALSE(registry.isCreated(name)) << name.toStdString();
    for (const QString& name : registry.names()) {
        QDialog* w = registry.window(name);
        if (!w)
            continue;  // a dialog made for one use
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(registry.isCreated(name));
        EXPECT_EQ(registry.window(name), w);
        w->show();
        EXPECT_LE(w->width(), 1280);
        EXPECT_LE(w->height(), 1000);
        EXPECT_LE(w->minimumSizeHint().width(), w->width());
        EXPECT_LE(w->minimumSizeHint().height(), w->height());
        shot(w, name);
        w->close();
    }
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProgramWindows, ToolBarCaptionsAnswerAltLetter)
{
    auto& registry = main.windows();
    int fired = 0;
    for (const QString& name : registry.names()) {
        QDialog* w = registry.window(name);
        if (!w)
            continue;
        SCOPED_TRACE(name.toStdString());
        w->show();
        QApplication::setActiveWindow(w);
        for (QToolBar* bar : w->findChildren<QToolBar*>()) {
            for (QAction* a : bar->actions()) {
                const QKeySequence key = QKeySequence::mnemonic(a->text());
                if (key.isEmpty() || !a->isEnabled() || !a->isVisible())
                    continue;
                SCOPED_TRACE(a->text().toStdString());
                int triggered = 0;
                auto c = QObject::connect(a, &QAction::triggered, [&] { ++triggered; });
                // Answer any question the action asks with No; close any
                // window it opens modally (a dictionary opened from 类别).
                QTimer::singleShot(0, w, [w] {
                    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != w)
                        modal->close();
                });
                QTest::keyClick(w, Qt::Key(key[0].key()), key[0].keyboardModifiers());
                QObject::disconnect(c);
                EXPECT_EQ(triggered, 1);
                fired += triggered;
                if (!w->isVisible())
                    w->show();
                if (QApplication::activeWindow() != w)
                    QApplication::setActiveWindow(w);
            }
        }
        w->close();
    }
    EXPECT_GT(fired, 20);
}

}  // namespace
