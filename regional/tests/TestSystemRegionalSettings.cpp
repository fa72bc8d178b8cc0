#include "TestSystemRegionalSettings.h"

#include "CurrencyFormat.h"
#include "PosixCurrencyFormat.h"
#include "RegionalSettingsMonitor.h"
#include "SampleSettings.h"
#include "SystemRegionalSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalSpy>
#include <QTest>
#include <climits>
#include <locale.h>

namespace tfx {

namespace {

bool localeInstalled(const char* name)
{
    locale_t locale = newlocale(LC_ALL_MASK, name, locale_t(0));
    if (locale)
        freelocale(locale);
    return locale != locale_t(0);
}

} // namespace

void TestSystemRegionalSettings::init()
{
    m_hadLcAll = qEnvironmentVariableIsSet("LC_ALL");
    m_savedLcAll = qgetenv("LC_ALL");
}

void TestSystemRegionalSettings::cleanup()
{
    if (m_hadLcAll)
        qputenv("LC_ALL", m_savedLcAll);
    else
        qunsetenv("LC_ALL");
}

void TestSystemRegionalSettings::posixLayouts_data()
{
    QTest::addColumn<int>("csPrecedes");
    QTest::addColumn<int>("sepBySpace");
    QTest::addColumn<int>("pSignPosn");
    QTest::addColumn<int>("nSignPosn");
    QTest::addColumn<int>("positive");
    QTest::addColumn<int>("negative");
    // The layouts of real glibc locales.
    QTest::newRow("pt_BR: R$ 1 / -R$ 1") << 1 << 1 << 1 << 1 << 2 << 9;
    QTest::newRow("en_US: $1 / -$1") << 1 << 0 << 1 << 1 << 0 << 1;
    QTest::newRow("de_DE: 1 EUR / -1 EUR") << 0 << 1 << 1 << 1 << 3 << 8;
    QTest::newRow("de_CH: CHF 1 / CHF -1") << 1 << 1 << 4 << 4 << 2 << 12;
    QTest::newRow("nl_NL: EUR 1 / EUR -1") << 1 << 2 << 1 << 4 << 0 << 12;
    QTest::newRow("da_DK: kr. 1 / kr. -1") << 1 << 2 << 4 << 4 << 2 << 12;
    QTest::newRow("ja_JP: Y1 / Y-1") << 1 << 0 << 4 << 4 << 0 << 2;
    QTest::newRow("parentheses, symbol first") << 1 << 0 << 1 << 0 << 0 << 0;
    QTest::newRow("parentheses, symbol last, spaced") << 0 << 1 << 1 << 0 << 3 << 15;
    QTest::newRow("sign after all, symbol last") << 0 << 0 << 1 << 2 << 1 << 7;
    QTest::newRow("sign before symbol, symbol last") << 0 << 0 << 1 << 3 << 1 << 6;
    QTest::newRow("C locale: all unset") << CHAR_MAX << CHAR_MAX << CHAR_MAX << CHAR_MAX << 0 << 1;
}

void TestSystemRegionalSettings::posixLayouts()
{
    QFETCH(int, csPrecedes);
    QFETCH(int, sepBySpace);
    QFETCH(int, pSignPosn);
    QFETCH(int, nSignPosn);
    QFETCH(int, positive);
    QFETCH(int, negative);
    QCOMPARE(positiveCurrencyFormatFromPosix(csPrecedes, sepBySpace, pSignPosn), positive);
    QCOMPARE(negativeCurrencyFormatFromPosix(csPrecedes, sepBySpace, nSignPosn), negative);
}

void TestSystemRegionalSettings::readsLocale_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("positive");
    QTest::addColumn<QString>("negative");
    QTest::newRow("pt_BR") << QByteArray("pt_BR.UTF-8") << "R$ 1.234,56"
                           << "-R$ 1.234,56";
    QTest::newRow("en_US") << QByteArray("en_US.UTF-8") << "$1,234.56"
                           << "-$1,234.56";
    QTest::newRow("fr_FR: narrow no-break space")
        << QByteArray("fr_FR.UTF-8") << QString("1\u202F234,56 \u20AC")
        << QString("-1\u202F234,56 \u20AC");
    QTest::newRow("C") << QByteArray("C") << "1234.56"
                       << "-1234.56";
}

void TestSystemRegionalSettings::readsLocale()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, positive);
    QFETCH(QString, negative);
    if (!localeInstalled(locale.constData()))
        QSKIP(qPrintable("locale " + locale + " not installed (see localedef)"));
    qputenv("LC_ALL", locale);
    const RegionalSettings settings = readSystemRegionalSettings();
    QCOMPARE(formatCurrency(1234.56, settings), positive);
    QCOMPARE(formatCurrency(-1234.56, settings), negative);
    if (locale.startsWith("pt_BR"))
        QCOMPARE(settings, samples::brazilian());
}

void TestSystemRegionalSettings::missingLocaleGivesC()
{
    qputenv("LC_ALL", "C");
    const RegionalSettings c = readSystemRegionalSettings();
    qputenv("LC_ALL", "xx_NOWHERE.UTF-8");
    QCOMPARE(readSystemRegionalSettings(), c);
}

void TestSystemRegionalSettings::monitorFollowsLocaleChange()
{
    if (!localeInstalled("pt_BR.UTF-8") || !localeInstalled("en_US.UTF-8"))
        QSKIP("pt_BR.UTF-8 and en_US.UTF-8 locales not installed");
    qputenv("LC_ALL", "en_US.UTF-8");
    RegionalSettingsMonitor monitor;
    QSignalSpy changed(&monitor, &RegionalSettingsMonitor::changed);
    QCOMPARE(monitor.settings().currencySymbol, "$");

    qputenv("LC_ALL", "pt_BR.UTF-8");
    QCOMPARE(monitor.settings().currencySymbol, "$"); // nothing announced yet
    QEvent announcement(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &announcement);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(monitor.settings(), samples::brazilian());

    // Announcing again without a real change emits nothing.
    QCoreApplication::sendEvent(QCoreApplication::instance(), &announcement);
    QCOMPARE(changed.count(), 1);

    // A LocaleChange for some other object is not the system's announcement.
    qputenv("LC_ALL", "en_US.UTF-8");
    QObject other;
    QCoreApplication::sendEvent(&other, &announcement);
    QCOMPARE(changed.count(), 1);
}

} // namespace tfx
