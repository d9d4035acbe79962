#pragma once

#include "prompt/Prompter.h"

#include <QStringList>

// Answers every question without a person: each message is printed on one line of
// stderr and answered Yes or OK, never Retry (a script asking again on Retry would loop
// for ever); nothing can be typed or chosen.
class ConsolePrompter : public Prompter
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
