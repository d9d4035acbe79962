#pragma once

#include "script/ScriptSlot.h"

#include <QString>

// How a slot's stored text and the code box text relate. The model binding calls
// these with the slot's current stored value.
namespace slottext {

struct Opening
{
    QString stored; // the slot's value after opening (a default may have been installed)
    QString shown;  // the code box text
};

// The texts when an opener puts the slot into the editor. The start-up slot shows its
// stored value without "VBS:"; any other value there is replaced by the default.
Opening open(ScriptSlot slot, const QString &stored);

// The slot's value for a code box text, on every change of the box.
QString storedForm(ScriptSlot slot, const QString &boxText);

// The start-up value stored when the code box is emptied.
QString emptyStartupScript();

} // namespace slottext
