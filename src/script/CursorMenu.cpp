#include "script/CursorMenu.h"

#include "common/Phrases.h"
#include "prompt/Prompter.h"

using namespace Qt::StringLiterals;

namespace cursormenu {

const QList<Entry> &entries()
{
    static const QList<Entry> list{
        {u"Curseur par défaut"_s, 0},           {u"Flèche"_s, 1},       {u"Croix"_s, 2},    {u"Curseur texte (I)"_s, 3},
        {u"Curseur de redimensionnement"_s, 5}, {u"Flèche haut"_s, 10}, {u"Sablier"_s, 11}, {u"Interdit"_s, 12},
        {u"Personnalisé..."_s, kCustomPointer},
    };
    return list;
}

QString promptLabel()
{
    return u"[Choix du nouveau curseur : cliquez ICI]"_s;
}

QString bannerTitle(const QString &target)
{
    return u"Changer curseur ("_s + target.toLower() + u')';
}

Snippet snippet(const QString &target, int pointer, const QString &iconPath)
{
    QString code = target + u".MousePointer = "_s + QString::number(pointer);
    if (pointer == kCustomPointer)
        code = target + u".MouseIcon = LoadPicture(\""_s + iconPath + u"\")"_s + u"\r\n"_s + code;
    return {bannerTitle(target), code};
}

std::optional<Snippet> choose(Prompter &prompter, const QString &target, int pointer)
{
    if (pointer != kCustomPointer)
        return snippet(target, pointer);
    const QString path =
        prompter.input({Phrases::text(Phrase::CursorPathPrompt), Phrases::text(Phrase::Cursor), QString()});
    if (path.isEmpty())
        return std::nullopt;
    return snippet(target, pointer, path);
}

} // namespace cursormenu
