#include "script/ReservedCharacters.h"

#include "common/Fold.h"
#include "common/Phrases.h"

using namespace Qt::StringLiterals;

namespace reservedchars {

Step step(const QString &text)
{
    for (const QChar reserved : fold::kReserved) {
        if (text.contains(reserved)) {
            QString cleaned = text;
            cleaned.remove(reserved);
            return {cleaned, true};
        }
    }
    return {text, false};
}

MessageRequest message()
{
    MessageRequest request;
    request.text = Phrases::text(Phrase::ForbiddenCharacter);
    request.title = Phrases::text(Phrase::ErrorBang);
    request.icon = MessageIcon::Critical;
    return request;
}

} // namespace reservedchars
