#include "app/core/AskToSave.h"

#include "common/PathText.h"
#include "prompt/Prompter.h"

using namespace Qt::StringLiterals;

QString AskToSave::saved()
{
    return u"enr"_s;
}

QString AskToSave::notSaved()
{
    return u"non"_s;
}

QString AskToSave::cancelled()
{
    return u"annule"_s;
}

MessageRequest AskToSave::question(const QString &projectPath, bool systemModal, const Texts &texts)
{
    MessageRequest message;
    message.text =
        projectPath.isEmpty() ? texts.unnamed : texts.named + u" '"_s + pathtext::nameOf(projectPath) + u"' ?"_s;
    message.title = texts.title;
    message.icon = MessageIcon::Question;
    message.buttons = MessageButtons::YesNoCancel;
    message.systemModal = systemModal;
    return message;
}

QString AskToSave::ask(Prompter &prompter, const QString &projectPath, bool systemModal,
                       const std::function<bool()> &save, const Texts &texts)
{
    switch (prompter.message(question(projectPath, systemModal, texts))) {
    case Answer::Yes:
        return save() ? saved() : cancelled();
    case Answer::No:
        return notSaved();
    default:
        return cancelled();
    }
}
