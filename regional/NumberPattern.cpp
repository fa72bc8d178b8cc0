#include "NumberPattern.h"

#include "DisplayDecimal.h"

#include <cmath>

namespace tfx {

namespace {

// Splits at ';' outside quoted text.
QStringList splitSections(const QString& pattern)
{
    QStringList sections(1);
    QChar quote;
    for (const QChar c : pattern) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

} // namespace

NumberPattern::NumberPattern(const QString& pattern) : m_empty(pattern.isEmpty())
{
    for (const QString& text : splitSections(pattern).mid(0, 3))
        m_sections.append(parseSection(text));
}

NumberPattern::Section NumberPattern::parseSection(const QString& text)
{
    Section section;
    bool afterPoint = false;
    int firstRequiredInteger = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            section.tokens.append(Token{Token::Literal, text.mid(i + 1, stop - i - 1)});
            i = stop;
        } else if (c == u'0' || c == u'#') {
            const bool required = c == u'0';
            section.tokens.append(
                Token{required ? Token::RequiredDigit : Token::OptionalDigit, {}});
            if (afterPoint) {
                ++section.fractionSlots;
                if (required)
                    section.minimumFractionDigits = section.fractionSlots;
            } else {
                if (required && firstRequiredInteger < 0)
                    firstRequiredInteger = section.integerSlots;
                ++section.integerSlots;
            }
        } else if (c == u'.') {
            if (!afterPoint)
                section.tokens.append(Token{Token::DecimalPoint, {}});
            afterPoint = true;
        } else if (c == u',') {
            section.grouped = true;
        } else {
            section.tokens.append(Token{Token::Literal, QString(c)});
        }
    }
    if (firstRequiredInteger >= 0)
        section.minimumIntegerDigits = section.integerSlots - firstRequiredInteger;
    return section;
}

QString NumberPattern::render(const Section& section, double magnitude,
                              const RegionalSettings& settings, bool* roundedToZero)
{
    const DisplayDecimal rounded = DisplayDecimal::fromDouble(magnitude, section.fractionSlots);
    *roundedToZero = rounded.isZero();

    QByteArray integer = rounded.integerDigits;
    if (integer.size() < section.minimumIntegerDigits)
        integer.prepend(QByteArray(section.minimumIntegerDigits - integer.size(), '0'));
    QByteArray fraction = rounded.fractionDigits;
    while (fraction.size() > section.minimumFractionDigits && fraction.endsWith('0'))
        fraction.chop(1);

    QString text;
    qsizetype nextInteger = 0; // index into `integer` of the next digit to show
    const auto emitIntegerDigitsUpTo = [&](qsizetype end) {
        for (; nextInteger < end; ++nextInteger) {
            text += QLatin1Char(integer[nextInteger]);
            const qsizetype placesLeft = integer.size() - 1 - nextInteger;
            if (section.grouped && placesLeft > 0 && placesLeft % 3 == 0)
                text += settings.thousandsSeparator;
        }
    };

    int integerSlot = 0;
    int fractionSlot = 0;
    bool afterPoint = false;
    for (const Token& token : section.tokens) {
        switch (token.kind) {
        case Token::Literal:
            text += token.text;
            break;
        case Token::DecimalPoint:
            emitIntegerDigitsUpTo(integer.size());
            afterPoint = true;
            if (!fraction.isEmpty())
                text += settings.decimalSeparator;
            break;
        case Token::RequiredDigit:
        case Token::OptionalDigit:
            if (afterPoint) {
                if (fractionSlot < fraction.size())
                    text += QLatin1Char(fraction[fractionSlot]);
                ++fractionSlot;
            } else {
                // Slots are filled from the right; digits beyond them go into the first slot.
                ++integerSlot;
                emitIntegerDigitsUpTo(integer.size() - (section.integerSlots - integerSlot));
            }
            break;
        }
    }
    emitIntegerDigitsUpTo(integer.size());
    return text;
}

QString NumberPattern::general(double value, const RegionalSettings& settings)
{
    const DisplayDecimal rounded =
        DisplayDecimal::fromDouble(value, DisplayDecimal::significantDecimals(value));
    QString text = rounded.negative ? QStringLiteral("-") : QString();
    text += rounded.integerDigits.isEmpty() ? QStringLiteral("0")
                                            : QString::fromLatin1(rounded.integerDigits);
    QByteArray fraction = rounded.fractionDigits;
    while (fraction.endsWith('0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += settings.decimalSeparator + QLatin1StringView(fraction);
    return text;
}

QString NumberPattern::format(double value, const RegionalSettings& settings) const
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (m_empty)
        return general(value, settings);

    const auto usable = [this](qsizetype index) {
        return index < m_sections.size() && !m_sections[index].tokens.isEmpty();
    };
    const bool negative = value < 0;
    const bool ownNegativeSection = negative && usable(1);
    const Section& section = m_sections[ownNegativeSection ? 1 : 0];

    bool roundedToZero = false;
    QString text = render(section, std::fabs(value), settings, &roundedToZero);
    if (roundedToZero && usable(2))
        return render(m_sections[2], 0.0, settings, &roundedToZero);
    if (negative && !ownNegativeSection && !roundedToZero)
        text.prepend(u'-');
    return text;
}

QString formatNumber(double value, const QString& pattern, const RegionalSettings& settings)
{
    return NumberPattern(pattern).format(value, settings);
}

QString formatNumber(std::optional<double> value, const QString& pattern,
                     const RegionalSettings& settings)
{
    return value ? formatNumber(*value, pattern, settings) : QString();
}

} // namespace tfx
