// Pieces of the start-up sequence shared by the program and its tests.
#pragma once

namespace tj::core {
class TDM;
}

namespace tj::app {

class TFMain;

// The program's font: a CJK font, so Chinese renders on every platform.
void ApplyProgramFont();

// Opens the shared connection as the data module does at creation, with the
// connection settings dialog when the stored settings fail. False: the
// program must end.
bool OpenDataModule(core::TDM& dm);

// Registers the program's windows with the main window's menu (each is made
// on first use); connects the error handler's reconnect and the quit dialog.
void RegisterProgramWindows(TFMain& main);

// The main window's first show: login, settings, status bar, parameters,
// menu and grants, then the navigation map. False: the program must end.
bool RunFirstShow(TFMain& main);

}  // namespace tj::app
