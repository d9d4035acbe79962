#include "build/CompileEngine.h"

#include "build/AutorunFile.h"
#include "build/CompileChecks.h"
#include "build/CompileProgress.h"
#include "build/DiscFile.h"
#include "build/LinuxDisc.h"
#include "build/MenuDataWriter.h"
#include "common/PathText.h"
#include "common/Phrases.h"
#include "common/SaveFile.h"
#include "project/MenuProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

const QString kTransparentSuffix = u"_transp.bmp"_s;
constexpr int kBlue = 16711680;

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

ZepError copyFile(const QString &source, const QString &target)
{
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return ZepError(ErrorCode::FileNotFound, errorDescription(int(ErrorCode::FileNotFound)) + u" : "_s + source);
    std::error_code ec;
    // A file copied onto itself would be emptied by the overwrite.
    if (std::filesystem::equivalent(fsPath(source), fsPath(target), ec))
        return {};
    ec.clear();
    std::filesystem::copy_file(fsPath(source), fsPath(target), std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
        const ErrorCode code = ec == std::errc::no_space_on_device  ? ErrorCode::DiskFull
                               : ec == std::errc::permission_denied ? ErrorCode::PermissionDenied
                                                                    : ErrorCode::PathFileAccess;
        return ZepError(code, errorDescription(int(code)) + u" : "_s + target);
    }
    return {};
}

void removeFolderFiles(const QString &folder)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
    QDir().rmdir(folder);
}

} // namespace

const QStringList &CompileEngine::runtimeFiles()
{
    static const QStringList files{
        u"Asycfilt.dll"_s, u"Comcat.dll"_s, u"Msvbvm60.dll"_s, u"Oleaut32.dll"_s, u"Olepro32.dll"_s, u"Stdole.tlb"_s,
        u"Vb6fr.dll"_s,    u"msdxm.ocx"_s,  u"Msscript.ocx"_s, u"Msscrfr.dll"_s,  u"Msscript.cnt"_s,
    };
    return files;
}

CompileEngine::CompileEngine(const MenuProject &project, QString projectFolder, QString programFolder)
    : m_project(project), m_projectFolder(std::move(projectFolder)), m_programFolder(std::move(programFolder))
{
    if (!m_programFolder.endsWith(u'/'))
        m_programFolder += u'/';
}

QString CompileEngine::resolve(const QString &reference) const
{
    return pathtext::resolve(m_projectFolder, reference);
}

bool CompileEngine::isSafeSubMenuName(const QString &name)
{
    if (name.trimmed().isEmpty() || name.contains(u".."_s) || name.endsWith(u'.'))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || u"\\/:*?\"<>|"_s.contains(c))
            return false;
    }
    return true;
}

void CompileEngine::status(const QString &text, int colour)
{
    if (m_progress)
        m_progress->status(text, colour);
}

void CompileEngine::step(const QString &text)
{
    if (m_progress)
        m_progress->step(text);
}

CompileOutcome CompileEngine::compile(CompileRequest &request)
{
    if (auto refusal = checkFolder(request))
        return *refusal;
    if (auto refusal = checkMultimediaFiles())
        return *refusal;
    if (auto refusal = checkTarget(request))
        return *refusal;

    if (m_progress)
        m_progress->fieldsEnabled(false);
    status(Phrases::text(Phrase::FolderOkCopying), kBlue);
    const ZepError error = writeFolder(request);
    if (error.isError()) {
        if (m_progress)
            m_progress->fieldsEnabled(true);
        return CompileOutcome::failed({Phrases::text(Phrase::CompileErrorOpen) + error.description + u')',
                                       Phrases::text(Phrase::Error), MessageIcon::Critical});
    }
    return finish(request);
}

std::optional<CompileOutcome> CompileEngine::checkFolder(CompileRequest &request)
{
    const auto refuse = [] {
        return CompileOutcome::failed(
            {Phrases::text(Phrase::BadFolder), Phrases::text(Phrase::ErrorBang), MessageIcon::Critical});
    };
    QString folder = pathtext::toHost(request.folder);
    // Completed, an empty box would name the root of the disc.
    if (folder.trimmed().isEmpty())
        return refuse();
    if (!folder.endsWith(u'/')) {
        folder += u'/';
        request.folder = folder;
        if (m_progress)
            m_progress->folderCompleted(folder);
    }
    if (!QFileInfo(folder).isDir())
        return refuse();
    m_zepFolder = discfile::find(folder, u"zep"_s) + u'/';
    m_playerCopy = request.subMenu ? m_zepFolder + request.subMenuName + u".exe"_s : m_zepFolder + u"autorun.exe"_s;
    return std::nullopt;
}

