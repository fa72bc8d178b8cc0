#include "TestCurrencyFormat.h"
#include "TestNumberPattern.h"
#include "TestSystemRegionalSettings.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    tfx::TestCurrencyFormat currency;
    tfx::TestNumberPattern pattern;
    tfx::TestSystemRegionalSettings system;
    int failures = 0;
    for (QObject* test : std::initializer_list<QObject*>{&currency, &pattern, &system})
        failures += QTest::qExec(test, argc, argv);
    return failures == 0 ? 0 : 1;
}
