#include "build/ExecutableExport.h"

#include "build/BuildHooks.h"
#include "build/CompileEngine.h"
#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

ExecutableExport::Kind ExecutableExport::Kind::executable()
{
    return {Phrases::text(Phrase::ExecutableWord), u"exe"_s};
}

ExecutableExport::Kind ExecutableExport::Kind::screenSaver()
{
    return {Phrases::text(Phrase::ScreenSaverWord), u"scr"_s};
}

ExecutableExport::ExecutableExport(const MenuProject &project, QString projectFolder, Prompter &prompter,
                                   QString programFolder, BuildHooks &hooks, Kind kind)
    : m_project(project), m_projectFolder(std::move(projectFolder)), m_prompter(prompter),
      m_programFolder(std::move(programFolder)), m_hooks(hooks), m_kind(std::move(kind))
{
}

QString ExecutableExport::askFolder()
{
    for (;;) {
        const QString chosen = m_prompter.folder(
            {Phrases::text(Phrase::WhereWillTheBePlaced) + m_kind.word + (Phrases::packActive() ? u" :"_s : u" ?"_s)});
        if (chosen.isEmpty())
            return {};
        if (QFileInfo(chosen).isDir())
            return chosen.endsWith(u'/') ? chosen : chosen + u'/';
        m_prompter.message(Phrases::packActive() ? Phrases::text(Phrase::BadFolder) : u"Chemin incorrect."_s,
                           Phrases::text(Phrase::Error), MessageIcon::Critical);
    }
}

CompileOutcome ExecutableExport::run()
{
    m_hooks.prepareForBuild();
    m_hooks.showWaitPanels(true);

    // Every answer comes before anything is deleted, so a cancelled export loses nothing.
    CompileRequest request = CompileRequest::defaultsFor(m_project);
    request.subMenu = false;
    request.light = false;
    request.folder = askFolder();
    const auto cancel = [this] {
        m_hooks.showWaitPanels(false);
        return CompileOutcome::declined();
    };
    if (request.folder.isEmpty())
        return cancel();
    if ((request.projectName = m_prompter.input({Phrases::text(Phrase::ProjectNameQuestion), QString(), QString()}))
            .isEmpty())
        return cancel();
    if ((request.author = m_prompter.input({Phrases::text(Phrase::ProjectAuthorQuestion), QString(), QString()}))
            .isEmpty())
        return cancel();
    QString name = m_prompter.input({Phrases::text(Phrase::NameOfThe) + m_kind.word + u" ?"_s, QString(), QString()});
    if (name.isEmpty())
        return cancel();
    name += u'.' + m_kind.extension;
    switch (m_prompter.message(Phrases::text(Phrase::CopyRuntimeQuestion), QString(), MessageIcon::Question,
                               MessageButtons::YesNoCancel)) {
    case Answer::Yes:
        break;
    case Answer::No:
        request.light = true;
        break;
    default:
        return cancel();
    }

    removeEarlierMenu(request.folder);
    CompileEngine engine(m_project, m_projectFolder, m_programFolder);
    engine.setRequireMultimediaFiles(m_requireMultimediaFiles);
    // What the folder held was removed above, with the author's choice of this folder.
    engine.setReplaceDecision([](const QString &) { return true; });
    const CompileOutcome compiled = engine.compile(request);
    const bool programInPlace = keepOnlyTheProgram(request.folder, name);
    m_hooks.showWaitPanels(false);
    if (!compiled.isWritten())
        return compiled;
    if (!programInPlace) {
        return CompileOutcome::failed(ZepError::about(ErrorCode::PathFileAccess, request.folder + u"zep/"_s + name));
    }
    m_programFile = request.folder + u"zep/"_s + name;
    return CompileOutcome::written({Phrases::text(Phrase::TheArticle) + m_kind.word +
                                        Phrases::text(Phrase::CreatedWithZepFolder) + m_kind.extension +
                                        Phrases::text(Phrase::IsRequiredClose),
                                    u"ZEP"_s, MessageIcon::Information});
}

void ExecutableExport::removeEarlierMenu(const QString &folder)
{
    QDir zep(folder + u"zep"_s);
    for (const QString &file : zep.entryList(QDir::Files | QDir::Hidden | QDir::System))
        zep.remove(file);
    QDir().rmdir(folder + u"zep"_s);
}

bool ExecutableExport::keepOnlyTheProgram(const QString &folder, const QString &name)
{
    const QString zep = folder + u"zep/"_s;
    QFile::remove(folder + u"autorun.inf"_s);
    QFile::remove(zep + u"install.bat"_s);
    QFile::remove(zep + u"autorun.ico"_s);
    // The program is a Windows one: what starts the disc on Linux goes too.
    QFile::remove(folder + u"autorun.sh"_s);
    QFile::remove(zep + u"autorun"_s);
    QFile::remove(zep + u"qt.conf"_s);
    QDir(zep + u"lib"_s).removeRecursively();
    const QString player = zep + u"autorun.exe"_s;
    if (QFileInfo(zep + name) == QFileInfo(player))
        return QFileInfo::exists(player);
    // The player copy goes only once the program is in place: a name the folder cannot
    // hold must not lose the compiled menu.
    if (!QFile::copy(player, zep + name))
        return false;
    QFile::remove(player);
    return true;
}
