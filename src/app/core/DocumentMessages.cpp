#include "app/core/DocumentMessages.h"

#include "app/core/AppIdentity.h"
#include "common/Phrases.h"

using namespace Qt::StringLiterals;

namespace {

MessageRequest box(const QString &text, const QString &title, MessageIcon icon)
{
    MessageRequest message;
    message.text = text;
    message.title = title;
    message.icon = icon;
    return message;
}

} // namespace

MessageRequest DocumentMessages::notSaved()
{
    return box(Phrases::text(8), appid::applicationTitle(), MessageIcon::Exclamation);
}

MessageRequest DocumentMessages::sourceNotice()
{
    return box(Phrases::text(177), appid::applicationTitle(), MessageIcon::Information);
}

MessageRequest DocumentMessages::closeWizardFirst()
{
    return box(Phrases::text(16), Phrases::text(51), MessageIcon::Exclamation);
}

FileRequest DocumentMessages::saveAs(const QString &title)
{
    return {title, Phrases::text(14) + u" v1.1 (*.zep) | *.zep"_s, QString()};
}

FileRequest DocumentMessages::open(const QString &title)
{
    if (Phrases::packActive())
        return {title, Phrases::text(14) + u" v1.0/v1.1 (*.zep) | *.zep;*.qmb"_s, QString()};
    return {title, u"Fichier ZEP v1.0/v1.1 (*.zep)|*.zep|Fichier QMB ou compatible (*.qmb)|*.qmb"_s, QString()};
}
