#pragma once

#include "RegionalSettings.h"

#include <QObject>

namespace tfx {

// Holds the workstation's regional settings, read when it is created, and reads them again
// when the system announces a change (a LocaleChange event delivered to the application
// object). changed() is emitted only when the settings actually differ from the ones held.
class RegionalSettingsMonitor : public QObject
{
    Q_OBJECT

public:
    explicit RegionalSettingsMonitor(QObject* parent = nullptr);

    const RegionalSettings& settings() const { return m_settings; }

    // Reads the system settings now.
    void reread();

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RegionalSettings m_settings;
};

} // namespace tfx
