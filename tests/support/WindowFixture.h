// A workstation for window tests: a fresh database, the data module connected
// to it, scripted message boxes, and helpers that act on controls as a clerk
// would (typing, choosing from a list, entering a box, double-clicking).
#pragma once

#include "core/ConnectionConfig.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "support/DbFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

namespace tj::test {

class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(bool withDemoData = false) : db(withDemoData)
    {
        core::Session::reset();
        core::SetProgramFolder(db.programFolder());
        core::TDBConnectConfig c;
        c.Server = core::EmbeddedServer;
        c.DBName = QStringLiteral("his");
        dm = std::make_unique<core::TDM>();
        dm->connect(c);
        dm->DbConnected = true;
    }
    ~WindowTest() override
    {
        dm.reset();
        core::SetProgramFolder(QString());
        core::Session::reset();
    }

    qint64 count(const QString& sql) { return db.scalar(sql).toInteger(); }

    // A picture of the window as the clerk sees it, written to the folder
    // named by TJ_SHOTS (nothing is written when it is not set).
    static void shot(QWidget* window, const QString& name)
    {
        const QString dir = qEnvironmentVariable("TJ_SHOTS");
        if (dir.isEmpty())
            return;
        window->resize(window->size());
        QApplication::processEvents();
        window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    // Replaces the text of a box by typing.
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        edit->del();
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &key);
    }
    static void type(QPlainTextEdit* edit, const QString& text) { edit->setPlainText(text); }
    // Picks an entry of a drop-down list by its text.
    static void choose(QComboBox* combo, const QString& text)
    {
        const int i = combo->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
    // The focus enters a control.
    static void enter(QWidget* w)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(w, &in);
    }
    // Double click on the grid's row showing data-set row `row`.
    static void doubleClick(ui::DataGrid* grid, int row)
    {
        grid->setCurrentRow(row);
        emit grid->view()->doubleClicked(grid->view()->currentIndex());
    }
    // Grid texts of one column, in display order.
    static QStringList column(ui::DataGrid* grid, int col)
    {
        QStringList out;
        for (int r : grid->displayRows())
            out << grid->displayText(r, col);
        return out;
    }

    TestDatabase db;
    std::unique_ptr<core::TDM> dm;
    ui::ScriptedDialogs dialogs;
};

// The same workstation with the demonstration catalogue, units, staff and users.
class DemoWindowTest : public WindowTest {
protected:
    DemoWindowTest() : WindowTest(true) {}
};

}  // namespace tj::test
