#include "script/ScriptSlot.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct SlotName
{
    ScriptSlot slot;
    QStringView name;
};

constexpr std::array kSlotNames{
    SlotName{ScriptSlot::Bouton, u"BOUTON"},        SlotName{ScriptSlot::BoutonSurvol, u"BOUTONSURVOL"},
    SlotName{ScriptSlot::EditPrinc, u"EDIT_PRINC"}, SlotName{ScriptSlot::Minuteur, u"MINUTEUR"},
    SlotName{ScriptSlot::Global, u"GLOBAL"},        SlotName{ScriptSlot::SurvolFenetre, u"SURVOLFENETRE"},
};

} // namespace

QString scriptSlotName(ScriptSlot slot)
{
    for (const SlotName &entry : kSlotNames) {
        if (entry.slot == slot)
            return entry.name.toString();
    }
    return {};
}

std::optional<ScriptSlot> parseScriptSlot(QStringView identifier)
{
    for (const SlotName &entry : kSlotNames) {
        if (identifier.compare(entry.name, Qt::CaseInsensitive) == 0)
            return entry.slot;
    }
    return std::nullopt;
}

ScriptOpening scriptOpening(ScriptOpener opener, int buttonNumber)
{
    const QString number = QString::number(buttonNumber);
    switch (opener) {
    case ScriptOpener::ButtonScript:
        return {u"Code VBS sur bouton "_s + number, u"bouton"_s, ScriptSlot::Bouton};
    case ScriptOpener::ButtonHover:
        return {u"Actions au survol du bouton "_s + number, u"boutonsurvol"_s, ScriptSlot::BoutonSurvol};
    case ScriptOpener::StartupAction:
        return {u"Code VBS à exécuter au démarrage du projet"_s, u"EDIT_PRINC"_s, ScriptSlot::EditPrinc};
    case ScriptOpener::TimerScript:
        return {u"Code VBS du minuteur"_s, u"minuteur"_s, ScriptSlot::Minuteur};
    case ScriptOpener::GlobalScript:
        return {u"Code VBS global"_s, u"global"_s, ScriptSlot::Global};
    case ScriptOpener::WindowHover:
        return {u"Actions au survol de la feuille"_s, u"survolfenetre"_s, ScriptSlot::SurvolFenetre};
    }
    return {};
}
