#pragma once

#include "vbscript/Locale.h"

#include <cstdint>
#include <string_view>

// The regional settings a menu's scripts start with: the user's own, as when the system
// runs a script; French when the system names none the engine knows.
namespace playerlocale {

const vbs::Locale &fromId(std::int32_t lcid);
// A POSIX locale name ("fr_CA.UTF-8", "de_DE@euro"): its identifier, or 0 for none.
std::int32_t idOfPosixName(std::string_view name);

} // namespace playerlocale
