#include "project/ButtonKind.h"

#include "common/FormatWords.h"

namespace buttonkind {

QString word(ButtonKind kind, const QString &otherWord)
{
    return kind == ButtonKind::Other ? otherWord : menuformat::word(menuformat::wordOf(kind));
}

ButtonKind fromWord(const QString &word)
{
    for (const menuformat::KindWord &k : menuformat::kKindWords) {
        if (menuformat::word(k.word) == word)
            return k.kind;
    }
    return ButtonKind::Other;
}

} // namespace buttonkind
