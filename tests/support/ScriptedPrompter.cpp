#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString describe(const MessageRequest &r)
{
    return u"message[text=\"%1\" title=\"%2\" icon=%3 buttons=%4 default=%5 systemModal=%6]"_s.arg(
        r.text, r.title, toString(r.icon), toString(r.buttons), QString::number(r.defaultButton),
        r.systemModal ? u"yes"_s : u"no"_s);
}

QString describe(const InputRequest &r)
{
    return u"input[prompt=\"%1\" title=\"%2\" default=\"%3\"]"_s.arg(r.prompt, r.title, r.defaultText);
}

QString describe(const FileRequest &r)
{
    return u"file[title=\"%1\" filter=\"%2\" name=\"%3\"]"_s.arg(r.title, r.filter, r.fileName);
}

QString describe(const FolderRequest &r)
{
    return u"folder[prompt=\"%1\"]"_s.arg(r.prompt);
}

QString describe(const ColourRequest &r)
{
    return u"colour[initial=%1]"_s.arg(r.initial);
}

QString describe(const FontChoice &f)
{
    return u"font[%1 %2 b=%3 i=%4 s=%5 u=%6]"_s.arg(f.name).arg(f.size).arg(f.bold).arg(f.italic).arg(
        f.strikethrough).arg(f.underline);
}

} // namespace

ScriptedPrompter::~ScriptedPrompter()
{
    EXPECT_TRUE(m_queue.empty()) << m_queue.size() << " expected prompt(s) never came";
}

void ScriptedPrompter::expectMessage(const MessageRequest &request, Answer answer)
{
    m_queue.push_back(MessageCall{request, answer});
}

void ScriptedPrompter::expectMessage(const QString &text, const QString &title, MessageIcon icon,
                                     MessageButtons buttons, Answer answer)
{
    MessageRequest request;
    request.text = text;
    request.title = title;
    request.icon = icon;
    request.buttons = buttons;
    expectMessage(request, answer);
}

void ScriptedPrompter::expectInput(const InputRequest &request, const QString &answer)
{
    m_queue.push_back(InputCall{request, answer});
}

void ScriptedPrompter::expectOpenFile(const FileRequest &request, const QString &answer)
{
    m_queue.push_back(OpenCall{request, answer});
}

void ScriptedPrompter::expectSaveFile(const FileRequest &request, const QString &answer)
{
    m_queue.push_back(SaveCall{request, answer});
}

void ScriptedPrompter::expectFolder(const FolderRequest &request, const QString &answer)
{
    m_queue.push_back(FolderCall{request, answer});
}

void ScriptedPrompter::expectColour(const ColourRequest &request, std::optional<int> answer)
{
    m_queue.push_back(ColourCall{request, answer});
}

void ScriptedPrompter::expectFont(const FontChoice &initial, std::optional<FontChoice> answer)
{
    m_queue.push_back(FontCall{initial, answer});
}

template<typename T>
T *ScriptedPrompter::take(const QString &description)
{
    m_log << description;
    if (m_queue.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << description.toStdString();
        return nullptr;
    }
    auto *call = std::get_if<T>(&m_queue.front());
    if (!call) {
        ADD_FAILURE() << "unexpected kind of prompt: " << description.toStdString();
        m_queue.pop_front();
        return nullptr;
    }
    return call;
}

#define ZEP_ANSWER(Type, request, fallback)                                                                  \
    auto *call = take<Type>(describe(request));                                                              \
    if (!call)                                                                                               \
        return fallback;                                                                                     \
    EXPECT_EQ(describe(call->request).toStdString(), describe(request).toStdString());                       \
    auto answer = call->answer;                                                                              \
    m_queue.pop_front();                                                                                     \
    return answer

Answer ScriptedPrompter::message(const MessageRequest &request)
{
    ZEP_ANSWER(MessageCall, request, Answer::Cancel);
}

QString ScriptedPrompter::input(const InputRequest &request)
{
    ZEP_ANSWER(InputCall, request, QString());
}

QString ScriptedPrompter::openFile(const FileRequest &request)
{
    ZEP_ANSWER(OpenCall, request, QString());
}

QString ScriptedPrompter::saveFile(const FileRequest &request)
{
    ZEP_ANSWER(SaveCall, request, QString());
}

QString ScriptedPrompter::folder(const FolderRequest &request)
{
    ZEP_ANSWER(FolderCall, request, QString());
}

std::optional<int> ScriptedPrompter::colour(const ColourRequest &request)
{
    ZEP_ANSWER(ColourCall, request, std::nullopt);
}

std::optional<FontChoice> ScriptedPrompter::font(const FontChoice &request)
{
    ZEP_ANSWER(FontCall, request, std::nullopt);
}
