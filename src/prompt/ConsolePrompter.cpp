#include "prompt/ConsolePrompter.h"

#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

Answer ConsolePrompter::message(const MessageRequest &request)
{
    // One line a message, so scripts can count them.
    QStringList lines = QString(request.text).remove(u'\r').split(u'\n');
    lines.removeAll(QString());
    std::fputs((lines.join(u"; "_s) + u'\n').toUtf8().constData(), stderr);
    std::fflush(stderr);
    switch (request.buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return Answer::Yes;
    case MessageButtons::RetryCancel:
        return Answer::Cancel;
    case MessageButtons::AbortRetryIgnore:
        return Answer::Ignore;
    default:
        return Answer::Ok;
    }
}

QString ConsolePrompter::input(const InputRequest &)
{
    return {};
}

QString ConsolePrompter::openFile(const FileRequest &)
{
    return {};
}

QString ConsolePrompter::saveFile(const FileRequest &)
{
    return {};
}

QString ConsolePrompter::folder(const FolderRequest &)
{
    return {};
}

std::optional<int> ConsolePrompter::colour(const ColourRequest &)
{
    return std::nullopt;
}

std::optional<FontChoice> ConsolePrompter::font(const FontChoice &)
{
    return std::nullopt;
}
