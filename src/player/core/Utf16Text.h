#pragma once

#include <string>
#include <string_view>

// UTF-8 and UTF-16 both ways for the script engine, with the standard library only.
// Malformed sequences become U+FFFD.
namespace utf16text {

std::u16string fromUtf8(std::string_view text);
std::string toUtf8(std::u16string_view text);

} // namespace utf16text
