#pragma once

#include <array>
#include <string_view>

// What a button does when clicked, as given when it was made.
enum class ButtonKind {
    None, // a slot never given a kind: the button is not stored
    Multimedia,
    Code,
    Quit,
    Deleted,
    Other, // a word this version does not know, kept as read
};

namespace menuformat {

// The words project files and menu data store for the kinds (Windows-1252).
struct KindWord
{
    ButtonKind kind;
    std::string_view word;
};
inline constexpr std::array<KindWord, 5> kKindWords{{
    {ButtonKind::None, ""},
    {ButtonKind::Multimedia, "vid\xE9o"},
    {ButtonKind::Code, "code"},
    {ButtonKind::Quit, "quitter"},
    {ButtonKind::Deleted, "suppr"},
}};

// Other for a word this version does not know.
constexpr ButtonKind kindOf(std::string_view word)
{
    for (const KindWord &k : kKindWords) {
        if (k.word == word)
            return k.kind;
    }
    return ButtonKind::Other;
}

constexpr std::string_view wordOf(ButtonKind kind)
{
    for (const KindWord &k : kKindWords) {
        if (k.kind == kind)
            return k.word;
    }
    return {};
}

} // namespace menuformat
