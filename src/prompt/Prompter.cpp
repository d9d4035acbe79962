#include "prompt/Prompter.h"

Answer Prompter::message(const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons)
{
    MessageRequest request;
    request.text = text;
    request.title = title;
    request.icon = icon;
    request.buttons = buttons;
    return message(request);
}
