#pragma once

#include "Database.h"

namespace tfx {

class Session;

// The data of the price lookup window: the connection Database1 (database Confeccao) and the
// data sets over it.
class Catalogue
{
public:
    explicit Catalogue(Session& session);

    Database& database1() { return m_database1; }

private:
    Database m_database1;
};

} // namespace tfx
