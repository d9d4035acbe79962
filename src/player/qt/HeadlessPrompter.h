#pragma once

#include "prompt/Prompter.h"

// For a player without a screen, or one run to take a picture: no box could be answered,
// so messages go to stderr and questions take OK or Yes, never Retry: a script that
// asks again on Retry would loop for ever.
class HeadlessPrompter : public Prompter
{
public:
    using Prompter::message;
    Answer message(const MessageRequest &request) override;
    QString input(const InputRequest &request) override;
    QString openFile(const FileRequest &request) override;
    QString saveFile(const FileRequest &request) override;
    QString folder(const FolderRequest &request) override;
    std::optional<int> colour(const ColourRequest &request) override;
    std::optional<FontChoice> font(const FontChoice &initial) override;
};
