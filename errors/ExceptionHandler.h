#pragma once

#include <exception>
#include <functional>

namespace tfx {

// The one place that deals with an error escaping an event handler or the window's creation
// sequence. The application object installs the handler that shows the error message box;
// until then errors are written to standard error.
using ExceptionHandler = std::function<void(std::exception_ptr)>;

void setExceptionHandler(ExceptionHandler handler);
void handleException(std::exception_ptr error);

// Runs `handler`, passing anything it throws to the installed exception handler.
template <typename F> void runHandler(F&& handler)
{
    try {
        handler();
    } catch (...) {
        handleException(std::current_exception());
    }
}

} // namespace tfx
