#pragma once

#include "RegionalSettings.h"

#include <QList>
#include <QString>
#include <optional>

namespace tfx {

// A display pattern such as "#,##0.###", parsed once and applied to many values.
//
//   0        a digit, always shown (leading or trailing zero)
//   #        a digit, shown only when significant
//   .        the regional decimal separator (the first one; later ones are ignored)
//   ,        anywhere in a section: group the integer digits with the regional separator
//   'x' "x"  literal text; any other character is literal too
//   ;        separates sections: positive;negative;zero. The negative section shows the
//            magnitude without a sign; an empty or missing section falls back to the first.
//
// Values are rounded as DisplayDecimal describes. A value that rounds to zero shows without a
// minus sign. An empty pattern shows all 15 significant digits without grouping.
class NumberPattern
{
public:
    explicit NumberPattern(const QString& pattern);

    QString format(double value, const RegionalSettings& settings) const;

private:
    struct Token
    {
        enum Kind
        {
            RequiredDigit,
            OptionalDigit,
            DecimalPoint,
            Literal
        };
        Kind kind;
        QString text;
    };

    struct Section
    {
        QList<Token> tokens;
        bool grouped = false;
        int integerSlots = 0;
        int minimumIntegerDigits = 0;
        int fractionSlots = 0;
        int minimumFractionDigits = 0;
    };

    static Section parseSection(const QString& text);
    static QString render(const Section& section, double magnitude,
                          const RegionalSettings& settings, bool* roundedToZero);
    static QString general(double value, const RegionalSettings& settings);

    QList<Section> m_sections;
    bool m_empty = true;
};

QString formatNumber(double value, const QString& pattern, const RegionalSettings& settings);

// A null value shows as empty text.
QString formatNumber(std::optional<double> value, const QString& pattern,
                     const RegionalSettings& settings);

} // namespace tfx
