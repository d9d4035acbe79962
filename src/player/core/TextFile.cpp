#include "player/core/TextFile.h"

#include "player/core/Cp1252Text.h"
#include "player/core/Utf16Text.h"

namespace textfile {

namespace {

std::u16string utf16(std::string_view bytes, bool bigEndian)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first));
    }
    return text;
}

} // namespace

std::u16string decode(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return utf16text::fromUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return utf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return utf16(bytes.substr(2), true);
    return utf16text::fromUtf8(cp1252text::toUtf8(bytes));
}

} // namespace textfile
