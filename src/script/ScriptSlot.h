#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The six places of a project that hold VBScript text.
enum class ScriptSlot { Bouton, BoutonSurvol, EditPrinc, Minuteur, Global, SurvolFenetre };

// The slot's identifier in capitals ("BOUTON", "EDIT_PRINC"…).
QString scriptSlotName(ScriptSlot slot);

// An opener's slot string, compared without regard to case; nothing for any other value.
std::optional<ScriptSlot> parseScriptSlot(QStringView identifier);

// The windows that open the script editor, each on one slot.
enum class ScriptOpener { ButtonScript, ButtonHover, StartupAction, TimerScript, GlobalScript, WindowHover };

struct ScriptOpening
{
    QString caption;
    QString slotArgument; // as the opener passes it: "bouton", "EDIT_PRINC"…
    ScriptSlot slot;
};

// The caption and slot an opener sets; buttonNumber is used by the two button openers.
ScriptOpening scriptOpening(ScriptOpener opener, int buttonNumber = 0);
