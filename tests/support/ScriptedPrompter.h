#pragma once

#include "prompt/Prompter.h"

#include <QStringList>

#include <deque>
#include <variant>

// A Prompter for tests: each expected call is queued with its answer. A call that
// differs from the next expectation, or that nothing expects, fails the test.
class ScriptedPrompter : public Prompter
{
public:
    ~ScriptedPrompter() override;

    void expectMessage(const MessageRequest &request, Answer answer);
    void expectMessage(const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons,
                       Answer answer);
    void expectInput(const InputRequest &request, const QString &answer);
    void expectOpenFile(const FileRequest &request, const QString &answer);
    void expectSaveFile(const FileRequest &request, const QString &answer);
    void expectFolder(const FolderRequest &request, const QString &answer);
    void expectColour(const ColourRequest &request, std::optional<int> answer);
    void expectFont(const FontChoice &initial, std::optional<FontChoice> answer);

    // Every call made so far, one line each, for tests that only look.
    const QStringList &log() const { return m_log; }
    bool allAnswered() const { return m_queue.empty(); }

    using Prompter::message;
    Answer message(const MessageRequest &request) override;
    QString input(const InputRequest &request) override;
    QString openFile(const FileRequest &request) override;
    QString saveFile(const FileRequest &request) override;
    QString folder(const FolderRequest &request) override;
    std::optional<int> colour(const ColourRequest &request) override;
    std::optional<FontChoice> font(const FontChoice &initial) override;

private:
    struct MessageCall { MessageRequest request; Answer answer; };
    struct InputCall { InputRequest request; QString answer; };
    struct OpenCall { FileRequest request; QString answer; };
    struct SaveCall { FileRequest request; QString answer; };
    struct FolderCall { FolderRequest request; QString answer; };
    struct ColourCall { ColourRequest request; std::optional<int> answer; };
    struct FontCall { FontChoice request; std::optional<FontChoice> answer; };
    using Call = std::variant<MessageCall, InputCall, OpenCall, SaveCall, FolderCall, ColourCall, FontCall>;

    template<typename T>
    T *take(const QString &description);

    std::deque<Call> m_queue;
    QStringList m_log;
};
