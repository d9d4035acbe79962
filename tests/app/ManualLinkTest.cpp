#include "app/core/ManualLink.h"

#include "platform/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const FolderRequest kAsk{u"Veuillez choisir le dossier dans lequel vous avez installé le manuel de ZEP :"_s};

class ManualLinkTest : public ::testing::Test
{
protected:
    void open()
    {
        ManualLink(store, prompter, [this](const QUrl &url) { opened.append(url); }).open();
    }
    QString manualFolder() const { return manual.path() + u'/'; }

    QTemporaryDir manual;
    QTemporaryDir storeDir;
    SettingsStore store{storeDir.filePath(u"zep.ini"_s)};
    ScriptedPrompter prompter;
    QList<QUrl> opened;
};

} // namespace

TEST_F(ManualLinkTest, KnownFolderOpensIndexAndCountsTheOpening)
{
    testfiles::writeBytes(manualFolder() + u"page.htm"_s, "x");
    store.setValue(u"Manuel"_s, u"Chemin"_s, manual.path());
    open();
    open();
    EXPECT_EQ(opened, (QList<QUrl>{QUrl::fromLocalFile(manualFolder() + u"index.htm"_s),
                                   QUrl::fromLocalFile(manualFolder() + u"index.htm"_s)}));
    EXPECT_EQ(store.value(u"Manuel"_s, u"FoisDem"_s), u"2"_s);
}

TEST_F(ManualLinkTest, UnknownFolderIsAskedForCheckedAndKept)
{
    testfiles::writeBytes(manualFolder() + u"index.htm"_s, "x");
    prompter.expectFolder(kAsk, manual.path());
    open();
    EXPECT_EQ(store.value(u"Manuel"_s, u"Chemin"_s), manualFolder());
    EXPECT_EQ(store.value(u"Manuel"_s, u"FoisDem"_s), u"1"_s);
    EXPECT_EQ(opened, (QList<QUrl>{QUrl::fromLocalFile(manualFolder() + u"index.htm"_s)}));
}

TEST_F(ManualLinkTest, AFolderWithoutIndexIsRefusedAndCancelStops)
{
    // An empty value is no folder, not the current one.
    store.setValue(u"Manuel"_s, u"Chemin"_s, QString());
    prompter.expectFolder(kAsk, QString());
    open();

    // A folder without files is asked again; one without "index.htm" is refused.
    QTemporaryDir emptyFolder;
    store.setValue(u"Manuel"_s, u"Chemin"_s, emptyFolder.path());
    testfiles::writeBytes(manualFolder() + u"autre.htm"_s, "x");
    prompter.expectFolder(kAsk, manualFolder());
    prompter.expectMessage(u"Répertoire incorrect !"_s, u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok,
                           Answer::Ok);
    open();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(store.value(u"Manuel"_s, u"Chemin"_s), emptyFolder.path());
    EXPECT_FALSE(store.contains(u"Manuel"_s, u"FoisDem"_s));
}

TEST_F(ManualLinkTest, FreshStoreOpensTheInstalledManualAndKeepsIt)
{
    QTemporaryDir program;
    const QString programFolder = program.path() + u'/';
    testfiles::writeBytes(programFolder + u"manuel/index.htm"_s, "x");
    ManualLink link(store, prompter, [this](const QUrl &url) { opened.append(url); });
    link.setDefaultFolder(ManualLink::installedFolder(programFolder, QString()));
    link.open();
    EXPECT_EQ(opened, (QList<QUrl>{QUrl::fromLocalFile(programFolder + u"manuel/index.htm"_s)}));
    EXPECT_EQ(store.value(u"Manuel"_s, u"Chemin"_s), programFolder + u"manuel/"_s);
    EXPECT_EQ(store.value(u"Manuel"_s, u"FoisDem"_s), u"1"_s);

    // A folder the user chose stays preferred to the installed one.
    store.setValue(u"Manuel"_s, u"Chemin"_s, manual.path());
    testfiles::writeBytes(manualFolder() + u"index.htm"_s, "x");
    link.open();
    EXPECT_EQ(opened.last(), QUrl::fromLocalFile(manualFolder() + u"index.htm"_s));
}

TEST_F(ManualLinkTest, EnglishPackPrefersTheEnglishManualWhenThere)
{
    QTemporaryDir program;
    const QString programFolder = program.path() + u'/';
    EXPECT_EQ(ManualLink::installedFolder(programFolder, u"English"_s), programFolder + u"manuel/"_s);
    testfiles::writeBytes(programFolder + u"manuel/en/index.htm"_s, "x");
    EXPECT_EQ(ManualLink::installedFolder(programFolder, u"English"_s), programFolder + u"manuel/en/"_s);
    EXPECT_EQ(ManualLink::installedFolder(programFolder, QString()), programFolder + u"manuel/"_s);

    // Without an installed manual, a fresh store still asks.
    ManualLink link(store, prompter, [this](const QUrl &url) { opened.append(url); });
    link.setDefaultFolder(ManualLink::installedFolder(u"/nowhere/"_s, QString()));
    prompter.expectFolder(kAsk, QString());
    link.open();
    EXPECT_TRUE(opened.isEmpty());
}
