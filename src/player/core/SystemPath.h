#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Every file the player core or a script touches is named through here. Inside the player
// paths are UTF-8 with "/"; the system gets its own form: UTF-16 with "\" on Windows (an
// 8-bit path would be read in the ANSI code page and lose every accent), the bytes as
// they are elsewhere.
namespace systempath {

// The system's path for a UTF-8 one; empty when the text is no valid UTF-8.
std::filesystem::path of(std::string_view utf8);
// UTF-8 with "/" between folders, as the core names files.
std::string utf8(const std::filesystem::path &path);

bool isFile(std::string_view utf8);
bool isFolder(std::string_view utf8);
bool exists(std::string_view utf8);
// The whole file; nothing when it cannot be opened.
std::optional<std::string> read(std::string_view utf8);
// %NAME% replaced by the environment variable's value; an unknown name stays as written.
std::string expandVariables(std::string_view text);

} // namespace systempath
