#include "build/IsoExport.h"
#include "build/IsoImageWriter.h"

#include "build/BuildFixtures.h"
#include "project/MenuProject.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void makeExecutable(const QString &path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

// Extracts with a tool of its own, so the image is read by something other than its writer.
void extract(const QString &image, const QString &into)
{
    QProcess xorriso;
    xorriso.start(u"xorriso"_s, {u"-osirrox"_s, u"on"_s, u"-indev"_s, image, u"-extract"_s, u"/"_s, into});
    ASSERT_TRUE(xorriso.waitForFinished(60000));
    ASSERT_EQ(xorriso.exitCode(), 0) << xorriso.readAllStandardError().toStdString();
}

// The primary volume descriptor's volume identifier: 32 characters at byte 40 of sector 16.
QString volumeIdOf(const QString &image)
{
    QFile file(image);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    file.seek(16 * 2048 + 40);
    return QString::fromLatin1(file.read(32)).trimmed();
}

} // namespace

TEST(IsoImage, VolumeNamesKeepWhatTheFormatAllows)
{
    EXPECT_EQ(IsoImageWriter::volumeId(u"Mon menu d'été 2026 !"_s), u"MON_MENU_D_ETE_2026"_s);
    EXPECT_EQ(IsoImageWriter::volumeId(u"abcdefghijklmnopqrstuvwxyz0123456789"_s), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"_s);
    EXPECT_EQ(IsoImageWriter::volumeId(u"¤¤ -- ¤¤"_s), u"ZEP"_s);
    EXPECT_EQ(IsoImageWriter::volumeId(QString()), u"ZEP"_s);
}

TEST(IsoImage, EveryFileComesBackByteForByteWithItsExecutableBit)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"cd/"_s);
    buildfixtures::writeFile(folder + u"autorun.inf"_s, "[autorun]\r\nopen=zep\\autorun.exe\r\n");
    buildfixtures::writeFile(folder + u"autorun.sh"_s, "#!/bin/sh\n");
    buildfixtures::writeFile(folder + u"zep/autorun"_s, QByteArray(300000, 'x'));
    buildfixtures::writeFile(folder + u"zep/un très long nom de fichier avec espaces.bmp"_s, QByteArray(5000, '\x01'));
    buildfixtures::writeFile(folder + u"zep/sons/bip.wav"_s, "RIFF");
    makeExecutable(folder + u"autorun.sh"_s);
    makeExecutable(folder + u"zep/autorun"_s);

    IsoImageWriter writer;
    QList<qint64> progress;
    writer.setProgress([&](qint64 done, qint64 total) {
        progress << done;
        EXPECT_EQ(total, 305000 + 4 + 10 + 33);
    });
    const QString image = dir.filePath(u"menu.iso"_s);
    ASSERT_FALSE(writer.write(folder, image, u"MON_MENU"_s).isError());
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.back(), 305000 + 4 + 10 + 33);
    EXPECT_EQ(volumeIdOf(image), u"MON_MENU"_s);

    const QString extracted = dir.filePath(u"out/"_s);
    extract(image, extracted);
    EXPECT_EQ(buildfixtures::listing(extracted), buildfixtures::listing(folder));
    for (const QString &name : buildfixtures::listing(folder).split(u'\n', Qt::SkipEmptyParts))
        EXPECT_EQ(testfiles::readBytes(extracted + name), testfiles::readBytes(folder + name)) << name.toStdString();
    EXPECT_TRUE(QFileInfo(extracted + u"autorun.sh"_s).isExecutable());
    EXPECT_TRUE(QFileInfo(extracted + u"zep/autorun"_s).isExecutable());
    EXPECT_FALSE(QFileInfo(extracted + u"autorun.inf"_s).isExecutable());
}

TEST(IsoImage, ATargetThatCannotBeWrittenFailsAndLeavesNoFile)
{
    QTemporaryDir dir;
    buildfixtures::writeFile(dir.filePath(u"cd/autorun.inf"_s), "x");
    const QString image = dir.filePath(u"missing folder/menu.iso"_s);
    const ZepError error = IsoImageWriter().write(dir.filePath(u"cd"_s), image, u"ZEP"_s);
    EXPECT_EQ(error.number, 75);
    EXPECT_FALSE(QFileInfo::exists(image));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(IsoExportQuestions, TheImageAndTheRuntimeAnswersMakeTheRequest)
{
    MenuProject project;
    project.setPath(u"/projets/Mon CD.zep"_s);
    ScriptedPrompter prompter;
    const FileRequest save{u"Enregistrer l'image ISO"_s, u"Image ISO | *.iso"_s, u"Mon CD.iso"_s};
    const auto expectRuntime = [&prompter](Answer answer) {
        prompter.expectMessage(u"Copier les fichiers 'RUNTIME' ?"_s, QString(), MessageIcon::Question,
                               MessageButtons::YesNoCancel, answer);
    };

    prompter.expectSaveFile(save, u"/tmp/disque"_s);
    expectRuntime(Answer::No);
    std::optional<IsoExport::Request> request = IsoExport::ask(project, prompter);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->imagePath, u"/tmp/disque.iso"_s);
    EXPECT_TRUE(request->light);

    prompter.expectSaveFile(save, u"/tmp/DISQUE.ISO"_s);
    expectRuntime(Answer::Yes);
    request = IsoExport::ask(project, prompter);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->imagePath, u"/tmp/DISQUE.ISO"_s);
    EXPECT_FALSE(request->light);

    prompter.expectSaveFile(save, u"/tmp/disque.iso"_s);
    expectRuntime(Answer::Cancel);
    EXPECT_FALSE(IsoExport::ask(project, prompter));
    prompter.expectSaveFile(save, QString());
    EXPECT_FALSE(IsoExport::ask(project, prompter));
    EXPECT_TRUE(prompter.allAnswered());
}
