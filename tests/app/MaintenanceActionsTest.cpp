#include "app/core/MaintenanceActions.h"

#include "app/core/AppearanceFile.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"ZEP - Mode débogage"_s;

class MaintenanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        store.setValue(u"Manuel"_s, u"Chemin"_s, u"/doc/manuel/"_s);
        testfiles::writeBytes(folder(u"plugins.ini"_s), "[DEBUT]\r\nOutil\r\ns1 outil\r\n");
        testfiles::writeBytes(folder(u"zep_options.ini"_s), "oui\r\noui\r\noui\r\n");
        testfiles::writeBytes(folder(u"apparences.ini"_s), "[App]\r\nPerso\r\n 1 \r\n 2 \r\n 3 \r\npara\r\npara\r\n");
    }

    QString folder(const QString &name) const { return program.path() + u'/' + name; }

    // Answers the input box, then expects the information box, if any.
    void runWith(const QString &answer, const QString &message = {})
    {
        ScriptedPrompter prompter;
        prompter.expectInput({u"Code débogage ?\r\n\r\n#"_s, kTitle, u"0"_s}, answer);
        if (!message.isEmpty())
            prompter.expectMessage(message, kTitle, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
        MaintenanceActions(program.path(), store, prompter).run();
    }

    void expectUntouched(const QString &except)
    {
        if (except != u"manuel"_s) {
            EXPECT_EQ(store.value(u"Manuel"_s, u"Chemin"_s), u"/doc/manuel/"_s);
        }
        for (const auto &[name, size] : {std::pair{u"plugins.ini"_s, 26}, std::pair{u"zep_options.ini"_s, 15},
                                         std::pair{u"apparences.ini"_s, 41}}) {
            if (except != name) {
                EXPECT_EQ(testfiles::readBytes(folder(name)).size(), size) << name.toStdString();
            }
        }
    }

    QTemporaryDir program;
    QTemporaryDir storeDir;
    SettingsStore store{storeDir.filePath(u"zep.ini"_s)};
};

} // namespace

TEST_F(MaintenanceTest, Action1ForgetsTheManualFolder)
{
    runWith(u"1"_s, u"Lien ZEP <-> Manuel re-initialisé !"_s);
    EXPECT_TRUE(store.contains(u"Manuel"_s, u"Chemin"_s));
    EXPECT_EQ(store.value(u"Manuel"_s, u"Chemin"_s, u"-"_s), QString());
    expectUntouched(u"manuel"_s);
}

TEST_F(MaintenanceTest, Action2EmptiesThePluginList)
{
    runWith(u"2"_s, u"Fichier plugins.ini vidé"_s);
    EXPECT_TRUE(QFile::exists(folder(u"plugins.ini"_s)));
    EXPECT_EQ(testfiles::readBytes(folder(u"plugins.ini"_s)), QByteArray());
    expectUntouched(u"plugins.ini"_s);
}

TEST_F(MaintenanceTest, Action3RecreatesTheDefaultAppearances)
{
    runWith(u" 3 "_s, u"Apparences personnalisées détruitres\r\n\r\nApparences par défaut re-créés"_s);
    EXPECT_EQ(testfiles::readBytes(folder(u"apparences.ini"_s)), AppearanceFile::defaultBytes());
    expectUntouched(u"apparences.ini"_s);
}

TEST_F(MaintenanceTest, Action4EmptiesTheOptionsFile)
{
    runWith(u"4"_s, u"Fichier zep_options.ini vidé"_s);
    EXPECT_TRUE(QFile::exists(folder(u"zep_options.ini"_s)));
    EXPECT_EQ(testfiles::readBytes(folder(u"zep_options.ini"_s)), QByteArray());
    expectUntouched(u"zep_options.ini"_s);
}

TEST_F(MaintenanceTest, ComponentActionsOnlyShowTheirMessages)
{
    runWith(u"6"_s, u"OCXs enregistrés !"_s);
    runWith(u"7"_s, u"OCXs désenregistrés !"_s);
    expectUntouched({});
}

TEST_F(MaintenanceTest, ZeroEmptyNonNumericAndUnknownAnswersEndSilently)
{
    for (const QString &answer : {u"0"_s, QString(), u"abc"_s, u"5"_s, u"8"_s, u"-1"_s, u"1.5"_s, u"1e30"_s})
        runWith(answer);
    expectUntouched({});
    // Val semantics: the leading number counts.
    runWith(u"4 (options)"_s, u"Fichier zep_options.ini vidé"_s);
}

TEST_F(MaintenanceTest, AFileThatCannotBeWrittenShowsItsErrorInsteadOfSuccess)
{
    SettingsStore other(storeDir.filePath(u"autre.ini"_s));
    ScriptedPrompter prompter;
    prompter.expectInput({u"Code débogage ?\r\n\r\n#"_s, kTitle, u"0"_s}, u"2"_s);
    prompter.expectMessage(u"Erreur : Chemin introuvable"_s, u"Erreur n°76"_s, MessageIcon::Critical,
                           MessageButtons::Ok, Answer::Ok);
    MaintenanceActions(program.path() + u"/absent"_s, other, prompter).run();
}
