#include "RegionalSettingsMonitor.h"

#include "SystemRegionalSettings.h"

#include <QCoreApplication>
#include <QEvent>

namespace tfx {

RegionalSettingsMonitor::RegionalSettingsMonitor(QObject* parent)
    : QObject(parent), m_settings(readSystemRegionalSettings())
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

void RegionalSettingsMonitor::reread()
{
    RegionalSettings fresh = readSystemRegionalSettings();
    if (fresh == m_settings)
        return;
    m_settings = std::move(fresh);
    emit changed();
}

bool RegionalSettingsMonitor::eventFilter(QObject* watched, QEvent* event)
{
    // Widgets get their own LocaleChange events after the application's; one read is enough.
    if (event->type() == QEvent::LocaleChange && watched == QCoreApplication::instance())
        reread();
    return QObject::eventFilter(watched, event);
}

} // namespace tfx
