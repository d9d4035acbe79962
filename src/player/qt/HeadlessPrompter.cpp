#include "player/qt/HeadlessPrompter.h"

#include <cstdio>

Answer HeadlessPrompter::message(const MessageRequest &request)
{
    std::fputs((request.text + u'\n').toUtf8().constData(), stderr);
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

QString HeadlessPrompter::input(const InputRequest &)
{
    return {};
}

QString HeadlessPrompter::openFile(const FileRequest &)
{
    return {};
}

QString HeadlessPrompter::saveFile(const FileRequest &)
{
    return {};
}

QString HeadlessPrompter::folder(const FolderRequest &)
{
    return {};
}

std::optional<int> HeadlessPrompter::colour(const ColourRequest &)
{
    return std::nullopt;
}

std::optional<FontChoice> HeadlessPrompter::font(const FontChoice &)
{
    return std::nullopt;
}
