#include "setup/SetupFixture.h"

#include "setup/core/CleanupScript.h"
#include "setup/core/Destination.h"
#include "setup/core/InstallObserver.h"
#include "setup/core/InstalledFiles.h"
#include "setup/core/Installation.h"
#include "setup/core/Shortcuts.h"
#include "setup/core/UninstallRecord.h"
#include "common/LineWriter.h"
#include "support/DesktopFileCheck.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

QByteArray cp1252Lines(const QStringList &lines)
{
    LineWriter out;
    for (const QString &line : lines)
        out.line(line);
    return out.bytes();
}

class RecordingObserver : public InstallObserver
{
public:
    QStringList calls;

    void copying(int index, int count, const QString &from, const QString &to) override
    {
        calls << u"%1/%2 %3 -> %4"_s.arg(index).arg(count).arg(QFileInfo(from).fileName(), QFileInfo(to).fileName());
    }
    void status(const QString &first, const QString &second) override { calls << first + u'|' + second; }
    void finished() override { calls << u"finished"_s; }
};

} // namespace

TEST(SetupFiles, ShortcutsAndTheUninstallRecordAreWrittenByteForByte)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    ASSERT_FALSE(shortcuts::writeInternetShortcut(folder + u"ZEP - Créateur de menus"_s, u"/opt/ZEP/zep"_s,
                                                  u"/opt/ZEP/icone.ico"_s, 0)
                     .isError());
    ASSERT_FALSE(shortcuts::writeInternetShortcut(folder + u"Site officiel de ZEP"_s,
                                                  u"https://zep.example.org/zep/index.php"_s)
                     .isError());
    ASSERT_FALSE(uninstallrecord::write(folder).isError());
    testfiles::expectGolden(u"setup/designer.url"_s, testfiles::readBytes(folder + u"ZEP - Créateur de menus.url"_s));
    testfiles::expectGolden(u"setup/site.url"_s, testfiles::readBytes(folder + u"Site officiel de ZEP.url"_s));
    testfiles::expectGolden(u"setup/desinstall.zdu"_s, testfiles::readBytes(folder + u"desinstall.zdu"_s));
}

TEST(SetupFiles, DesktopEntriesStartTheProgramOrOpenTheAddressAndAreValid)
{
    QTemporaryDir dir;
    const QString where = dir.filePath(u"entry"_s);
    ASSERT_FALSE(shortcuts::writeDesktopEntry(where, u"ZEP"_s, u"/opt/my \"ZEP\" 100%/zep"_s, u"Development;X-ZEP;"_s,
                                              u"/opt/icone.ico"_s)
                     .isError());
    EXPECT_EQ(testfiles::readBytes(where + u".desktop"_s),
              "[Desktop Entry]\nType=Application\nName=ZEP\nExec=\"/opt/my \\\\\"ZEP\\\\\" 100%%/zep\"\n"
              "Icon=/opt/icone.ico\nCategories=Development;X-ZEP;\n");
    EXPECT_TRUE(QFileInfo(where + u".desktop"_s).isExecutable());
    EXPECT_EQ(testfiles::desktopFileProblems(where + u".desktop"_s), QString());

    ASSERT_FALSE(
        shortcuts::writeDesktopEntry(where, u"Site"_s, u"https://zep.example.org/page.php?q=a%20b&r=$x"_s, u"X-ZEP;"_s)
            .isError());
    EXPECT_EQ(testfiles::readBytes(where + u".desktop"_s),
              "[Desktop Entry]\nType=Application\nName=Site\n"
              "Exec=xdg-open \"https://zep.example.org/page.php?q=a%%20b&r=\\\\$x\"\nCategories=X-ZEP;\n");
    EXPECT_EQ(testfiles::desktopFileProblems(where + u".desktop"_s), QString());
}

TEST_F(SetupFixture, TheMenuGroupIsADirectoryEntryAndAMergeFileAndEveryEntryIsValid)
{
    const QString destination = path(u"dest/l'atelier 100% \"ZEP\"/"_s);
    RecordingObserver observer;
    Installation installation(m_places, destination, observer);
    ASSERT_FALSE(installation.prepare().isError());
    installation.install();

    const QString menu = m_places.menusFolder + u"zep-createur-de-menus.menu"_s;
    testfiles::expectGolden(u"setup/zep-createur-de-menus.menu"_s, testfiles::readBytes(menu));
    QXmlStreamReader xml(testfiles::readBytes(menu));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    const QString directory = m_places.directoriesFolder + u"zep-createur-de-menus.directory"_s;
    EXPECT_EQ(testfiles::readBytes(directory),
              (u"[Desktop Entry]\nType=Directory\nName=ZEP - créateur de menus\nIcon="_s + destination +
               u"icone.ico\n"_s)
                  .toUtf8());

    QStringList entries{directory};
    for (const QString &folder : {m_places.groupFolder(), m_places.desktopFolder}) {
        for (const QString &name : QDir(folder).entryList({u"*.desktop"_s}, QDir::Files))
            entries << folder + name;
    }
    ASSERT_EQ(entries.size(), 6);
    for (const QString &entry : entries)
        EXPECT_EQ(testfiles::desktopFileProblems(entry), QString()) << entry.toStdString();
    EXPECT_TRUE(testfiles::readBytes(m_places.groupFolder() + u"Site officiel de ZEP.desktop"_s)
                    .contains("\nExec=xdg-open \"https://"));
}

