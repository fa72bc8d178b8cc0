#pragma once

#include <QApplication>
#include <exception>

namespace tfx {

// The application object: owns the event loop and is the one place that catches what escapes an
// event handler. It shows the error message box (the error's message under the application
// title, OK only, error icon) and carries on; a silent abort shows nothing.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    QString title() const { return m_title; }

    bool notify(QObject* receiver, QEvent* event) override;

    void showException(std::exception_ptr error);

private:
    QString m_title;
};

} // namespace tfx
