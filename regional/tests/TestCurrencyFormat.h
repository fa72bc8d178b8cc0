#pragma once

#include <QObject>

namespace tfx {

class TestCurrencyFormat : public QObject
{
    Q_OBJECT

private slots:
    void regionalExamples_data();
    void regionalExamples();
    void negativeFormats_data();
    void negativeFormats();
    void positiveFormats_data();
    void positiveFormats();
    void rounding_data();
    void rounding();
    void currencyDecimals_data();
    void currencyDecimals();
    void nullShowsEmpty();
};

} // namespace tfx
