#include "script/SlotText.h"

#include "common/FormatWords.h"
#include "script/DefaultScripts.h"

using namespace Qt::StringLiterals;

namespace {

const QString kVbsPrefix = menuformat::word(menuformat::kScriptPrefix);

} // namespace

namespace slottext {

Opening open(ScriptSlot slot, const QString &stored)
{
    if (slot == ScriptSlot::EditPrinc) {
        if (stored.size() > kVbsPrefix.size() && stored.startsWith(kVbsPrefix, Qt::CaseInsensitive))
            return {stored, stored.mid(kVbsPrefix.size())};
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
    return boxText.isEmpty() ? emptyStartupScript() : kVbsPrefix + boxText;
}

QString emptyStartupScript()
{
    return kVbsPrefix + u"'Tapez ici le code VBS à exécuter au démarrage."_s + u"\r\n"_s;
}

} // namespace slottext
