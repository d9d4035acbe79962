#include "app/core/UserProgramFolder.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(UserProgramFolder, AWritableProgramFolderIsUsedAsItIs)
{
    QTemporaryDir program;
    const QString folder = program.path() + u'/';
    EXPECT_EQ(userprogramfolder::choose(folder, program.filePath(u"user/"_s)), folder);
    EXPECT_FALSE(QFileInfo::exists(program.filePath(u"user"_s)));
}

TEST(UserProgramFolder, TheUsersFolderLinksToTheProgramsFilesButKeepsWhatTheDesignerWrites)
{
    QTemporaryDir root;
    const QString program = root.filePath(u"usr/lib/zep/"_s);
    const QString user = root.filePath(u"home/ZEP/programme/"_s);
    for (const QString &name : {u"zep"_s, u"compil.exe"_s, u"langues/English/phrases.lge"_s, u"apparences.ini"_s,
                                u"tmp/zep/autorun"_s})
        testfiles::writeBytes(program + name, "shipped");
    testfiles::writeBytes(user + u"zep_options.ini"_s, "the user's options");
    testfiles::writeBytes(user + u"compil.exe"_s, "the user's own file");

    EXPECT_EQ(userprogramfolder::linkEntries(program, user), user);
    EXPECT_EQ(userprogramfolder::linkEntries(program, user), user);

    EXPECT_EQ(QFileInfo(user + u"zep"_s).symLinkTarget(), program + u"zep"_s);
    EXPECT_EQ(testfiles::readBytes(user + u"langues/English/phrases.lge"_s), "shipped");
    EXPECT_EQ(testfiles::readBytes(user + u"compil.exe"_s), "the user's own file");
    EXPECT_EQ(testfiles::readBytes(user + u"zep_options.ini"_s), "the user's options");
    EXPECT_FALSE(QFileInfo::exists(user + u"apparences.ini"_s));
    EXPECT_FALSE(QFileInfo::exists(user + u"tmp"_s));
}
