#include "player/core/SystemPath.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace systempath {

namespace {

std::filesystem::path fromUtf8(std::string_view utf8)
{
    try {
        return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t *>(utf8.data()), utf8.size()));
    } catch (const std::exception &) {
        return {};
    }
}

std::string variable(std::string_view name)
{
#ifdef _WIN32
    // The wide environment: the narrow one is in the ANSI code page.
    const wchar_t *value = _wgetenv(fromUtf8(name).c_str());
    return value ? utf8(std::filesystem::path(value)) : std::string();
#else
    const char *value = std::getenv(std::string(name).c_str());
    return value ? std::string(value) : std::string();
#endif
}

bool hasVariable(std::string_view name)
{
#ifdef _WIN32
    return _wgetenv(fromUtf8(name).c_str()) != nullptr;
#else
    return std::getenv(std::string(name).c_str()) != nullptr;
#endif
}

} // namespace

std::filesystem::path of(std::string_view utf8)
{
    return fromUtf8(utf8).make_preferred();
}

std::string utf8(const std::filesystem::path &path)
{
    const std::u8string text = path.generic_u8string();
    return {reinterpret_cast<const char *>(text.data()), text.size()};
}

bool isFile(std::string_view utf8)
{
    std::error_code error;
    return !utf8.empty() && std::filesystem::is_regular_file(of(utf8), error);
}

bool isFolder(std::string_view utf8)
{
    std::error_code error;
    return !utf8.empty() && std::filesystem::is_directory(of(utf8), error);
}

bool exists(std::string_view utf8)
{
    std::error_code error;
    return !utf8.empty() && std::filesystem::exists(of(utf8), error);
}

std::optional<std::string> read(std::string_view utf8)
{
    if (!isFile(utf8))
        return std::nullopt;
    std::ifstream stream(of(utf8), std::ios::binary);
    if (!stream)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::string expandVariables(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t open = text.find('%', at);
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            out.append(text.substr(at));
            break;
        }
        const std::string_view name = text.substr(open + 1, close - open - 1);
        out.append(text.substr(at, open - at));
        if (!name.empty() && hasVariable(name)) {
            out += variable(name);
            at = close + 1;
        } else {
            // "%%" or an unknown name: the first "%" stays, the second may open a name.
            out += '%';
            at = open + 1;
        }
    }
    return out;
}

} // namespace systempath
