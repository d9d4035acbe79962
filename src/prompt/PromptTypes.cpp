#include "prompt/PromptTypes.h"

using namespace Qt::StringLiterals;

QString toString(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return u"none"_s;
    case MessageIcon::Critical: return u"critical"_s;
    case MessageIcon::Question: return u"question"_s;
    case MessageIcon::Exclamation: return u"exclamation"_s;
    case MessageIcon::Information: return u"information"_s;
    }
    return {};
}

QString toString(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return u"ok"_s;
    case MessageButtons::OkCancel: return u"ok/cancel"_s;
    case MessageButtons::YesNo: return u"yes/no"_s;
    case MessageButtons::YesNoCancel: return u"yes/no/cancel"_s;
    case MessageButtons::RetryCancel: return u"retry/cancel"_s;
    case MessageButtons::AbortRetryIgnore: return u"abort/retry/ignore"_s;
    }
    return {};
}

QString toString(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return u"ok"_s;
    case Answer::Cancel: return u"cancel"_s;
    case Answer::Yes: return u"yes"_s;
    case Answer::No: return u"no"_s;
    case Answer::Retry: return u"retry"_s;
    case Answer::Abort: return u"abort"_s;
    case Answer::Ignore: return u"ignore"_s;
    }
    return {};
}
