#include "app/StartUp.h"

#include "admin/TFCsSz.h"
#include "admin/TFYhSquan.h"
#include "admin/TFYhu.h"
#include "masterdata/Dictionaries.h"
#include "masterdata/TFDwei.h"
#include "masterdata/TFKShi.h"

#include "app/SmallDialogs.h"
#include "app/TFLogin.h"
#include "app/TFMain.h"
#include "app/TFSetBGround.h"
#include "app/TFSetDBConn.h"
#include "app/TFSetPass.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "platform/ui/ErrorHandler.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QTimer>

namespace tj::app {

void ApplyProgramFont()
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(10);
    QApplication::setFont(font);
}

bool OpenDataModule(core::TDM& dm)
{
    return dm.openAtStartup([] { return std::make_unique<TFSetDBConn>(); });
}

void CreateLongLivedWindows(TFMain& main)
{
    ui::ErrorHandler::setReconnect([] { core::TDM::instance().reconnect(); });
    ui::ErrorHandler::setTerminate([] { QApplication::exit(1); });

    main.askQuit = [&main] {
        TFQuit quit(&main);
        quit.exec();
        return core::Session::current().QuitConfirmed;
    };
    main.registerWindow(QStringLiteral("TFAbout"), [&main] { (new TFAbout(&main))->exec(); });
    main.registerWindow(QStringLiteral("TFSetPass"), [&main] {
        TFSetPass dialog(&main);
        dialog.exec();
    });
    main.registerWindow(QStringLiteral("TFSetBGround"), [&main] {
        TFSetBGround dialog(&main, &main);
        dialog.exec();
    });

    // Catalogue and administration windows: created once, shown modally on
    // each choice of their menu entry.
    auto longLived = [&main](const QString& windowClass, QDialog* window) {
        main.registerWindow(windowClass, [window] { window->exec(); });
    };
    longLived(QStringLiteral("TFKShi"), new masterdata::TFKShi(&main));
    longLived(QStringLiteral("TFRylbie"), new masterdata::TFRylbie(&main));
    longLived(QStringLiteral("TFTjlbie"), new masterdata::TFTjlbie(&main));
    longLived(QStringLiteral("TFTjfqu"), new masterdata::TFTjfqu(&main));
    longLived(QStringLiteral("TFJblbie"), new masterdata::TFJblbie(&main));
    longLived(QStringLiteral("TFZcjguo"), new masterdata::TFZcjguo(&main));
    longLived(QStringLiteral("TFDwxzhi"), new masterdata::TFDwxzhi(&main));
    longLived(QStringLiteral("TFDwlbie"), new masterdata::TFDwlbie(&main));
    longLived(QStringLiteral("TFFbie"), new masterdata::TFFbie(&main));
    longLived(QStringLiteral("TFZhxmLbie"), new masterdata::TFZhxmLbie(&main));
    longLived(QStringLiteral("TFDwei"), new masterdata::TFDwei(&main));
    auto* parameters = new admin::TFCsSz(&main);
    parameters->parametersSaved = [&main] { main.UpdateStatusBar(); };
    longLived(QStringLiteral("TFCsSz"), parameters);
    longLived(QStringLiteral("TFYhu"), new admin::TFYhu(&main));
    longLived(QStringLiteral("TFYhSquan"), new admin::TFYhSquan(&main));
    main.enableRegisteredEntries();
}

bool RunFirstShow(TFMain& main)
{
    const bool ok = main.FormShowFirst([&main] {
        TFLogin login(&main);
        return login.exec() == QDialog::Accepted;
    });
    if (!ok)
        return false;
    main.enableRegisteredEntries();
    // The navigation map follows once the window has been laid out.
    QTimer::singleShot(20, &main, [&main] {
        if (main.navigationMapAction() && main.navigationMapAction()->isChecked())
            main.ShowNavigationMap(true);
    });
    return true;
}

}  // namespace tj::app
