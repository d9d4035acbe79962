#include "setup/core/Installation.h"

#include "common/ProgramVersion.h"
#include "setup/core/Destination.h"
#include "setup/core/InstallObserver.h"
#include "setup/core/InstalledFiles.h"
#include "setup/core/MenuGroup.h"
#include "setup/core/RunningPrograms.h"
#include "setup/core/Shortcuts.h"
#include "setup/core/UninstallRecord.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString designerEntry = u"ZEP - Créateur de menus"_s;

// Sub-folders (language packs and the like) come with the package; an earlier test
// folder does not.
bool isPackageFolder(const QString &name)
{
    return name != u"tmp"_s;
}

} // namespace

Installation::Installation(SetupPlaces places, QString destination, InstallObserver &observer)
    : m_places(std::move(places)), m_destination(std::move(destination)), m_observer(observer)
{
}

QStringList Installation::replacedPrograms()
{
    return {u"zep"_s, u"setup"_s, u"compil.exe"_s, u"compil"_s, u"zepc"_s};
}

ZepError Installation::prepare()
{
    if (const ZepError error = destination::createLevels(m_destination); error.isError())
        return error;
    // All are checked before one is deleted, so a refusal leaves the installation whole.
    QStringList present;
    for (const QString &name : replacedPrograms()) {
        const QString path = m_destination + name;
        if (!QFileInfo::exists(path))
            continue;
        if (runningprograms::isRunning(path))
            return ZepError::about(ErrorCode::PermissionDenied, path);
        present << path;
    }
    for (const QString &path : present) {
        if (!QFile::remove(path))
            return ZepError::about(ErrorCode::PermissionDenied, path);
    }
    return {};
}

void Installation::install()
{
    m_written = installedfiles::read(m_destination);
    copyPackage();
    m_observer.status(u"Création des groupes & icones..."_s, QString());
    createEntries();
    // The program is in place whatever happens to these two; the installer has no way yet
    // to say that the uninstaller will not find them.
    static_cast<void>(uninstallrecord::write(m_destination));
    static_cast<void>(installedfiles::write(m_destination, m_written));
    m_observer.status(u"Enregistrement des fichiers..."_s, QString());
    m_observer.status(u"Installation terminée !"_s, QString());
    m_observer.finished();
}

void Installation::copyPackage()
{
    const QDir source(m_places.sourceFolder);
    QStringList names;
    for (const QFileInfo &entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (entry.isFile() || isPackageFolder(entry.fileName()))
            names << entry.fileName();
    }
    for (int i = 0; i < names.size(); ++i) {
        const QString from = m_places.sourceFolder + names[i];
        const QString to = m_destination + names[i];
        m_observer.copying(i, int(names.size()), from, to);
        if (QFileInfo(from).isDir())
            copyFolder(from, names[i]);
        else
            copyFile(from, names[i]);
    }
}

void Installation::copyFile(const QString &from, const QString &relative)
{
    const QString to = m_destination + relative;
    QFile::remove(to);
    if (QFile::copy(from, to) && !m_written.contains(relative))
        m_written << relative;
}

void Installation::copyFolder(const QString &from, const QString &relative)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = relative + u'/' + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(m_destination + target).path());
        copyFile(file, target);
    }
}

void Installation::createEntries()
{
    const QString group = m_places.groupFolder();
    QDir().mkpath(group);
    const QString designer = m_destination + u"zep"_s;
    const QString icon = m_destination + u"icone.ico"_s;
    const QString setup = m_destination + u"setup"_s;
    const QString site = version::website() + u"zep/index.php"_s;
    const QString examples = version::website() + u"zep/page.php?ext=php&q=galerie"_s;
    const QString inGroup = menugroup::category() + u';';
    const QString designerCategories = u"Development;"_s + inGroup;

    // An entry that cannot be written leaves the installation going: the program runs
    // without it, as the installer has always allowed.
    static_cast<void>(menugroup::write(m_places, icon));
    static_cast<void>(shortcuts::writeInternetShortcut(group + designerEntry, designer, icon, 0));
    static_cast<void>(
        shortcuts::writeDesktopEntry(group + designerEntry, designerEntry, designer, designerCategories, icon));
    QDir().mkpath(m_places.desktopFolder);
    static_cast<void>(shortcuts::writeInternetShortcut(m_places.desktopFolder + designerEntry, designer, icon, 0));
    static_cast<void>(shortcuts::writeDesktopEntry(m_places.desktopFolder + designerEntry, designerEntry, designer,
                                                   designerCategories, icon));
    static_cast<void>(shortcuts::writeInternetShortcut(group + u"Site officiel de ZEP"_s, site));
    static_cast<void>(
        shortcuts::writeDesktopEntry(group + u"Site officiel de ZEP"_s, u"Site officiel de ZEP"_s, site, inGroup));
    static_cast<void>(shortcuts::writeInternetShortcut(group + u"Télécharger des exemples"_s, examples));
    static_cast<void>(shortcuts::writeDesktopEntry(group + u"Télécharger des exemples"_s, u"Télécharger des exemples"_s,
                                                   examples, inGroup));
    static_cast<void>(shortcuts::writeInternetShortcut(group + u"Désinstaller ZEP"_s, setup, setup, 0));
    static_cast<void>(
        shortcuts::writeDesktopEntry(group + u"Désinstaller ZEP"_s, u"Désinstaller ZEP"_s, setup, inGroup, icon));
}
