#include "Startup.h"

#include "Application.h"
#include "ErrorText.h"
#include "Exception.h"
#include "Session.h"

#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>

namespace tfx {

namespace {
const QString kTablePassword = QStringLiteral("2718203");
}

void showFatalError(std::exception_ptr error)
{
    QString className = QStringLiteral("Exception");
    QString message;
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        className = QString::fromLatin1(e.className());
        message = e.message();
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    const QString module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString text =
        fatalBoxText(className, module, reinterpret_cast<quintptr>(&runTarifex), message);
    std::fprintf(stderr, "%s\n", qPrintable(text));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"), text,
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

int runTarifex(int& argc, char** argv, const MainWindowFactory& buildMainWindow)
{
    // The layout is in pixels at 96 dpi, whatever the screen.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    Application app(argc, argv);
    std::unique_ptr<QWidget> mainWindow;
    try {
        Session::defaultSession().addPassword(kTablePassword);
        mainWindow = buildMainWindow();
    } catch (...) {
        showFatalError(std::current_exception());
        return 1;
    }
    mainWindow->show();
    return app.exec();
}

} // namespace tfx
