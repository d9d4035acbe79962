#pragma once

#include <string>
#include <string_view>

// The text of a file a script reads: UTF-8 or UTF-16 (either byte order) when it starts
// with that byte-order mark, as Notepad saves today; otherwise Windows-1252.
namespace textfile {

std::u16string decode(std::string_view bytes);

} // namespace textfile
