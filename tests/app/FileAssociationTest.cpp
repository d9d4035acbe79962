#include "app/core/FileAssociation.h"

#include "app/core/AppIdentity.h"
#include "common/DesktopEntryText.h"
#include "platform/SettingsStore.h"
#include "support/DesktopFileCheck.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Association
{
    QTemporaryDir data;
    QTemporaryDir config;
    QStringList toolsRun;

    FileAssociation make(const QString &program)
    {
        FileAssociation association(program, data.path(), config.path());
        association.setToolRunner(
            [this](const QString &tool, const QStringList &args) { toolsRun.append(tool + u' ' + args.join(u' ')); });
        return association;
    }
};

} // namespace

TEST(FileAssociation, WritesMimePackageDesktopEntryAndDefault)
{
    Association a;
    QTemporaryDir storeDir;
    SettingsStore store(storeDir.filePath(u"zep.ini"_s));
    ASSERT_FALSE(a.make(u"/opt/zep/zep"_s).associate(&store).isError());

    EXPECT_EQ(testfiles::readBytes(a.data.path() + u"/mime/packages/x-zep.xml"_s),
              QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                         "  <mime-type type=\"application/x-zep\">\n"
                         "    <comment>Source d'un menu ZEP</comment>\n"
                         "    <glob pattern=\"*.zep\"/>\n"
                         "  </mime-type>\n"
                         "</mime-info>\n"));
    EXPECT_EQ(testfiles::readBytes(a.data.path() + u"/applications/zep.desktop"_s),
              QByteArray("[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=ZEP\n"
                         "Comment=Cr\xC3\xA9"
                         "ateur de menus\n"
                         "Exec=\"/opt/zep/zep\" %f\n"
                         "Icon=/opt/zep/icone.ico\n"
                         "MimeType=application/x-zep;\n"
                         "Terminal=false\n"));
    EXPECT_EQ(testfiles::readBytes(a.config.path() + u"/mimeapps.list"_s),
              QByteArray("[Default Applications]\napplication/x-zep=zep.desktop;\n"));
    EXPECT_EQ(a.toolsRun, (QStringList{u"update-mime-database "_s + a.data.path() + u"/mime"_s,
                                       u"update-desktop-database "_s + a.data.path() + u"/applications"_s}));
    EXPECT_EQ(store.value(u"Association"_s, u"Programme"_s), u"/opt/zep/zep"_s);

    // Associating again rewrites the same files.
    ASSERT_FALSE(a.make(u"/opt/zep/zep"_s).associate().isError());
    EXPECT_EQ(testfiles::readBytes(a.config.path() + u"/mimeapps.list"_s),
              QByteArray("[Default Applications]\napplication/x-zep=zep.desktop;\n"));
}

TEST(FileAssociation, ExecQuotesOddProgramPathsAndTheEntryIsValid)
{
    EXPECT_EQ(desktopentry::quotedArgument(u"/opt/mon zep/zep"_s), u"\"/opt/mon zep/zep\""_s);
    EXPECT_EQ(desktopentry::quotedArgument(u"/a\"b`c$d\\e%f/zep"_s), u"\"/a\\\"b\\`c\\$d\\\\e%%f/zep\""_s);
    // String escapes come on top of the quoting: a backslash becomes four.
    const QByteArray entry = FileAssociation::desktopEntry(u"/x\\y/zep"_s);
    EXPECT_TRUE(entry.contains("Exec=\"/x\\\\\\\\y/zep\" %f\n")) << entry.constData();

    for (const QString &program : {u"/opt/zep/zep"_s, u"/opt/l'atelier 100% \"zep\" $x/zep"_s}) {
        Association a;
        ASSERT_FALSE(a.make(program).associate().isError());
        EXPECT_EQ(testfiles::desktopFileProblems(a.data.path() + u"/applications/zep.desktop"_s), QString())
            << program.toStdString();
    }
}

TEST(FileAssociation, DefaultIsMergedIntoAnExistingMimeAppsList)
{
    // An existing entry for the type is replaced, other lines and sections kept.
    EXPECT_EQ(FileAssociation::withDefaultApplication("[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                                                      "[Default Applications]\napplication/x-zep=autre.desktop;\n"
                                                      "text/html=firefox.desktop;\n"),
              QByteArray("[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                         "[Default Applications]\napplication/x-zep=zep.desktop;\n"
                         "text/html=firefox.desktop;\n"));
    // A new entry goes at the end of its section, before the next one.
    EXPECT_EQ(FileAssociation::withDefaultApplication("[Default Applications]\ntext/html=firefox.desktop;\n\n"
                                                      "[Removed Associations]\nimage/png=x.desktop;"),
              QByteArray("[Default Applications]\ntext/html=firefox.desktop;\napplication/x-zep=zep.desktop;\n\n"
                         "[Removed Associations]\nimage/png=x.desktop;\n"));
    // No such section: it is added after a blank line.
    EXPECT_EQ(FileAssociation::withDefaultApplication("[Added Associations]\ntext/plain=gedit.desktop;\n"),
              QByteArray("[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                         "[Default Applications]\napplication/x-zep=zep.desktop;\n"));
}

TEST(FileAssociation, UnwritableFoldersAreReported)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(u"fichier"_s);
    testfiles::writeBytes(blocker, "x");
    FileAssociation association(u"/opt/zep/zep"_s, blocker, blocker);
    association.setToolRunner([](const QString &, const QStringList &) {});
    const ZepError error = association.associate();
    EXPECT_FALSE(QFile::exists(blocker + u"/applications/zep.desktop"_s));
    EXPECT_EQ(appid::writeFailure(error),
              (MessageRequest{u"Erreur : Chemin introuvable"_s, u"ZEP - création"_s, MessageIcon::Critical}));
    EXPECT_EQ(FileAssociation::doneMessage(),
              (MessageRequest{u"Fichiers associés !"_s, u"ZEP - création"_s, MessageIcon::Information}));
}

TEST(FileAssociation, TheMimeDatabaseToolAcceptsThePackage)
{
    if (QStandardPaths::findExecutable(u"update-mime-database"_s).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    QTemporaryDir data;
    QTemporaryDir config;
    ASSERT_FALSE(FileAssociation(u"/opt/zep/zep"_s, data.path(), config.path()).associate().isError());
    const QByteArray compiled = testfiles::readBytes(data.path() + u"/mime/application/x-zep.xml"_s);
    EXPECT_TRUE(compiled.contains("Source d'un menu ZEP")) << compiled.constData();
}
