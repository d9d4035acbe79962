#include "script/DefaultScripts.h"

using namespace Qt::StringLiterals;

namespace {

const QString kNewLine = u"\r\n"_s;

QString noteLines()
{
    return u"'NOTE : toutes les occurences de [LECT] seront automatiquement"_s + kNewLine +
           u"'remplacées par la lettre du lecteur en cours."_s + kNewLine +
           u"'Exemple MsgBox \"[LECT]:\\\" affiche d:\\ si d est le lecteur en cours..."_s + kNewLine;
}

} // namespace

namespace defaultscripts {

QString dashLine()
{
    return u'\'' + QString(78, u'-') + kNewLine;
}

QString buttonScript(int buttonNumber)
{
    return dashLine() + u"'Tapez ici le code VBS à exécuter quand le bouton "_s + QString::number(buttonNumber) +
           u" est préssé."_s + kNewLine + noteLines() + dashLine();
}

QString forSlot(ScriptSlot slot)
{
    switch (slot) {
    case ScriptSlot::EditPrinc:
        return dashLine() + u"'Tapez ici le code VBS à exécuter au démarrage du projet."_s + kNewLine + noteLines() +
               dashLine();
    case ScriptSlot::Minuteur:
        return dashLine() + noteLines() + dashLine();
    case ScriptSlot::Global:
        return u"'Les procédures et constantes définies ici seront accessibles par les"_s + kNewLine +
               u"'autres scripts du projet (boutons, minuteur, démarrage...)"_s + kNewLine + kNewLine +
               u"Const pi = 3.14159265358979"_s + kNewLine;
    case ScriptSlot::Bouton:
    case ScriptSlot::BoutonSurvol:
    case ScriptSlot::SurvolFenetre:
        break;
    }
    return {};
}

} // namespace defaultscripts
