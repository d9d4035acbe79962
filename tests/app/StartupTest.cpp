#include "app/core/AppearanceFile.h"
#include "app/core/CommandLine.h"
#include "app/core/FileAssociation.h"
#include "app/core/FirstRun.h"
#include "app/core/InstallationRecord.h"
#include "app/core/OptionsFile.h"
#include "app/core/StartupLayout.h"

#include "platform/SettingsStore.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(CommandLine, ProjectPathsMaintenanceAndEverythingElse)
{
    QTemporaryDir dir;
    const QString project = dir.filePath(u"mon menu.zep"_s);
    testfiles::writeBytes(project, "x");
    testfiles::writeBytes(dir.filePath(u"HAUT.ZEP"_s), "x");
    QDir().mkpath(dir.filePath(u"dossier.zep"_s));

    // Quotes are removed and the arguments make one line.
    EXPECT_EQ(CommandLine::parse(u"\""_s + project + u"\""_s).startupProject(), project);
    EXPECT_EQ(CommandLine::parse(QStringList{dir.filePath(u"mon"_s), u"menu.zep"_s}).startupProject(), project);
    EXPECT_EQ(CommandLine::parse(QStringList{u"\""_s + project + u"\""_s}).startupProject(), project);
    EXPECT_FALSE(CommandLine::parse(QString()).maintenance());

    for (const QString &ignored : {dir.filePath(u"HAUT.ZEP"_s), dir.filePath(u"absent.zep"_s),
                                   dir.filePath(u"dossier.zep"_s), project + u" "_s, u"Debogage"_s, QString()}) {
        const CommandLine line = CommandLine::parse(ignored);
        EXPECT_TRUE(line.startupProject().isEmpty()) << ignored.toStdString();
        EXPECT_FALSE(line.maintenance()) << ignored.toStdString();
    }

    EXPECT_TRUE(CommandLine::parse(u"debogage"_s).maintenance());
    EXPECT_TRUE(CommandLine::parse(u"\"debogage\""_s).maintenance());
    EXPECT_FALSE(CommandLine::parse(u"debogage 1"_s).maintenance());
}

TEST(CommandLine, RelativeProjectPathsBecomeAbsolute)
{
    const CommandLine line =
        CommandLine::parse(u"menu.zep"_s, [](const QString &path) { return path == u"menu.zep"_s; });
    EXPECT_EQ(line.startupProject(), QDir::current().absoluteFilePath(u"menu.zep"_s));
}

TEST(StartupLayout, ScreenCheckAndWorksheetSize)
{
    const TwipsPerPixel tpp{15, 15};
    const auto refused = StartupLayout::screenCheck(799 * 15, tpp);
    ASSERT_TRUE(refused);
    EXPECT_EQ(
        *refused,
        (MessageRequest{u"Votre résolution est insuffisante pour démarrer ZEP, vous devez être en 800x600 minimum !"_s,
                        u"Erreur de chargement"_s, MessageIcon::Critical}));
    EXPECT_FALSE(StartupLayout::screenCheck(800 * 15, tpp));

    EXPECT_EQ(StartupLayout::initialWorksheetSize(800 * 15, tpp), QSizeF(9600, 7200));
    EXPECT_EQ(StartupLayout::initialWorksheetSize(1024 * 15, tpp), QSizeF(12000, 9000));
    // Horizontal and vertical factors apart (120 dpi across, 96 down).
    EXPECT_EQ(StartupLayout::initialWorksheetSize(800 * 12, TwipsPerPixel{12, 15}), QSizeF(7680, 7200));
}

