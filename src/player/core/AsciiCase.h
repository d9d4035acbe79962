#pragma once

#include <cctype>
#include <string_view>

// Tokens, verbs and prefixes of the menus' texts are compared as VBScript does, without
// regard to the case of ASCII letters.
inline bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}
