#pragma once

#include "script/Snippet.h"

#include <QList>
#include <QString>

#include <optional>

class Prompter;

// The pop-up menu that inserts a mouse-pointer change for the cursor target
// ("Fenetre", "Ecran", "Bouton" + n, "Texte" + n).
namespace cursormenu {

inline constexpr int kCustomPointer = 99;
inline constexpr int kBlinkIntervalMs = 800;

struct Entry
{
    QString caption;
    int pointer;
};

// The nine entries in menu order, "Personnalisé..." last.
const QList<Entry> &entries();

// "[Choix du nouveau curseur : cliquez ICI]"
QString promptLabel();

// "Changer curseur (" + target in lower case + ")"
QString bannerTitle(const QString &target);

// The snippet of a choice; the custom entry (99) adds the icon file line.
Snippet snippet(const QString &target, int pointer, const QString &iconPath = {});

// The choice of an entry: "Personnalisé..." asks for the icon file first and gives
// nothing when the answer is empty.
std::optional<Snippet> choose(Prompter &prompter, const QString &target, int pointer);

} // namespace cursormenu
