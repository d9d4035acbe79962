#pragma once

#include <QString>

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct MessageRequest
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 1; // 1-based, in the order the buttons are shown
    bool systemModal = false;

    bool operator==(const MessageRequest &) const = default;
};

struct InputRequest
{
    QString prompt;
    QString title;
    QString defaultText;

    bool operator==(const InputRequest &) const = default;
};

// filter is written "description | patterns", pairs separated by " | " too.
struct FileRequest
{
    QString title;
    QString filter;
    QString fileName;

    bool operator==(const FileRequest &) const = default;
};

struct FolderRequest
{
    QString prompt;

    bool operator==(const FolderRequest &) const = default;
};

struct ColourRequest
{
    int initial = 0; // red + 256 * green + 65536 * blue

    bool operator==(const ColourRequest &) const = default;
};

struct FontChoice
{
    QString name;
    double size = 8.0;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;

    bool operator==(const FontChoice &) const = default;
};

QString toString(MessageIcon icon);
QString toString(MessageButtons buttons);
QString toString(Answer answer);
