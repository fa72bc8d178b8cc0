#include "SystemRegionalSettings.h"

#include "PosixCurrencyFormat.h"

#ifdef Q_OS_WIN
#include <iterator>
#include <qt_windows.h>
#else
#include <QStringDecoder>
#include <climits>
#include <clocale>
#include <langinfo.h>
#include <locale.h>
#endif

namespace tfx {

#ifdef Q_OS_WIN

namespace {

QString localeText(LCTYPE item)
{
    wchar_t buffer[128];
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, int(std::size(buffer)));
    return length > 0 ? QString::fromWCharArray(buffer, length - 1) : QString();
}

int localeNumber(LCTYPE item, int fallback)
{
    bool ok = false;
    const int value = localeText(item).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

RegionalSettings readSystemRegionalSettings()
{
    RegionalSettings s;
    s.currencySymbol = localeText(LOCALE_SCURRENCY);
    s.currencyDecimals = localeNumber(LOCALE_ICURRDIGITS, 2);
    s.decimalSeparator = localeText(LOCALE_SDECIMAL);
    s.thousandsSeparator = localeText(LOCALE_STHOUSAND);
    s.positiveCurrencyFormat = localeNumber(LOCALE_ICURRENCY, 0);
    s.negativeCurrencyFormat = localeNumber(LOCALE_INEGCURR, 0);
    return s;
}

#else

namespace {

// Switches the calling thread to `locale` for as long as it lives, so localeconv() answers for
// it while the process locale stays as it is.
class ThreadLocaleScope
{
public:
    explicit ThreadLocaleScope(locale_t locale) : m_previous(uselocale(locale)) {}
    ~ThreadLocaleScope() { uselocale(m_previous); }
    ThreadLocaleScope(const ThreadLocaleScope&) = delete;
    ThreadLocaleScope& operator=(const ThreadLocaleScope&) = delete;

private:
    locale_t m_previous;
};

int fractionDigits(const lconv& conv)
{
    if (conv.frac_digits != CHAR_MAX)
        return conv.frac_digits;
    if (conv.int_frac_digits != CHAR_MAX)
        return conv.int_frac_digits;
    return 2;
}

RegionalSettings fromLocale(locale_t locale)
{
    const ThreadLocaleScope scope(locale);
    const lconv& conv = *localeconv();
    QStringDecoder decoder(nl_langinfo(CODESET));
    const auto text = [&decoder](const char* bytes) {
        return decoder.isValid() ? QString(decoder.decode(QByteArrayView(bytes)))
                                 : QString::fromLatin1(bytes);
    };
    // The monetary separators, or the numeric ones where a locale leaves those empty.
    const auto separator = [&text](const char* monetary, const char* numeric) {
        const QString own = text(monetary);
        return own.isEmpty() ? text(numeric) : own;
    };

    RegionalSettings s;
    s.currencySymbol = text(conv.currency_symbol);
    s.currencyDecimals = fractionDigits(conv);
    s.decimalSeparator = separator(conv.mon_decimal_point, conv.decimal_point);
    if (s.decimalSeparator.isEmpty())
        s.decimalSeparator = QStringLiteral(".");
    s.thousandsSeparator = separator(conv.mon_thousands_sep, conv.thousands_sep);
    s.positiveCurrencyFormat =
        positiveCurrencyFormatFromPosix(conv.p_cs_precedes, conv.p_sep_by_space, conv.p_sign_posn);
    s.negativeCurrencyFormat =
        negativeCurrencyFormatFromPosix(conv.n_cs_precedes, conv.n_sep_by_space, conv.n_sign_posn);
    return s;
}

} // namespace

RegionalSettings readSystemRegionalSettings()
{
    // "" takes the locale from the environment, as setlocale(LC_ALL, "") would.
    locale_t locale = newlocale(LC_ALL_MASK, "", locale_t(0));
    if (!locale)
        locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const RegionalSettings settings = fromLocale(locale);
    freelocale(locale);
    return settings;
}

#endif

} // namespace tfx
