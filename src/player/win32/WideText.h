#pragma once

#include <string>
#include <string_view>

// The player core speaks UTF-8; the Win32 API speaks UTF-16.
namespace widetext {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

} // namespace widetext
