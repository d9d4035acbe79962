#include "support/ScriptedPrompter.h"
#include "wizard/WizardPrompts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u"Assistant création"_s;
const QString kWebQuestion =
    u"Voulez-vous ouvrir une page internet ? (cliquez sur non si vous voulez ouvrir un document ou un programme)."_s;
const QString kOnDisc = u"Le fichier à ouvrir sera t'il sur le CD ?"_s;

} // namespace

TEST(WizardPrompts, TargetsComeAsSiteDiskOrCdAndCancelGivesNone)
{
    ScriptedPrompter prompter;
    const WizardPrompts prompts(prompter);

    prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel, Answer::Yes);
    prompter.expectInput(
        {u"Entrez l'adresse de la page :"_s, kCaption, u"http://www.example.com ou http://www.example.org"_s},
        u"http://www.example.org/"_s);
    auto target = prompts.askTarget();
    ASSERT_TRUE(target);
    EXPECT_EQ(target->target, u"http://www.example.org/"_s);
    EXPECT_EQ(target->kind, u"SITE"_s);

    prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel, Answer::No);
    prompter.expectMessage(kOnDisc, kCaption, MessageIcon::Question, MessageButtons::YesNo, Answer::Yes);
    prompter.expectInput({u"Entrez le nom de ce fichier (ex: [LECT]:\\mon_prog.exe, [LECT]:\\mon_doc.doc , [LECT] sera "
                          u"alors automatiquement remplacé par la lettre du lecteur CD) :"_s,
                          kCaption, u"[LECT]:\\..."_s},
                         u"[LECT]:\\doc.pdf"_s);
    target = prompts.askTarget();
    ASSERT_TRUE(target);
    EXPECT_EQ(target->kind, u"CD"_s);

    prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel, Answer::No);
    prompter.expectMessage(kOnDisc, kCaption, MessageIcon::Question, MessageButtons::YesNo, Answer::No);
    prompter.expectInput({u"Entrez le chemin de ce fichier (ex: notepad.exe, c:\\prog.exe, c:\\document.doc ...) :"_s,
                          kCaption, QString()},
                         QString());
    EXPECT_FALSE(prompts.askTarget());

    prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel,
                           Answer::Cancel);
    EXPECT_FALSE(prompts.askTarget());
    EXPECT_TRUE(prompter.allAnswered());
}

TEST(WizardPrompts, MessagesTurnQuotesIntoApostrophesAndMarksIntoLineBreaks)
{
    ScriptedPrompter prompter;
    const WizardPrompts prompts(prompter);
    prompter.expectInput({u"Titre de message :"_s, kCaption, u"Ancien"_s}, u"Le \"menu\""_s);
    prompter.expectInput({u"Message (tapez [R] pour aller à la ligne) :"_s, kCaption, u"a[R]b"_s},
                         u"Un \"CD\"[r]Deux"_s);
    const auto message = prompts.askMessage(u"Ancien"_s, u"a\r\nb"_s);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, u"Le 'menu'"_s);
    EXPECT_EQ(message->text, u"Un 'CD'\r\nDeux"_s);

    prompter.expectInput({u"Titre de message :"_s, kCaption, QString()}, QString());
    EXPECT_FALSE(prompts.askMessage());
    prompter.expectInput({u"Titre de message :"_s, kCaption, QString()}, u"T"_s);
    prompter.expectInput({u"Message (tapez [R] pour aller à la ligne) :"_s, kCaption, QString()}, QString());
    EXPECT_FALSE(prompts.askMessage());
    EXPECT_TRUE(prompter.allAnswered());
}

TEST(WizardPrompts, ReservedCharactersLeaveEveryAnswerWithTheDesignersMessage)
{
    ScriptedPrompter prompter;
    const WizardPrompts prompts(prompter);
    const auto expectRefusal = [&] {
        prompter.expectMessage(u"Caratère interdit !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                               Answer::Ok);
    };
    prompter.expectInput({u"Titre de message :"_s, kCaption, QString()}, u"Ti¤tre"_s);
    expectRefusal();
    prompter.expectInput({u"Message (tapez [R] pour aller à la ligne) :"_s, kCaption, QString()}, u"a¬b¤c"_s);
    expectRefusal();
    const auto message = prompts.askMessage();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, u"Titre"_s);
    EXPECT_EQ(message->text, u"abc"_s);

    prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel, Answer::Yes);
    prompter.expectInput(
        {u"Entrez l'adresse de la page :"_s, kCaption, u"http://www.example.com ou http://www.example.org"_s},
        u"http://www.example.org/¬x"_s);
    expectRefusal();
    EXPECT_EQ(prompts.askTarget()->target, u"http://www.example.org/x"_s);

    // An answer made only of reserved characters is an empty answer.
    prompter.expectInput({u"Titre de message :"_s, kCaption, QString()}, u"¤¬"_s);
    expectRefusal();
    EXPECT_FALSE(prompts.askMessage());
    EXPECT_TRUE(prompter.allAnswered());
}
