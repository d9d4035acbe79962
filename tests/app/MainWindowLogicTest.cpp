#include "app/core/AskToSave.h"
#include "app/core/WebLinks.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

MessageRequest question(const QString &text, bool systemModal)
{
    MessageRequest m{text, u"Enregistrement"_s, MessageIcon::Question, MessageButtons::YesNoCancel};
    m.systemModal = systemModal;
    return m;
}

} // namespace

TEST(AskToSave, AnswersEnrNonAnnule)
{
    const QString named = u"Voulez-vous enregistrer les modifications apportées au fichier 'menu.zep' ?"_s;
    const QString unnamed = u"Voulez-vous enregistrer le fichier en cours ?"_s;
    ScriptedPrompter prompter;
    int saves = 0;
    auto save = [&] {
        ++saves;
        return true;
    };

    prompter.expectMessage(question(named, false), Answer::Yes);
    EXPECT_EQ(AskToSave::ask(prompter, u"/p/menu.zep"_s, false, save), u"enr"_s);
    EXPECT_EQ(saves, 1);

    prompter.expectMessage(question(unnamed, true), Answer::No);
    EXPECT_EQ(AskToSave::ask(prompter, QString(), true, save), u"non"_s);
    prompter.expectMessage(question(unnamed, false), Answer::Cancel);
    EXPECT_EQ(AskToSave::ask(prompter, QString(), false, save), u"annule"_s);
    EXPECT_EQ(saves, 1);

    // Yes, then the save dialog cancelled: the project was not written, so the caller stops.
    prompter.expectMessage(question(unnamed, false), Answer::Yes);
    EXPECT_EQ(AskToSave::ask(prompter, QString(), false, [] { return false; }), u"annule"_s);
}

TEST(AskToSave, LanguagePackTexts)
{
    AskToSave::Texts texts;
    texts.named = u"Save the changes to"_s;
    texts.title = u"Saving"_s;
    const MessageRequest m = AskToSave::question(u"C:\\menus\\a.zep"_s, false, texts);
    EXPECT_EQ(m.text, u"Save the changes to 'a.zep' ?"_s);
    EXPECT_EQ(m.title, u"Saving"_s);
}

TEST(WebLinks, PagesAndQueries)
{
    ScriptedPrompter prompter;
    QList<QUrl> opened;
    WebLinks links(u"https://site.example/"_s, prompter, [&](const QUrl &url) { opened.append(url); });
    EXPECT_EQ(links.faq().toString(), u"https://site.example/zep/page.php?ext=php&q=faq"_s);
    EXPECT_EQ(links.examples().toString(), u"https://site.example/zep/page.php?ext=php&q=galerie"_s);
    EXPECT_EQ(links.tips().toString(), u"https://site.example/zep/page.php?ext=php&q=trucs_astuces"_s);
    EXPECT_EQ(links.versionCheck(u"2.0.450"_s, QString()).toString(),
              u"https://site.example/zep/version.php?moi=2.0.450&langue="_s);
    EXPECT_EQ(links.versionCheck(u"2.0.450"_s, u"English"_s).toString(QUrl::FullyEncoded),
              u"https://site.example/zep/version.php?moi=2.0.450&langue=English"_s);

    const InputRequest ask{u"Merci de décrire le bug ci-dessous :"_s, u"Report de bug"_s, QString()};
    prompter.expectInput(ask, QString());
    links.reportBug();
    EXPECT_TRUE(opened.isEmpty());

    // Spaces become %20; characters that would cut the query are escaped too.
    prompter.expectInput(ask, u"le menu plante & q=1 #2"_s);
    links.reportBug();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toString(QUrl::FullyEncoded),
              u"https://site.example/zep/br.php?bug=le%20menu%20plante%20%26%20q%3D1%20%232"_s);
}
