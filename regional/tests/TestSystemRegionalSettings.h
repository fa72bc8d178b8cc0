#pragma once

#include <QObject>

namespace tfx {

class TestSystemRegionalSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void posixLayouts_data();
    void posixLayouts();
    void readsLocale_data();
    void readsLocale();
    void missingLocaleGivesC();
    void monitorFollowsLocaleChange();

private:
    QByteArray m_savedLcAll;
    bool m_hadLcAll = false;
};

} // namespace tfx
