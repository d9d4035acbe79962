#pragma once

#include "app/core/PluginList.h"
#include "prompt/PromptTypes.h"

#include <QStringList>
#include <QUrl>

#include <functional>

class Prompter;

// Runs the command of a "&Divers" entry; its first two letters say what to do.
class PluginRunner
{
public:
    enum class Kind { Start, Message, Open, OpenHidden, Appearances, Nothing };

    struct Actions
    {
        std::function<bool(const QString &program, const QStringList &arguments)> start;
        std::function<bool(const QUrl &target, bool hidden)> open;
        std::function<void()> appearanceEditor;
    };

    // Detached programs and the desktop's handlers; the appearance editor is the caller's.
    static Actions desktopActions(std::function<void()> appearanceEditor);

    PluginRunner(Prompter &prompter, Actions actions);

    static Kind kind(const QString &command);
    // A web address, mail address or file; a relative file is taken from the current folder.
    static QUrl target(const QString &argument);

    static MessageRequest loadFailure(const QString &reason);
    static MessageRequest startFailure();

    void run(const PluginEntry &entry);
    // The placeholder entry shows its own caption.
    void runPlaceholder(const QString &caption);

private:
    Prompter &m_prompter;
    Actions m_actions;
};
