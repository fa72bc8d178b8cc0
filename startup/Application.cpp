#include "Application.h"

#include "ErrorText.h"
#include "Exception.h"
#include "ExceptionHandler.h"

#include <QMessageBox>

namespace tfx {

namespace {
QString messageOf(std::exception_ptr error, bool& silent)
{
    silent = false;
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
        silent = true;
    } catch (const Exception& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    return QString();
}
} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), m_title(applicationTitle(applicationFilePath()))
{
    setExceptionHandler([this](std::exception_ptr error) { showException(error); });
}

Application::~Application()
{
    setExceptionHandler(nullptr);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void Application::showException(std::exception_ptr error)
{
    bool silent = false;
    const QString message = messageOf(error, silent);
    if (silent)
        return;
    QMessageBox box(QMessageBox::Critical, m_title, errorBoxText(message), QMessageBox::Ok,
                    activeWindow());
    box.exec();
}

} // namespace tfx
