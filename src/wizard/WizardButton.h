#pragma once

#include "prompt/PromptTypes.h"

#include <QString>

// A button as the wizard's second step builds it, before it has images on disk.
struct WizardButton
{
    enum class Style { Text, Graphic };
    enum Function { NoFunction = -1, PlayMultimedia = 0, QuitMenu = 1, ShowMessage = 2, OpenTarget = 3 };

    int number = 0; // from 0, in the order the buttons were made
    Style style = Style::Text;

    QString text;
    int textColour = 0;
    int backColour = 16777215;
    FontChoice font{QStringLiteral("MS Sans Serif"), 8};
    bool transparent = false;

    QString normalImage;
    QString hoverImage;
    QString clickImage;

    int function = NoFunction;
    QString argument1; // file, message title or target
    QString argument2; // message or target kind

    bool deleted = false;

    // The number the author sees, in the lists, the delete question and the image files.
    int shownNumber() const { return number + 1; }
    // The entry of the wizard's button lists.
    QString caption() const;
};
