#include "setup/core/Destination.h"

#include "common/DesignerFiles.h"

#include "setup/core/SetupPlaces.h"
#include "setup/core/UninstallRecord.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace destination {

namespace {

// The path with links resolved as far as it exists, the missing levels kept as typed.
QString resolved(const QString &folder)
{
    QString existing = QDir::cleanPath(folder);
    QString missing;
    while (!QFileInfo::exists(existing) && existing != u"/"_s) {
        missing = u'/' + QFileInfo(existing).fileName() + missing;
        existing = QFileInfo(existing).path();
    }
    return withFinalSeparator(QFileInfo(existing).canonicalFilePath() + missing);
}

// What the designer writes beside itself outlives an uninstallation; a folder holding
// only that still counts as ZEP's.
bool holdsForeignFiles(const QString &folder)
{
    if (uninstallrecord::liesIn(folder))
        return false;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(entries.begin(), entries.end(),
                       [](const QString &entry) { return !designerfiles::isWrittenByTheDesigner(entry); });
}

} // namespace

bool isAcceptable(const QString &folder)
{
    if (folder.startsWith(u"//"_s) || folder.startsWith(u"\\\\"_s))
        return false;
    return folder.startsWith(u'/');
}

Refusal check(const QString &folder, const QString &sourceFolder)
{
    if (!isAcceptable(folder))
        return Refusal::NotAbsolute;
    if (resolved(folder).startsWith(resolved(sourceFolder)))
        return Refusal::InstallerFolder;
    if (holdsForeignFiles(folder))
        return Refusal::NotEmpty;
    return Refusal::None;
}

QString refusalText(Refusal refusal, const QString &folder)
{
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::NotAbsolute:
        return u"Répertoire incorrect !"_s;
    case Refusal::InstallerFolder:
        return u"ZEP ne peut pas être installé dans le répertoire du programme d'installation !\r\n"
               u"Choisissez un autre répertoire."_s;
    case Refusal::NotEmpty:
        return u"Le répertoire "_s + folder + u" n'est pas vide et ne contient pas d'installation de ZEP !\r\n"_s +
               u"Choisissez un répertoire vide ou un nouveau répertoire."_s;
    }
    return {};
}

ZepError createLevels(const QString &folder)
{
    for (qsizetype end = folder.indexOf(u'/', 1); end != -1; end = folder.indexOf(u'/', end + 1)) {
        const QString level = folder.left(end + 1);
        const QFileInfo info(level);
        if (info.isDir())
            continue;
        if (info.exists() || !QDir().mkdir(level))
            return ZepError::about(ErrorCode::PathNotFound, level);
    }
    return {};
}

QString defaultFolder()
{
    return withFinalSeparator(QDir::homePath()) + u"ZEP/"_s;
}

} // namespace destination
