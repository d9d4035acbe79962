#include "project/ButtonKind.h"

using namespace Qt::StringLiterals;

namespace buttonkind {

QString word(ButtonKind kind, const QString &otherWord)
{
    switch (kind) {
    case ButtonKind::None:
        return {};
    case ButtonKind::Multimedia:
        return u"vidéo"_s;
    case ButtonKind::Code:
        return u"code"_s;
    case ButtonKind::Quit:
        return u"quitter"_s;
    case ButtonKind::Deleted:
        return u"suppr"_s;
    case ButtonKind::Other:
        break;
    }
    return otherWord;
}

ButtonKind fromWord(const QString &word)
{
    for (const ButtonKind kind :
         {ButtonKind::None, ButtonKind::Multimedia, ButtonKind::Code, ButtonKind::Quit, ButtonKind::Deleted}) {
        if (buttonkind::word(kind) == word)
            return kind;
    }
    return ButtonKind::Other;
}

} // namespace buttonkind
