#pragma once

#include <QWidget>
#include <functional>
#include <memory>

namespace tfx {

// Builds the main window; building it connects with the design values and runs its creation
// sequence. Errors thrown out of it (not out of the creation sequence) are fatal.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>()>;

// The program from start to end: registers the table password (starting the engine),
// initialises the application object, builds the main window and runs the event loop.
// A failure before the event loop shows the fatal error box and returns 1.
int runTarifex(int& argc, char** argv, const MainWindowFactory& buildMainWindow);

// The fatal error box: task-modal, error icon, "Application Error", and the same text written to
// standard error for the shop's support staff.
void showFatalError(std::exception_ptr error);

} // namespace tfx
