#include "ShellFixture.h"

#include "app/AppearanceEditor.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/PluginMenu.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

QStringList shownCaptions(QMenu *menu)
{
    QStringList captions;
    for (QAction *a : menu->actions()) {
        if (a->isVisible())
            captions << a->text();
    }
    return captions;
}

} // namespace

TEST_F(ShellFixture, PluginsAreReadOnceWhenTheMainWindowIsCreated)
{
    testfiles::writeBytes(programFile(u"plugins.ini"_s), "Commentaire\r\n[DEBUT]\r\nBonjour\r\nMB Salut\xa4\xe0 tous\r\n");
    ASSERT_TRUE(start());
    PluginMenu &plugins = session().mainWindow()->plugins();
    QMenu *misc = session().mainWindow()->menus().misc;
    EXPECT_EQ(shownCaptions(misc), QStringList{u"Bonjour"_s});
    EXPECT_EQ(plugins.entries().first()->objectName(), u"plugin_1"_s);
    m_prompter.expectMessage(u"Salut\r\nà tous"_s, u"Information"_s, MessageIcon::Information, MessageButtons::Ok,
                             Answer::Ok);
    plugins.entries().first()->trigger();
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShellFixture, PluginFileEndingAfterACaptionIsReportedAndKeepsTheEntriesRead)
{
    testfiles::writeBytes(programFile(u"plugins.ini"_s), "[DEBUT]\r\nUn\r\ncl\r\nDeux");
    m_prompter.expectMessage(
        {u"Impossible d'initialiser les plugins. Raison : Lecture au-delà de la fin du fichier"_s,
         u"Erreur des plugins"_s, MessageIcon::Critical},
        Answer::Ok);
    ASSERT_TRUE(start());
    MainWindow *main = session().mainWindow();
    EXPECT_EQ(shownCaptions(main->menus().misc), QStringList{u"Un"_s});
    main->plugins().entries().first()->trigger();
    EXPECT_TRUE(main->appearanceEditor().isVisibleTo(main));
}

TEST_F(ShellFixture, WithoutPluginsThePlaceholderShowsItsCaption)
{
    testfiles::writeBytes(programFile(u"plugins.ini"_s), "");
    ASSERT_TRUE(start());
    PluginMenu &plugins = session().mainWindow()->plugins();
    EXPECT_EQ(shownCaptions(session().mainWindow()->menus().misc), QStringList{u"Aucun plugin installé"_s});
    m_prompter.expectMessage(u"Aucun plugin installé"_s, u"Information"_s, MessageIcon::Information,
                             MessageButtons::Ok, Answer::Ok);
    plugins.placeholder()->trigger();
    EXPECT_TRUE(m_prompter.allAnswered());
}
