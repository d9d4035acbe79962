#pragma once

#include <QString>

// An unformatted script of 50,000 characters: procedures, indented assignments with
// operators, strings, comments and object properties.
inline QString sampleScript()
{
    using namespace Qt::StringLiterals;
    const QString block[] = {
        u"Public Sub Procedure_%1()"_s,
        u"    dim total, texte"_s,
        u"    total=total+%1*2-(3/4)"_s,
        u"    If total<>%1 Then msgbox \"Valeur = \"&total, vbinformation, \"Titre\""_s,
        u"    texte1.caption=\"a+b=c\" ' commentaire a=b+c"_s,
        u"    bouton%1.mousepointer = 11"_s,
        u"    endif"_s,
        u"End Sub"_s,
        u"function calcul_%1(x)"_s,
        u"  calcul_%1 = x>=%1"_s,
        u"End Function"_s,
    };
    QString text;
    for (int n = 0; text.size() < 50000; ++n) {
        for (const QString &line : block)
            text += (line.contains(u"%1"_s) ? line.arg(n) : line) + u"\r\n"_s;
    }
    text.truncate(50000);
    return text;
}
