#include "app/core/PluginRunner.h"

#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// The plug-in boxes keep this title under every language pack.
const QString kMessageTitle = u"Information"_s;

} // namespace

PluginRunner::Actions PluginRunner::desktopActions(std::function<void()> appearanceEditor)
{
    Actions actions;
    actions.start = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };
    // The desktop gives no way to open a document hidden; "sh" opens it as "se" does.
    actions.open = [](const QUrl &target, bool) { return QDesktopServices::openUrl(target); };
    actions.appearanceEditor = std::move(appearanceEditor);
    return actions;
}

PluginRunner::PluginRunner(Prompter &prompter, Actions actions) : m_prompter(prompter), m_actions(std::move(actions))
{
}

PluginRunner::Kind PluginRunner::kind(const QString &command)
{
    const QString prefix = command.left(2).toLower();
    if (prefix == u"s1"_s)
        return Kind::Start;
    if (prefix == u"mb"_s)
        return Kind::Message;
    if (prefix == u"se"_s)
        return Kind::Open;
    if (prefix == u"sh"_s)
        return Kind::OpenHidden;
    if (prefix == u"cl"_s)
        return Kind::Appearances;
    return Kind::Nothing;
}

QUrl PluginRunner::target(const QString &argument)
{
    static const QStringList schemes{u"http:"_s, u"https:"_s, u"ftp:"_s, u"mailto:"_s, u"file:"_s};
    for (const QString &scheme : schemes) {
        if (argument.startsWith(scheme, Qt::CaseInsensitive))
            return QUrl(argument);
    }
    if (argument.startsWith(u"www."_s, Qt::CaseInsensitive))
        return QUrl(u"http://"_s + argument);
    return QUrl::fromLocalFile(QFileInfo(argument).absoluteFilePath());
}

MessageRequest PluginRunner::loadFailure(const QString &reason)
{
    return {Phrases::text(Phrase::PluginsCannotStart) + reason, Phrases::text(Phrase::PluginsError),
            MessageIcon::Critical};
}

MessageRequest PluginRunner::startFailure()
{
    return {Phrases::text(Phrase::PluginCannotStart), Phrases::text(Phrase::PluginsError), MessageIcon::Critical};
}

void PluginRunner::run(const PluginEntry &entry)
{
    const QString argument = entry.command.mid(3);
    bool started = true;
    switch (kind(entry.command)) {
    case Kind::Start: {
        const QStringList words = QProcess::splitCommand(argument);
        started = !words.isEmpty() && m_actions.start(words.first(), words.mid(1));
        break;
    }
    case Kind::Message: {
        QString text = argument;
        text.replace(u'¤', u"\r\n"_s);
        m_prompter.message(text, kMessageTitle, MessageIcon::Information);
        break;
    }
    case Kind::Open:
    case Kind::OpenHidden:
        started = !argument.isEmpty() && m_actions.open(target(argument), kind(entry.command) == Kind::OpenHidden);
        break;
    case Kind::Appearances:
        if (m_actions.appearanceEditor)
            m_actions.appearanceEditor();
        break;
    case Kind::Nothing:
        break;
    }
    if (!started)
        m_prompter.message(startFailure());
}

void PluginRunner::runPlaceholder(const QString &caption)
{
    m_prompter.message(caption, kMessageTitle, MessageIcon::Information);
}
