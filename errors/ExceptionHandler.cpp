#include "ExceptionHandler.h"

#include "Exception.h"

#include <cstdio>

namespace tfx {

namespace {
ExceptionHandler& installedHandler()
{
    static ExceptionHandler handler;
    return handler;
}
} // namespace

void setExceptionHandler(ExceptionHandler handler)
{
    installedHandler() = std::move(handler);
}

void handleException(std::exception_ptr error)
{
    if (installedHandler()) {
        installedHandler()(error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "unknown error\n");
    }
}

} // namespace tfx
