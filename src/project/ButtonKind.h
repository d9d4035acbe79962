#pragma once

#include "format/ButtonKind.h"

#include <QString>

// The words project files, menu data and the item chooser use for the kinds.
namespace buttonkind {

// otherWord is the word kept for ButtonKind::Other.
QString word(ButtonKind kind, const QString &otherWord = QString());
ButtonKind fromWord(const QString &word);

} // namespace buttonkind
