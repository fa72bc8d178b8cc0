#include "Catalogue.h"

namespace tfx {

Catalogue::Catalogue(Session& session) : m_database1(session) {}

} // namespace tfx