TEST(SetupFiles, EveryShippedDesktopFileIsValid)
{
    QStringList files;
    QDirIterator it(QStringLiteral(ZEP_PACKAGING_DIR), {u"*.desktop"_s, u"*.directory"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    EXPECT_FALSE(files.isEmpty());
    for (const QString &file : files)
        EXPECT_EQ(testfiles::desktopFileProblems(file), QString()) << file.toStdString();
}

TEST(SetupDestination, OnlyAbsoluteLocalFoldersAreAccepted)
{
    EXPECT_TRUE(destination::isAcceptable(u"/home/user/ZEP/"_s));
    EXPECT_FALSE(destination::isAcceptable(u"ZEP/"_s));
    EXPECT_FALSE(destination::isAcceptable(u"~/ZEP/"_s));
    EXPECT_FALSE(destination::isAcceptable(u"\\\\server\\share\\"_s));
    EXPECT_FALSE(destination::isAcceptable(u"//server/share/"_s));
    EXPECT_TRUE(destination::defaultFolder().endsWith(u"/ZEP/"_s));
}

TEST_F(SetupFixture, AFolderWithFilesButNoInstallationOrInsideThePackageIsRefused)
{
    using destination::Refusal;
    const QString source = m_places.sourceFolder;
    EXPECT_EQ(destination::check(u"ZEP/"_s, source), Refusal::NotAbsolute);
    EXPECT_EQ(destination::check(path(u"new/ZEP/"_s), source), Refusal::None);
    QDir().mkpath(path(u"empty"_s));
    EXPECT_EQ(destination::check(path(u"empty/"_s), source), Refusal::None);
    write(u"documents/.hidden"_s, "mine");
    EXPECT_EQ(destination::check(path(u"documents/"_s), source), Refusal::NotEmpty);
    // What the designer wrote there survives its uninstallation.
    write(u"uninstalled/zep_options.ini"_s, "oui");
    write(u"uninstalled/tmp/zep/autorun.inf"_s, "");
    EXPECT_EQ(destination::check(path(u"uninstalled/"_s), source), Refusal::None);
    write(u"installed/desinstall.zdu"_s, "");
    write(u"installed/zep"_s, "designer");
    EXPECT_EQ(destination::check(path(u"installed/"_s), source), Refusal::None);

    EXPECT_EQ(destination::check(source, source), Refusal::InstallerFolder);
    EXPECT_EQ(destination::check(source + u"sub/ZEP/"_s, source), Refusal::InstallerFolder);
    ASSERT_TRUE(QFile::link(path(u"package"_s), path(u"link"_s)));
    EXPECT_EQ(destination::check(path(u"link/"_s), source), Refusal::InstallerFolder);
    EXPECT_EQ(destination::check(path(u"package2/"_s), source), Refusal::None);

    EXPECT_EQ(destination::refusalText(Refusal::NotEmpty, u"/home/u/"_s),
              u"Le répertoire /home/u/ n'est pas vide et ne contient pas d'installation de ZEP !\r\n"
              u"Choisissez un répertoire vide ou un nouveau répertoire."_s);
}

TEST_F(SetupFixture, MissingLevelsAreCreatedAndAFileInTheWayIsAnError)
{
    EXPECT_FALSE(destination::createLevels(path(u"a/b/"_s)).isError());
    EXPECT_TRUE(QFileInfo(path(u"a/b"_s)).isDir());
    write(u"file"_s, "x");
    const ZepError error = destination::createLevels(path(u"file/c/"_s));
    EXPECT_EQ(error.number, 76);
    EXPECT_EQ(error.description, u"Chemin introuvable : "_s + path(u"file/"_s));
}

TEST_F(SetupFixture, InstallingCopiesThePackageCreatesTheEntriesAndInstallingAgainOverwrites)
{
    const QString destination = path(u"dest/ZEP/"_s);
    for (const QByteArray &designer : {QByteArray("designer"), QByteArray("newer designer")}) {
        write(u"package/zep"_s, designer);
        RecordingObserver observer;
        Installation installation(m_places, destination, observer);
        ASSERT_FALSE(installation.prepare().isError());
        installation.install();

        const QStringList copies = designer == "designer"
                                       ? QStringList{u"0/4 compil.exe -> compil.exe"_s, u"1/4 icone.ico -> icone.ico"_s,
                                                     u"2/4 langues -> langues"_s, u"3/4 zep -> zep"_s}
                                       : QStringList{u"0/3 icone.ico -> icone.ico"_s, u"1/3 langues -> langues"_s,
                                                     u"2/3 zep -> zep"_s};
        const QStringList rest{u"Création des groupes & icones...|"_s, u"Enregistrement des fichiers...|"_s,
                               u"Installation terminée !|"_s, u"finished"_s};
        EXPECT_EQ(observer.calls, copies + rest);
        EXPECT_EQ(read(u"dest/ZEP/zep"_s), designer);
        EXPECT_EQ(read(u"dest/ZEP/langues/English/phrases.lge"_s), "Liste.Add \"New\"");
        EXPECT_FALSE(exists(u"dest/ZEP/tmp"_s));
        EXPECT_TRUE(uninstallrecord::liesIn(destination));
        QFile::remove(path(u"package/compil.exe"_s));
    }
    // The second package had no player: the list still holds the first one's.
    EXPECT_EQ(read(u"dest/ZEP/desinstall.lst"_s), "compil.exe\nicone.ico\nlangues/English/phrases.lge\nzep\n");
    const QString group = m_places.groupFolder();
    for (const QString &entry : {u"ZEP - Créateur de menus"_s, u"Site officiel de ZEP"_s,
                                 u"Télécharger des exemples"_s, u"Désinstaller ZEP"_s}) {
        EXPECT_TRUE(QFileInfo::exists(group + entry + u".url"_s)) << entry.toStdString();
        EXPECT_TRUE(QFileInfo::exists(group + entry + u".desktop"_s)) << entry.toStdString();
    }
    EXPECT_EQ(testfiles::readBytes(group + u"Désinstaller ZEP.url"_s),
              cp1252Lines({u"[InternetShortcut]"_s, u"URL="_s + destination + u"setup"_s,
                           u"IconFile="_s + destination + u"setup"_s, u"IconIndex=0"_s}));
    EXPECT_TRUE(QFileInfo::exists(m_places.desktopFolder + u"ZEP - Créateur de menus.url"_s));
    EXPECT_TRUE(QFileInfo::exists(m_places.desktopFolder + u"ZEP - Créateur de menus.desktop"_s));
}

TEST_F(SetupFixture, ARunningDesignerInTheDestinationStopsTheInstallationBeforeAnyCopy)
{
    const QString destination = path(u"dest/"_s);
    QDir().mkpath(destination);
    ASSERT_TRUE(QFile::copy(u"/bin/sleep"_s, destination + u"zep"_s));
    QProcess designer;
    designer.start(destination + u"zep"_s, {u"30"_s});
    ASSERT_TRUE(designer.waitForStarted());

    RecordingObserver observer;
    Installation installation(m_places, destination, observer);
    const ZepError error = installation.prepare();
    designer.kill();
    designer.waitForFinished();

    EXPECT_EQ(error.number, 70);
    EXPECT_EQ(error.description, u"Permission refusée : "_s + destination + u"zep"_s);
    EXPECT_TRUE(observer.calls.isEmpty());
    EXPECT_FALSE(exists(u"dest/compil.exe"_s));
}

TEST_F(SetupFixture, EveryProgramIsCheckedForRunningBeforeAnyIsDeleted)
{
    const QString destination = path(u"dest/"_s);
    write(u"dest/zep"_s, "older designer");
    write(u"dest/desinstall.zdu"_s, "");
    ASSERT_TRUE(QFile::copy(u"/bin/sleep"_s, destination + u"setup"_s));
    QProcess uninstaller;
    uninstaller.start(destination + u"setup"_s, {u"30"_s});
    ASSERT_TRUE(uninstaller.waitForStarted());

    RecordingObserver observer;
    const ZepError error = Installation(m_places, destination, observer).prepare();
    uninstaller.kill();
    uninstaller.waitForFinished();

    EXPECT_EQ(error.description, u"Permission refusée : "_s + destination + u"setup"_s);
    EXPECT_EQ(read(u"dest/zep"_s), "older designer");
}

TEST(SetupFiles, TheListOfInstalledFilesKeepsOnlyPathsInsideTheFolder)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    testfiles::writeBytes(folder + installedfiles::fileName(),
                          "zep\n../outside\n/etc/passwd\nlangues/../../x\na/./b\n\nlangues/English/phrases.lge\nzep\n");
    EXPECT_EQ(installedfiles::read(folder), (QStringList{u"zep"_s, u"langues/English/phrases.lge"_s}));
    EXPECT_EQ(installedfiles::foldersOf({u"zep"_s, u"a/b/c"_s, u"a/d"_s, u"e/f"_s}),
              (QStringList{u"a/b"_s, u"a"_s, u"e"_s}));
}
