#pragma once

#include <string>
#include <string_view>

// Windows-1252 to UTF-8 with a table of its own, so the player core needs nothing
// but the standard library. Undefined bytes become the C1 control of that value.
namespace cp1252text {

std::string toUtf8(std::string_view bytes);

} // namespace cp1252text
