#pragma once

#include "RegionalSettings.h"

namespace tfx {

// The regional settings of the workstation as they are now: on Windows the user's locale
// settings, elsewhere the monetary and numeric categories of the locale that the environment
// names (LC_ALL, LC_MONETARY, LC_NUMERIC, LANG), read without changing the process locale.
// A locale that cannot be loaded gives the settings of the "C" locale.
RegionalSettings readSystemRegionalSettings();

} // namespace tfx
