// Start-up of the health-examination centre client: title, settings file,
// splash picture, the main window and the data module, then the message loop.
#include "app/SmallDialogs.h"
#include "app/StartUp.h"
#include "app/TFMain.h"
#include "core/ConnectionConfig.h"
#include "core/LocalSettings.h"
#include "core/TDM.h"
#include "platform/ui/ErrorHandler.h"

#include <QDir>
#include <QTimer>

int main(int argc, char** argv)
{
    tj::ui::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("岚川体检管理信息系统"));
    QApplication::setApplicationDisplayName(QStringLiteral("岚川体检管理信息系统"));
    tj::app::ApplyProgramFont();

    tj::core::LocalSettings::setPath(tj::core::LocalSettings::fileNameFor(QCoreApplication::applicationFilePath()));

    {
        tj::app::TFSplash splash(QDir(tj::core::ProgramFolder()).filePath(QStringLiteral("face.bmp")));
        if (splash.hasPicture())
            splash.exec();
    }

    tj::app::TFMain mainWindow;
    tj::core::TDM dm;
    if (!tj::app::OpenDataModule(dm))
        return 0;
    tj::app::RegisterProgramWindows(mainWindow);

    mainWindow.showMaximized();
    // The login and the rest of the first show run once the window is up.
    bool proceed = true;
    QTimer::singleShot(0, &mainWindow, [&] {
        if (!tj::app::RunFirstShow(mainWindow)) {
            proceed = false;
            QApplication::exit(0);
        }
    });
    const int rc = app.exec();
    return proceed ? rc : 0;
}
