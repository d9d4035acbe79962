#include "build/LinuxDisc.h"

#include "build/CompileRequest.h"
#include "common/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

using namespace Qt::StringLiterals;

namespace linuxdisc {

namespace {

const QString kRuntimeFolder = u"linux-runtime/"_s;

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

void makeExecutable(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

ZepError copyRuntime(const QString &programFolder, const QString &zep)
{
    const QString runtime = programFolder + kRuntimeFolder;
    if (!QFileInfo(runtime + u"qt.conf"_s).isFile())
        return ZepError::about(ErrorCode::FileNotFound, runtime + u"qt.conf"_s);
    std::error_code ec;
    std::filesystem::copy(fsPath(runtime + u"lib"_s), fsPath(zep + u"lib"_s),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing,
                          ec);
    if (!ec)
        std::filesystem::copy_file(fsPath(runtime + u"qt.conf"_s), fsPath(zep + u"qt.conf"_s),
                                   std::filesystem::copy_options::overwrite_existing, ec);
    if (ec)
        return ZepError::about(ec == std::errc::no_space_on_device ? ErrorCode::DiskFull : ErrorCode::PathFileAccess,
                               zep + u"lib"_s);
    return {};
}

} // namespace

QByteArray startScript()
{
    return QByteArrayLiteral("#!/bin/sh\n"
                             "# Starts the menu of this disc, wherever it is mounted.\n"
                             "here=$(dirname -- \"$(readlink -f -- \"$0\")\")\n"
                             "exec \"$here/zep/autorun\" \"$@\"\n");
}

ZepError write(const CdFolder &cd, const QString &programFolder, const QByteArray &menuData, bool light)
{
    const QString zep = cd.zep();
    const QString &cdFolder = cd.root();
    const Result<QByteArray> player = readWholeFile(programFolder + CompileRequest::kLinuxPlayer);
    if (player.isError())
        return player.error();
    if (const ZepError error = saveFileAtomically(zep + u"autorun"_s, player.value() + menuData); error.isError())
        return error;
    makeExecutable(zep + u"autorun"_s);
    if (const ZepError error = saveFileAtomically(cdFolder + u"autorun.sh"_s, startScript()); error.isError())
        return error;
    makeExecutable(cdFolder + u"autorun.sh"_s);

    // An earlier compile's runtime would otherwise stay behind a light one.
    QDir(zep + u"lib"_s).removeRecursively();
    QFile::remove(zep + u"qt.conf"_s);
    return light ? ZepError() : copyRuntime(programFolder, zep);
}

} // namespace linuxdisc
