#pragma once

#include <QString>

#include <functional>

// The program's entry and exit.

// True when no other copy of the program runs for this user. Otherwise it says "Application is
// already running", ends the program through EndProgram and returns false: the caller returns
// from main without doing anything else. The running copy is not touched.
bool CheckSingleInstance();

// The one way the program ends: closes every window, the calculator screens first (they run
// their closing steps), then the main window and whatever else is open, and leaves the event
// loop. No question is asked and nothing is saved.
void EndProgram();

namespace StartUp {

// What EndProgram does last, after the windows are closed. By default it leaves the
// application's event loop, so that main returns. Tests put a recorder here; returns the
// handler that was set before.
using EndHandler = std::function<void()>;
EndHandler setEndHandler(EndHandler handler);

// True while EndProgram is closing the windows.
bool isEnding();

// Whether a display can be reached; when not, `reason` says what to do about it.
bool DisplayAvailable(QString* reason);

} // namespace StartUp
