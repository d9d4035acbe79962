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
    return box(Phrases::text(Phrase::ProjectNotSaved), appid::applicationTitle(), MessageIcon::Exclamation);
}

MessageRequest DocumentMessages::sourceNotice()
{
    return box(Phrases::text(Phrase::SourceWillShow), appid::applicationTitle(), MessageIcon::Information);
}

MessageRequest DocumentMessages::closeWizardFirst()
{
    return box(Phrases::text(Phrase::CloseWizardBeforeQuitting), Phrases::text(Phrase::QuitEllipsis),
               MessageIcon::Exclamation);
}

FileRequest DocumentMessages::saveAs(const QString &title)
{
    return {title, Phrases::text(Phrase::ZepFile) + u" v1.1 (*.zep) | *.zep"_s, QString()};
}

FileRequest DocumentMessages::open(const QString &title)
{
    if (Phrases::packActive())
        return {title, Phrases::text(Phrase::ZepFile) + u" v1.0/v1.1 (*.zep) | *.zep;*.qmb"_s, QString()};
    return {title, u"Fichier ZEP v1.0/v1.1 (*.zep)|*.zep|Fichier QMB ou compatible (*.qmb)|*.qmb"_s, QString()};
}
