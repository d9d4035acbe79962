#pragma once

#include "prompt/PromptTypes.h"

#include <optional>

// Every question the system asks the user goes through one Prompter, so tests can
// answer it and check its exact wording.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual Answer message(const MessageRequest &request) = 0;
    // The typed text; empty when the user cancels.
    virtual QString input(const InputRequest &request) = 0;

    // File and folder dialogs start in the current directory and leave the chosen
    // folder current. Each returns an empty path on cancel.
    virtual QString openFile(const FileRequest &request) = 0;
    virtual QString saveFile(const FileRequest &request) = 0;
    virtual QString folder(const FolderRequest &request) = 0;

    virtual std::optional<int> colour(const ColourRequest &request) = 0;
    virtual std::optional<FontChoice> font(const FontChoice &initial) = 0;

    // Shorthand for the common case of a text, a title, an icon and buttons.
    Answer message(const QString &text, const QString &title, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok);
};
