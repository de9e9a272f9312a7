// From pressing OK at login to a usable main window (login record written,
// menu registered, grants applied) on the demonstration database.
#include "app/TFLogin.h"
#include "app/TFMain.h"
#include "core/ConnectionConfig.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "platform/ui/Dialogs.h"
#include "schema/Schema.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tj::app;

static void LoginToUsableMainWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    QFile::copy(tj::schema::templatePath(), QDir(dir.path()).filePath(QStringLiteral("data/template.db")));
    tj::schema::createDatabaseFromTemplate(QStringLiteral("his"), dir.path());
    SetProgramFolder(dir.path());
    TDBConnectConfig config;
    config.Server = EmbeddedServer;
    config.DBName = QStringLiteral("his");
    TDM dm;
    dm.connect(config);
    dm.DbConnected = true;
    tj::schema::loadDemoData(dm.Connection());
    tj::ui::ScriptedDialogs dialogs;

    for (auto _ : state) {
        state.PauseTiming();
        Session::reset();
        TFLogin login;
        login.FormShow();
        TFMain main;
        state.ResumeTiming();

        login.btnOkClick();
        main.UpdateStatusBar();
        main.ReadCentreParameters();
        main.RegisterAndApplyMenu();
        benchmark::DoNotOptimize(main.menuEntries().size());
    }
    SetProgramFolder(QString());
}
BENCHMARK(LoginToUsableMainWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