TEST(StartupLayout, WindowsAroundTheWorksheet)
{
    const QSizeF screen(1024 * 15, 768 * 15); // 15360 × 11520
    const StartupLayout::Windows w = StartupLayout::arrange(screen, QSizeF(12000, 9000), QSizeF(1500, 4000),
                                                            QSizeF(9000, 615), QSizeF(3000, 1), QSizeF(2000, 800));
    EXPECT_EQ(w.worksheet, QRectF(830 + 1500 + 200, 1260, 12000, 9000));
    EXPECT_EQ(w.palette, QRectF(830, 1260, 1500, 4000));
    EXPECT_EQ(w.mainWindow, QRectF(3180, 1260 - 200 - 615, 9000, 615));
    EXPECT_EQ(w.parametersPanel, QRectF(830, 5460, 3000, 11520 - 500 - 5460));
    // Taller than the main window, it rises to stay 200 twips above the worksheet.
    EXPECT_EQ(w.mousePosition, QRectF(12180 + 500, 1260 - 200 - 800, 2000, 800));
    const StartupLayout::Windows low = StartupLayout::arrange(screen, QSizeF(12000, 9000), QSizeF(1500, 4000),
                                                              QSizeF(9000, 615), QSizeF(3000, 1), QSizeF(2000, 400));
    EXPECT_EQ(low.mousePosition, QRectF(12180 + 500, 445, 2000, 400)) << "same top as the main window";

    // A palette reaching below the screen leaves the panel no height rather than a negative one.
    const StartupLayout::Windows tall = StartupLayout::arrange(screen, QSizeF(12000, 9000), QSizeF(1500, 11000),
                                                               QSizeF(9000, 615), QSizeF(3000, 1), QSizeF(2000, 800));
    EXPECT_EQ(tall.parametersPanel.height(), 0);
}

TEST(InstallationRecord, WritesTheGeneralValues)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(u"zep.ini"_s));
    const InstallationRecord record =
        InstallationRecord::current(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 4)), QLocale(QLocale::French));
    EXPECT_EQ(record.programFolder, QCoreApplication::applicationDirPath() + u'/');
    EXPECT_EQ(record.programFileName, u"zep_app_core_tests"_s);
    EXPECT_EQ(record.version, u"2.0"_s);
    EXPECT_EQ(record.time, u"09:05:04"_s);
    EXPECT_EQ(record.date, u"07/03/2026"_s);

    InstallationRecord other = record;
    other.programFolder = u"/opt/zep"_s;
    other.write(store);
    EXPECT_EQ(store.value(u"General"_s, u"Chemin"_s), u"/opt/zep/"_s);
    EXPECT_EQ(store.value(u"General"_s, u"NomExe"_s), u"zep_app_core_tests"_s);
    EXPECT_EQ(store.value(u"General"_s, u"Version"_s), u"2.0"_s);
    EXPECT_EQ(store.value(u"General"_s, u"DernHeure"_s), u"09:05:04"_s);
    EXPECT_EQ(store.value(u"General"_s, u"DernDate"_s), u"07/03/2026"_s);
}

TEST(FirstRun, CreatesOnlyWhatIsMissing)
{
    QTemporaryDir program;
    QTemporaryDir data;
    int associations = 0;
    FileAssociation association(u"/opt/zep/zep"_s, data.path(), data.path());
    association.setToolRunner(
        [&](const QString &tool, const QStringList &) { associations += tool == u"update-mime-database"_s; });
    Options initial;
    initial.appearance = {QString(), 1, 2, 3, QString()};

    FirstRun::Created created = FirstRun::createMissingFiles(program.path(), initial, association);
    EXPECT_TRUE(created.options);
    EXPECT_TRUE(created.appearances);
    EXPECT_EQ(associations, 1);
    EXPECT_EQ(testfiles::readBytes(program.path() + u"/zep_options.ini"_s), OptionsFile::serialize(initial));
    EXPECT_EQ(testfiles::readBytes(program.path() + u"/apparences.ini"_s), AppearanceFile::defaultBytes());

    // An emptied options file is still there: nothing is associated or rewritten.
    testfiles::writeBytes(program.path() + u"/zep_options.ini"_s, QByteArray());
    QFile::remove(program.path() + u"/apparences.ini"_s);
    created = FirstRun::createMissingFiles(program.path(), initial, association);
    EXPECT_FALSE(created.options);
    EXPECT_TRUE(created.appearances);
    EXPECT_EQ(associations, 1);
    EXPECT_EQ(testfiles::readBytes(program.path() + u"/zep_options.ini"_s), QByteArray());
}
