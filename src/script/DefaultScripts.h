#pragma once

#include "script/ScriptSlot.h"

#include <QString>

// Texts put into empty script slots. Every line, the last one included, ends with CR LF.
namespace defaultscripts {

// An apostrophe and 78 "-".
QString dashLine();

// The click script a new "code" button starts with.
QString buttonScript(int buttonNumber);

// What the editor installs when it opens the slot empty: nothing for the two hover
// slots, and nothing for BOUTON, whose text is installed when the button is created.
QString forSlot(ScriptSlot slot);

} // namespace defaultscripts
