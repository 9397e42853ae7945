#pragma once

#include <functional>

class QApplication;

namespace ortambra {

// The whole program as a pupil starts it: the application object, the real platform, the
// background window, then the event loop until the end of the game. `prepare` runs once the
// application object exists and before any window does; the start-up benchmark watches the
// windows from there, so it starts exactly this program.
int runProgram(int& argc, char** argv, const std::function<void(QApplication&)>& prepare = {});

} // namespace ortambra
