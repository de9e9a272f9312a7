// The one list of the program's windows: each menu entry's window class and
// how it is made. A new window is added here and nowhere else.
#pragma once

namespace tj::app {

class TFMain;

void RegisterWindows(TFMain& main);

}  // namespace tj::app
