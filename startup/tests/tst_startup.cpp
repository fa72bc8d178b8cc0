// The application object's error message box and the fatal path of start-up, the latter in a
// child process since it ends the process.

#include "Application.h"
#include "EDBEngineError.h"
#include "Exception.h"
#include "Startup.h"

#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QtTest>

using namespace tfx;

namespace {

// Closes the next modal box and records what it said.
struct BoxWatcher
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;

    void arm()
    {
        QTimer::singleShot(50, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = true;
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                box->accept();
            }
        });
    }
};

class Thrower : public QObject
{
public:
    std::function<void()> action;
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            action();
        return QObject::event(e);
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void handlerErrorShowsBox_data();
    void handlerErrorShowsBox();
    void silentAbortShowsNothing();
    void fatalStartupEndsWithCodeOne();
};

void TestStartup::handlerErrorShowsBox_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("full stop added") << "Table does not exist"
                                     << "Table does not exist.";
    QTest::newRow("none after quote") << "'09x' is not a valid integer value"
                                      << "'09x' is not a valid integer value.";
    QTest::newRow("engine lines") << "Line one\nLine two"
                                  << "Line one\nLine two.";
}

void TestStartup::handlerErrorShowsBox()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    Thrower thrower;
    thrower.action = [&] { throw EDBEngineError(0x2A04, message); };
    BoxWatcher box;
    box.arm();
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_VERIFY(box.seen);
    QCOMPARE(box.title, QString("tst_startup"));
    QCOMPARE(box.text, shown);
    QCOMPARE(box.icon, QMessageBox::Critical);

    // The program carries on: events are still delivered.
    bool delivered = false;
    thrower.action = [&] { delivered = true; };
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_VERIFY(delivered);
}

void TestStartup::silentAbortShowsNothing()
{
    Thrower thrower;
    bool after = false;
    thrower.action = [&] { throw EAbort(QString()); };
    BoxWatcher box;
    box.arm();
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTest::qWait(150);
    QVERIFY(!box.seen);
    thrower.action = [&] { after = true; };
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_VERIFY(after);
}

void TestStartup::fatalStartupEndsWithCodeOne()
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--fatal-child"});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(child.readAllStandardError());
    QVERIFY2(err.contains(QRegularExpression(
                 "Exception EDBEngineError in module tst_startup at [0-9A-F]{16}\\.\n"
                 "Directory is busy\\.")),
             qPrintable(err));
    QVERIFY2(err.contains("box: Application Error"), qPrintable(err));
}

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--fatal-child") {
        // Start-up whose connection with the design values is refused: the fatal box is shown
        // (closed here by a timer) and the process ends with 1 without showing a window.
        int childArgc = 1;
        return runTarifex(childArgc, argv, []() -> std::unique_ptr<QWidget> {
            QTimer::singleShot(100, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    fprintf(stderr, "box: %s\n", qPrintable(box->windowTitle()));
                    box->accept();
                }
            });
            throw EDBEngineError(0x2103, "Directory is busy");
        });
    }
    Application app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
