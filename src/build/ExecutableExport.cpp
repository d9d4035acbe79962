#include "build/ExecutableExport.h"

#include "build/CompileEngine.h"
#include "build/DiscFile.h"
#include "common/FolderFiles.h"
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

ExecutableExport::ExecutableExport(const MenuProject &project, QString projectFolder, QString programFolder)
    : m_project(project), m_projectFolder(std::move(projectFolder)), m_programFolder(std::move(programFolder))
{
}

QString ExecutableExport::askFolder(Prompter &prompter, const Kind &kind)
{
    for (;;) {
        const QString chosen = prompter.folder(
            {Phrases::text(Phrase::WhereWillTheBePlaced) + kind.word + (Phrases::packActive() ? u" :"_s : u" ?"_s)});
        if (chosen.isEmpty() || QFileInfo(chosen).isDir())
            return chosen;
        prompter.message(Phrases::packActive() ? Phrases::text(Phrase::BadFolder) : u"Chemin incorrect."_s,
                         Phrases::text(Phrase::Error), MessageIcon::Critical);
    }
}

std::optional<ExecutableExport::Request> ExecutableExport::ask(Prompter &prompter, const Kind &kind)
{
    Request request;
    request.kind = kind;
    if ((request.folder = askFolder(prompter, kind)).isEmpty())
        return std::nullopt;
    if ((request.projectName = prompter.input({Phrases::text(Phrase::ProjectNameQuestion), QString(), QString()}))
            .isEmpty())
        return std::nullopt;
    if ((request.author = prompter.input({Phrases::text(Phrase::ProjectAuthorQuestion), QString(), QString()}))
            .isEmpty())
        return std::nullopt;
    if ((request.name = prompter.input({Phrases::text(Phrase::NameOfThe) + kind.word + u" ?"_s, QString(), QString()}))
            .isEmpty())
        return std::nullopt;
    switch (prompter.message(Phrases::text(Phrase::CopyRuntimeQuestion), QString(), MessageIcon::Question,
                             MessageButtons::YesNoCancel)) {
    case Answer::Yes:
        return request;
    case Answer::No:
        request.light = true;
        return request;
    default:
        return std::nullopt;
    }
}

CompileOutcome ExecutableExport::run(const Request &request)
{
    const QString name = request.name + u'.' + request.kind.extension;
    // Checked before anything is deleted: the program must stay inside the zep folder.
    if (!CompileEngine::isSafeSubMenuName(name)) {
        return CompileOutcome::failed(
            {u"Le nom de l'"_s + request.kind.word + u" '"_s + request.name + Phrases::text(Phrase::SubMenuNameInvalid),
             Phrases::text(Phrase::Error), MessageIcon::Exclamation});
    }
    CompileRequest compile;
    compile.folder = CdFolder(request.folder).root();
    compile.projectName = request.projectName;
    compile.author = request.author;
    compile.light = request.light;

    folderfiles::removeFilesAndFolder(CdFolder::onDisc(compile.folder).zepPath());
    CompileEngine engine(m_project, m_projectFolder, m_programFolder);
    engine.setRequireMultimediaFiles(m_requireMultimediaFiles);
    engine.setProgress(m_progress);
    // What the folder held was removed above, with the author's choice of this folder.
    engine.setReplaceDecision([](const QString &) { return true; });
    const CompileOutcome compiled = engine.compile(compile);
    const CdFolder cd = CdFolder::onDisc(compile.folder);
    const bool programInPlace = keepOnlyTheProgram(cd, name);
    if (!compiled.isWritten())
        return compiled;
    if (!programInPlace)
        return CompileOutcome::failed(ZepError::about(ErrorCode::PathFileAccess, cd.inZep(name)));
    m_programFile = cd.inZep(name);
    const Kind &kind = request.kind;
    return CompileOutcome::written({Phrases::text(Phrase::TheArticle) + kind.word +
                                        Phrases::text(Phrase::CreatedWithZepFolder) + kind.extension +
                                        Phrases::text(Phrase::IsRequiredClose),
                                    u"ZEP"_s, MessageIcon::Information});
}

bool ExecutableExport::keepOnlyTheProgram(const CdFolder &cd, const QString &name)
{
    const QString &folder = cd.root();
    const QString zep = cd.zep();
    discfile::remove(folder, u"autorun.inf"_s);
    discfile::remove(zep, u"install.bat"_s);
    discfile::remove(zep, u"autorun.ico"_s);
    // The program is a Windows one: what starts the disc on Linux goes too.
    discfile::remove(folder, u"autorun.sh"_s);
    discfile::remove(zep, u"autorun"_s);
    discfile::remove(zep, u"qt.conf"_s);
    QDir(discfile::find(zep, u"lib"_s)).removeRecursively();
    const QString playerName = pathtext::nameOf(cd.playerCopy());
    const QString player = discfile::find(zep, playerName);
    if (QFileInfo(player).fileName() == name)
        return QFileInfo::exists(player);
    // Another case of the same name is the same file where names have no case.
    if (name.compare(playerName, Qt::CaseInsensitive) == 0)
        return QFile::rename(player, zep + name);
    // The player copy goes only once the program is in place: a name the folder cannot
    // hold must not lose the compiled menu.
    if (!QFile::copy(player, zep + name))
        return false;
    QFile::remove(player);
    return true;
}
