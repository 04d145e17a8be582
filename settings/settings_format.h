#pragma once
// The bytes of a settings file as the program writes it.

#include <string>

#include "settings/settings.h"

namespace kurobi {

// Five lines ending in CR LF on every platform: the section header, the board colour in
// upper-case hexadecimal without prefix, the display delay, an empty line and the level.
std::string FormatSettings(const Settings& settings);

}  // namespace kurobi
