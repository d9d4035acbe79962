#pragma once

#include <QString>

// What a button does when clicked, as given when it was made.
enum class ButtonKind {
    None, // a slot never given a kind: the button is not stored
    Multimedia,
    Code,
    Quit,
    Deleted,
    Other, // a word this version does not know, kept as read
};

// The words project files, menu data and the item chooser use for the kinds.
namespace buttonkind {

// otherWord is the word kept for ButtonKind::Other.
QString word(ButtonKind kind, const QString &otherWord = QString());
ButtonKind fromWord(const QString &word);

} // namespace buttonkind
