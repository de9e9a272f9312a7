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

// Creates the long-lived working windows once and registers them with the
// main window's menu; connects the error handler's reconnect.
void CreateLongLivedWindows(TFMain& main);

// The main window's first show: login, settings, status bar, parameters,
// menu and grants, then the navigation map. False: the program must end.
bool RunFirstShow(TFMain& main);

}  // namespace tj::app