std::optional<CompileOutcome> CompileEngine::checkMultimediaFiles() const
{
    if (!m_requireMultimediaFiles)
        return std::nullopt;
    const QList<int> missing = compilechecks::multimediaWithoutFile(m_project);
    if (missing.isEmpty())
        return std::nullopt;
    return CompileOutcome::failed(compilechecks::multimediaWithoutFileNotice(missing.first()));
}

std::optional<CompileOutcome> CompileEngine::checkTarget(const CompileRequest &request)
{
    const QString zepFolder = m_zepFolder.chopped(1);
    if (request.subMenu) {
        if (!isSafeSubMenuName(request.subMenuName)) {
            return CompileOutcome::failed({Phrases::text(Phrase::SubMenuNameOpen) + request.subMenuName +
                                               Phrases::text(Phrase::SubMenuNameInvalid),
                                           Phrases::text(Phrase::SubMenuTitle), MessageIcon::Exclamation});
        }
        if (!QFileInfo(zepFolder).isDir()) {
            return CompileOutcome::declined({Phrases::text(Phrase::NoMainMenuInFolder),
                                             Phrases::text(Phrase::SubMenuTitle), MessageIcon::Exclamation});
        }
        if (discfile::exists(m_zepFolder, request.subMenuName + u".exe"_s)) {
            return CompileOutcome::declined({Phrases::text(Phrase::SubMenuAlreadyExists),
                                             Phrases::text(Phrase::SubMenuTitle), MessageIcon::Exclamation});
        }
        return std::nullopt;
    }
    if (QFileInfo(zepFolder).isDir()) {
        if (!m_mayReplace || !m_mayReplace(m_zepFolder.chopped(4)))
            return CompileOutcome::declined();
        removeFolderFiles(zepFolder);
        // The new menu's folder is "zep" unless the earlier one had to stay.
        m_zepFolder = discfile::find(m_zepFolder.chopped(4), u"zep"_s) + u'/';
        m_playerCopy = m_zepFolder + u"autorun.exe"_s;
    }
    return std::nullopt;
}

ZepError CompileEngine::writeFolder(const CompileRequest &request)
{
    ZepError error;
    if (!request.subMenu && (error = copyMainMenuFiles(request)).isError())
        return error;

    step(Phrases::text(Phrase::CopyingTransparencyFilter));
    if (!m_project.settings().transparencyImage.isEmpty() &&
        (error = copyReference(m_project.settings().transparencyImage)).isError())
        return error;
    step(Phrases::text(Phrase::CompileDone));

    if ((error = copyProgramFile(u"install.bat"_s)).isError())
        return error;

    step(Phrases::text(Phrase::CopyingAutorunExe));
    if ((error = copyFile(m_programFolder + request.player, m_playerCopy)).isError())
        return error;
    step(Phrases::text(Phrase::CompileDone));

    if ((error = copyImages()).isError() || (error = copySounds()).isError())
        return error;
    return appendMenuData(request);
}

bool CompileEngine::alsoStartsOnLinux(const CompileRequest &request)
{
    return !request.subMenu && request.player == CompileRequest::kWindowsPlayer;
}

ZepError CompileEngine::copyMainMenuFiles(const CompileRequest &request)
{
    const QString folder = m_zepFolder.chopped(4);
    step(Phrases::text(Phrase::CreatingAutorun));
    discfile::removeOtherCases(folder, u"Autorun.inf"_s);
    if (const ZepError error = saveFileAtomically(folder + u"Autorun.inf"_s, AutorunFile::bytes()); error.isError())
        return error;
    step(Phrases::text(Phrase::CompileDone));

    step(Phrases::text(Phrase::CreatingZepFolder));
    if (!QFileInfo(m_zepFolder).isDir() && !QDir().mkdir(m_zepFolder.chopped(1)))
        return ZepError(ErrorCode::PathFileAccess,
                        errorDescription(int(ErrorCode::PathFileAccess)) + u" : "_s + m_zepFolder.chopped(1));
    step(Phrases::text(Phrase::CompileDone));

    if (!request.light) {
        step(Phrases::text(Phrase::CopyingRuntime));
        for (const QString &name : runtimeFiles()) {
            if (const ZepError error = copyProgramFile(name); error.isError())
                return error;
        }
        step(Phrases::text(Phrase::CompileDone));
    }

    step(Phrases::text(Phrase::CopyingIcon));
    const QString &icon = m_project.settings().icon;
    if (icon.startsWith(u'(') && icon.endsWith(u')')) {
        if (const ZepError error = copyProgramFile(u"autorun.ico"_s); error.isError())
            return error;
    } else if (const ZepError error = copyFile(resolve(icon), m_zepFolder + u"autorun.ico"_s); error.isError()) {
        return error;
    }
    step(Phrases::text(Phrase::CompileDone));
    return {};
}

