#pragma once

#include "prompt/PromptTypes.h"

// The fixed boxes and dialog settings of the main window's file commands.
class DocumentMessages
{
public:
    // "&Actualiser le projet" and "&Modidifier la source" without a project path.
    static MessageRequest notSaved();
    // Before the source is shown in the text editor.
    static MessageRequest sourceNotice();
    // Quitting while the project wizard is open.
    static MessageRequest closeWizardFirst();

    // titled with the menu entry's caption
    static FileRequest saveAs(const QString &title);
    static FileRequest open(const QString &title);
};
