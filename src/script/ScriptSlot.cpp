#include "script/ScriptSlot.h"

#include "common/Phrases.h"

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
        return {Phrases::text(Phrase::ButtonScriptTitle) + number, u"bouton"_s, ScriptSlot::Bouton};
    case ScriptOpener::ButtonHover:
        return {Phrases::text(Phrase::ButtonHoverScriptTitle) + number, u"boutonsurvol"_s, ScriptSlot::BoutonSurvol};
    case ScriptOpener::StartupAction:
        return {Phrases::text(Phrase::StartupScriptTitle), u"EDIT_PRINC"_s, ScriptSlot::EditPrinc};
    case ScriptOpener::TimerScript:
        return {Phrases::text(Phrase::TimerScriptTitle), u"minuteur"_s, ScriptSlot::Minuteur};
    case ScriptOpener::GlobalScript:
        return {Phrases::text(Phrase::GlobalScriptTitle), u"global"_s, ScriptSlot::Global};
    case ScriptOpener::WindowHover:
        return {Phrases::text(Phrase::SheetHoverScriptTitle), u"survolfenetre"_s, ScriptSlot::SurvolFenetre};
    }
    return {};
}
