#pragma once

#include <QObject>

namespace tfx {

class TestNumberPattern : public QObject
{
    Q_OBJECT

private slots:
    void stockPattern_data();
    void stockPattern();
    void otherPatterns_data();
    void otherPatterns();
    void usesRegionalSeparators();
    void nullShowsEmpty();
};

} // namespace tfx
