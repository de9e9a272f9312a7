#include "app/StartUp.h"


#include "app/SmallDialogs.h"
#include "app/TFLogin.h"
#include "app/TFMain.h"
#include "app/WindowList.h"
#include "app/TFSetDBConn.h"
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

void RegisterProgramWindows(TFMain& main)
{
    ui::ErrorHandler::setReconnect([] { core::TDM::instance().reconnect(); });
    ui::ErrorHandler::setTerminate([] { QApplication::exit(1); });

    main.askQuit = [&main] {
        TFQuit quit(&main);
        quit.exec();
        return core::Session::current().QuitConfirmed;
    };
    RegisterWindows(main);
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
