#include "app/core/PluginList.h"
#include "app/core/PluginRunner.h"

#include "common/Phrases.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Call
{
    QString what;
    QStringList words;
    bool operator==(const Call &) const = default;
};

class PluginRunnerTest : public ::testing::Test
{
protected:
    void run(const QString &command) { runner.run({u"Mon plugin"_s, command}); }

    QList<Call> calls;
    bool succeed = true;
    ScriptedPrompter prompter;
    PluginRunner runner{prompter, PluginRunner::Actions{
                                      [this](const QString &program, const QStringList &arguments) {
                                          calls.append({u"start"_s, QStringList{program} + arguments});
                                          return succeed;
                                      },
                                      [this](const QUrl &target, bool hidden) {
                                          calls.append({hidden ? u"hidden"_s : u"open"_s, {target.toString()}});
                                          return succeed;
                                      },
                                      [this] { calls.append({u"apparences"_s, {}}); }}};
};

const MessageRequest kStartFailure{u"Impossible de démarrer le plugin !"_s, u"Erreur des plugins"_s,
                                   MessageIcon::Critical};

} // namespace

TEST(PluginListTest, CommentsUpToStartThenPairs)
{
    const auto list = PluginList::parse("Mes plugins\r\n[DEBUT] \r\n[DEBUT]\r\nBloc-notes\r\ns1 gedit\r\nAide\r\nmb Bonjour\r\n");
    EXPECT_TRUE(list.startFound);
    EXPECT_FALSE(list.error.isError());
    EXPECT_EQ(list.entries, (QList<PluginEntry>{{u"Bloc-notes"_s, u"s1 gedit"_s}, {u"Aide"_s, u"mb Bonjour"_s}}));

    const auto accented = PluginList::parse("[DEBUT]\r\nD\xe9marrer\r\nse \xe9t\xe9.txt");
    EXPECT_EQ(accented.entries, (QList<PluginEntry>{{u"Démarrer"_s, u"se été.txt"_s}}));
}

TEST(PluginListTest, StartMarkerDecidesThePlaceholder)
{
    const auto none = PluginList::parse("Bloc-notes\r\ns1 gedit\r\n");
    EXPECT_FALSE(none.startFound);
    EXPECT_TRUE(none.entries.isEmpty());

    const auto only = PluginList::parse("[DEBUT]\r\n");
    EXPECT_TRUE(only.startFound);
    EXPECT_TRUE(only.entries.isEmpty());
    EXPECT_FALSE(only.error.isError());

    const auto empty = PluginList::parse("");
    EXPECT_FALSE(empty.startFound);
    EXPECT_FALSE(empty.error.isError());

    EXPECT_FALSE(PluginList::read(QDir::tempPath() + u"/aucun-dossier/plugins.ini"_s).startFound);
}

TEST(PluginListTest, FileEndingAfterACaptionKeepsWhatCameBefore)
{
    const auto list = PluginList::parse("[DEBUT]\r\nUn\r\nmb 1\r\nDeux\r\n");
    EXPECT_EQ(list.entries, (QList<PluginEntry>{{u"Un"_s, u"mb 1"_s}}));
    EXPECT_EQ(list.error.number, 62);
    EXPECT_EQ(PluginRunner::loadFailure(list.error.description),
              (MessageRequest{u"Impossible d'initialiser les plugins. Raison : Lecture au-delà de la fin du fichier"_s,
                              u"Erreur des plugins"_s, MessageIcon::Critical}));
}

TEST_F(PluginRunnerTest, EveryKindInAnyCase)
{
    run(u"S1 \"/opt/mes outils/edit\" -a \"deux mots\""_s);
    run(u"se http://exemple.org/page"_s);
    run(u"Sh /tmp/notes.txt"_s);
    run(u"cL"_s);
    run(u"xx rien"_s);
    run(u""_s);
    EXPECT_EQ(calls, (QList<Call>{{u"start"_s, {u"/opt/mes outils/edit"_s, u"-a"_s, u"deux mots"_s}},
                                  {u"open"_s, {u"http://exemple.org/page"_s}},
                                  {u"hidden"_s, {u"file:///tmp/notes.txt"_s}},
                                  {u"apparences"_s, {}}}));
}

TEST_F(PluginRunnerTest, MessageKindBreaksLinesAtTheMark)
{
    prompter.expectMessage(u"Ligne un\r\nLigne deux"_s, u"Information"_s, MessageIcon::Information,
                           MessageButtons::Ok, Answer::Ok);
    run(u"MB Ligne un¤Ligne deux"_s);
    prompter.expectMessage(u"Aucun plugin installé"_s, u"Information"_s, MessageIcon::Information,
                           MessageButtons::Ok, Answer::Ok);
    runner.runPlaceholder(u"Aucun plugin installé"_s);

    Phrases::setPackActive(true);
    Phrases::list() = QStringList(50, u"Info"_s);
    prompter.expectMessage(u"Hello"_s, u"Information"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    run(u"mb Hello"_s);
    prompter.expectMessage(u"No plug-in"_s, u"Information"_s, MessageIcon::Information, MessageButtons::Ok,
                           Answer::Ok);
    runner.runPlaceholder(u"No plug-in"_s);
    Phrases::setPackActive(false);
    EXPECT_TRUE(prompter.allAnswered());
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(PluginRunnerTest, ProgramsAndDocumentsThatFailToStartAreReported)
{
    succeed = false;
    prompter.expectMessage(kStartFailure, Answer::Ok);
    run(u"s1 /nulle/part"_s);
    prompter.expectMessage(kStartFailure, Answer::Ok);
    run(u"se /nulle/part.txt"_s);
    succeed = true;
    prompter.expectMessage(kStartFailure, Answer::Ok);
    run(u"s1 "_s);
    EXPECT_TRUE(prompter.allAnswered());
    EXPECT_EQ(calls.size(), 2);
}

TEST(PluginRunnerKindTest, RelativeDocumentsAreTakenFromTheCurrentFolder)
{
    EXPECT_EQ(PluginRunner::target(u"lisezmoi.txt"_s), QUrl::fromLocalFile(QDir::current().filePath(u"lisezmoi.txt"_s)));
    EXPECT_EQ(PluginRunner::target(u"mailto:a@b.fr"_s), QUrl(u"mailto:a@b.fr"_s));
    EXPECT_EQ(PluginRunner::target(u"www.exemple.org"_s), QUrl(u"http://www.exemple.org"_s));
}
