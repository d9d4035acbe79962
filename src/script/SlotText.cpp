#include "script/SlotText.h"

#include "common/FormatWords.h"
#include "script/DefaultScripts.h"

using namespace Qt::StringLiterals;

namespace slottext {

Opening open(ScriptSlot slot, const QString &stored)
{
    if (slot == ScriptSlot::EditPrinc) {
        if (menuformat::isStartupScript(stored))
            return {stored, stored.mid(qsizetype(menuformat::kScriptPrefix.size()))};
        const QString shown = defaultscripts::forSlot(slot);
        return {storedForm(slot, shown), shown};
    }
    if (stored.isEmpty()) {
        const QString shown = defaultscripts::forSlot(slot);
        return {shown, shown};
    }
    return {stored, stored};
}

QString storedForm(ScriptSlot slot, const QString &boxText)
{
    if (slot != ScriptSlot::EditPrinc)
        return boxText;
    return boxText.isEmpty() ? emptyStartupScript() : menuformat::word(menuformat::kScriptPrefix) + boxText;
}

QString emptyStartupScript()
{
    return menuformat::word(menuformat::kScriptPrefix) + u"'Tapez ici le code VBS à exécuter au démarrage."_s +
           u"\r\n"_s;
}

} // namespace slottext