ZepError CompileEngine::copyProgramFile(const QString &name)
{
    step(Phrases::text(Phrase::CopyingFile) + name + u"..."_s);
    if (name == u"Msscript.ocx"_s && discfile::exists(m_zepFolder, name))
        return {};
    if (const ZepError error = copyFile(m_programFolder + name, m_zepFolder + name); error.isError())
        return error;
    step(Phrases::text(Phrase::CompileDone));
    return {};
}

ZepError CompileEngine::copyToZep(const QString &source, const QString &targetName)
{
    return copyFile(source, m_zepFolder + targetName);
}

ZepError CompileEngine::copyReference(const QString &reference)
{
    return copyToZep(resolve(reference), pathtext::nameOf(reference));
}

ZepError CompileEngine::copyImages()
{
    step(Phrases::text(Phrase::CopyingImages));
    ZepError error;
    const QString &background = m_project.settings().backgroundImage;
    if (!background.isEmpty() && (error = copyReference(background)).isError())
        return error;
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot) {
        const MenuButton &b = m_project.button(slot);
        if (b.isDeleted() || b.normalImage.isEmpty())
            continue;
        for (const QString *image : {&b.normalImage, &b.hoverImage, &b.clickImage}) {
            if (image->isEmpty())
                error = ZepError(ErrorCode::FileNotFound);
            else if (b.transparent)
                error = copyToZep(resolve(*image) + kTransparentSuffix, pathtext::nameOf(*image) + kTransparentSuffix);
            else
                error = copyReference(*image);
            if (error.isError())
                return error;
        }
    }
    step(Phrases::text(Phrase::CompileDone));
    return {};
}

ZepError CompileEngine::copySounds()
{
    step(Phrases::text(Phrase::CopyingSounds));
    const ProjectSettings &s = m_project.settings();
    for (const QString *sound : {&s.backgroundMusic, &s.clickSound, &s.hoverSound}) {
        if (sound->isEmpty())
            continue;
        if (const ZepError error = copyReference(*sound); error.isError())
            return error;
    }
    step(Phrases::text(Phrase::CompileDone));
    return {};
}

ZepError CompileEngine::appendMenuData(const CompileRequest &request)
{
    step(Phrases::text(Phrase::Compiling));
    const QByteArray block =
        MenuDataWriter::dataBlock(MenuDataWriter(m_project).lines(request.projectName, request.author));
    if (alsoStartsOnLinux(request)) {
        if (const ZepError error = linuxdisc::write(m_zepFolder.chopped(4), m_programFolder, block, request.light);
            error.isError())
            return error;
    }
    QFile player(m_playerCopy);
    if (!player.open(QIODevice::WriteOnly | QIODevice::Append) || player.write(block) != block.size() ||
        !player.flush())
        return ZepError(ErrorCode::PathFileAccess,
                        errorDescription(int(ErrorCode::PathFileAccess)) + u" : "_s + m_playerCopy);
    return {};
}

CompileOutcome CompileEngine::finish(const CompileRequest &request)
{
    step(Phrases::text(Phrase::CompileDone));
    step(QString());
    const QString folder = m_zepFolder.chopped(4);
    if (m_progress) {
        m_progress->report(Phrases::text(Phrase::CompileFinishedBurnFrom) + folder +
                           Phrases::text(Phrase::BurnToCdRoot));
    }
    status(Phrases::text(Phrase::CompileDone));
    if (!request.subMenu)
        return CompileOutcome::written();
    return CompileOutcome::written(
        {Phrases::text(Phrase::YourSubMenuOpen) + request.subMenuName + Phrases::text(Phrase::SubMenuCreatedHowToStart),
         Phrases::text(Phrase::SubMenuTitle), MessageIcon::Information});
}
