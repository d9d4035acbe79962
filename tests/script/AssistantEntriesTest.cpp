#include "script/AssistantDialogues.h"
#include "support/ScriptedPrompter.h"

#include <QList>

#include <gtest/gtest.h>

#include <utility>

using namespace Qt::StringLiterals;
using A = AssistantAction;

namespace {

const QString NL = u"\r\n"_s;
const QString kTextBoxPrompt = u"Numéro de la boîte de texte concernée :"_s;
const QString kButtonPrompt = u"Numéro du bouton concerné :"_s;

struct Question
{
    InputRequest request;
    QString answer;
};

struct EntryCase
{
    const char *name;
    AssistantAction action;
    QList<Question> questions;
    Snippet expected;
};

Question textBox(const QString &answer)
{
    return {{kTextBoxPrompt, QString(), u"1"_s}, answer};
}

Question button(const QString &answer)
{
    return {{kButtonPrompt, QString(), u"1"_s}, answer};
}

QString aexe(const QString &target)
{
    return u"Set exe_f = CreateObject(\"WScript.Shell\")"_s + NL + u"exe_f.Run(Chr(34) + \""_s + target +
           u"\" + Chr(34))"_s;
}

AssistantOutcome run(ScriptedPrompter &prompter, AssistantAction action, const QList<Question> &questions)
{
    for (const Question &q : questions)
        prompter.expectInput(q.request, q.answer);
    return AssistantDialogues(prompter).run(action);
}

// Entries answered in input boxes only, with the snippet each one inserts.
const QList<EntryCase> &entryCases()
{
    static const QList<EntryCase> cases{
        {"sub menu",
         A::LaunchSubMenu,
         {{{u"Nom du sous menu (ex : SousMenu1, ...) :"_s, u"Sous menu"_s, {}}, u"SousMenu1"_s}},
         {u"Lancer un sous menu"_s,
          u"Set exe_f = CreateObject(\"WScript.Shell\")"_s + NL + u"exe_f.Run(\"[CHEMIN]SousMenu1.exe\")"_s}},
        {"web page",
         A::OpenWebPage,
         {{{u"Entrez l'adresse de la page à ouvrir :"_s, u"Ouvrir une page web"_s,
            AssistantDialogues::defaultWebAddress()},
           u"http://a.b/c d"_s}},
         {u"Ouvrir une page web"_s, aexe(u"http://a.b/c d"_s)}},
        {"html page",
         A::OpenHtmlPage,
         {{{u"Chemin de la page (ex : [LECT]:\\index.html, c:\\page.htm, ....) :"_s, u"Ouvrir une page HTML"_s, {}},
           u"[LECT]:\\index.html"_s}},
         {u"Ouvrir une page HTML"_s, aexe(u"explorer \" + chr(34) + \"[LECT]:\\index.html\" + chr(34) + \""_s)}},
        {"html page cancelled still inserts",
         A::OpenHtmlPage,
         {{{u"Chemin de la page (ex : [LECT]:\\index.html, c:\\page.htm, ....) :"_s, u"Ouvrir une page HTML"_s, {}},
           QString()}},
         {u"Ouvrir une page HTML"_s, aexe(u"explorer \" + chr(34) + \"\" + chr(34) + \""_s)}},
        {"text file",
         A::OpenTextFile,
         {{{u"Chemin du fichier à ouvrir (ex: c:\\1.txt, [LECT]:\\rep\\fich.txt, ...)  :"_s,
            u"Ouvrir un fichier texte"_s,
            {}},
           u"[LECT]:\\a.txt"_s},
          {{u"Boîte de texte dans laquelle le texte sera affiché (ex: Texte1,Texte2, ...) :"_s,
            u"Ouvrir un fichier texte"_s,
            {}},
           u"Texte2"_s}},
         {u"Ouvrir un fichier texte"_s, u"Set fso = CreateObject(\"Scripting.FileSystemObject\")"_s + NL +
                                            u"Set fich = fso.opentextfile(\"[LECT]:\\a.txt\", 1)"_s + NL +
                                            u"Texte2.Text=fich.ReadAll"_s + NL + u"fich.Close"_s}},
        {"document",
         A::OpenDocument,
         {{{u"Document à ouvrir"_s, u"Ouvrir un document"_s, {}}, u"doc.pdf"_s}},
         {u"Ouvrir un document"_s, aexe(u"doc.pdf"_s)}},
        {"folder",
         A::OpenFolder,
         {{{u"Répertoire à ouvrir (ex:[LECT]:\\rep, ...) :"_s + NL + NL +
                u"Note : Si vous voulez créer un bouton 'explorer CD', tapez [LECT]:\\"_s,
            u"Ouvrir un répertoire"_s,
            {}},
           u"[LECT]:\\"_s}},
         {u"Ouvrir un répertoire"_s, aexe(u"explorer [LECT]:\\"_s)}},
        {"program",
         A::RunProgram,
         {{{u"Entrez le nom du fichier à exécuter : (ex: notepad.exe, mon_rep/prog.exe, ...)"_s,
            u"Exécuter un fichier"_s,
            {}},
           u"prog.exe /x"_s}},
         {u"Exécuter un fichier"_s, aexe(u"prog.exe /x"_s)}},
        {"open tray",
         A::OpenCdTray,
         {{{u"Lettre du lecteur à ouvrir (ex: D,E,...; laissez [LECT] pour ouvrir le lecteur sur lequel est le menu) :"_s,
            u"Ouvrir le lecteur CD"_s, u"[LECT]"_s},
           u"e"_s}},
         {u"Ouvrir le lecteur de CD"_s, u"Action.Tag = \"E\""_s + NL + u"Action.Text = \"OuvrirCD\""_s}},
        {"close tray",
         A::CloseCdTray,
         {{{u"Lettre du lecteur à fermer (ex: D,E,...; laissez [LECT] pour fermer le lecteur sur lequel est le menu) :"_s,
            u"Fermer le lecteur CD"_s, u"[LECT]"_s},
           u"[lect]"_s}},
         {u"Fermer le lecteur de CD"_s, u"Action.Tag = \"[LECT]\""_s + NL + u"Action.Text = \"FermerCD\""_s}},
        {"sound",
         A::PlaySound,
         {{{u"Chemin du fichier son :"_s, u"Jouer un fichier son"_s, {}}, u"a.mp3"_s}},
         {u"Jouer un son"_s, u"Action.Tag = \"a.mp3\""_s + NL + u"Action.Text = \"JouerSon\""_s}},
        {"wav",
         A::PlayWavSound,
         {{{u"Chemin du fichier son :"_s, u"Jouer un son WAV"_s, {}}, u"a.wav"_s}},
         {u"Jouer un son WAV"_s, u"Action.Tag = \"a.wav\""_s + NL + u"Action.Text = \"JouerSonWAV\""_s}},
        {"video",
         A::PlayVideo,
         {{{u"Chemin du fichier vidéo :"_s, u"Jouer une fichier vidéo"_s, {}}, u"v.avi"_s}},
         {u"Jouer une vidéo"_s, u"Action.Tag = \"v.avi\""_s + NL + u"Action.Text = \"JouerVideo\""_s}},
        {"maximise", A::WindowMaximise, {}, {u"Maximiser"_s, u"Fenetre.WindowState = 2"_s}},
        {"minimise", A::WindowMinimise, {}, {u"Minimiser"_s, u"Fenetre.WindowState = 1"_s}},
        {"normal size", A::WindowNormalSize, {}, {u"Taille normale"_s, u"Fenetre.WindowState = 0"_s}},
        {"close menu", A::WindowClose, {}, {u"Fermer"_s, u"Action.Text = \"Fermer\""_s}},
        {"window title",
         A::WindowTitle,
         {{{u"Nouveau titre :"_s, u"Changer le titre"_s, {}}, u"Mon menu"_s}},
         {u"Changer le titre"_s, u"Fenetre.Caption = \"Mon menu\""_s}},
        {"window x",
         A::WindowX,
         {{{u"Nouveau X :"_s, u"Changer la position"_s, {}}, u"-120"_s}},
         {u"Changer la position"_s, u"Fenetre.Left = -120"_s}},
        {"window y",
         A::WindowY,
         {{{u"Nouveau Y :"_s, u"Changer la position"_s, {}}, u"2.5"_s}},
         {u"Changer la position"_s, u"Fenetre.Top = 2.5"_s}},
        {"window visible", A::WindowVisible, {}, {u"Visible fenetre"_s, u"Fenetre.Visible = True"_s}},
        {"window hidden", A::WindowHidden, {}, {u"Invisible fenetre"_s, u"Fenetre.Visible = False"_s}},
        {"border width",
         A::BorderWidth,
         {{{u"Nouvelle épaisseur (en pixel) :"_s, u"Epaisseur de la bordure"_s, u"1"_s}, u"3"_s}},
         {u"Epaisseur de la bordure"_s, u"Bordure.BorderWidth = 3"_s}},
        {"rectangle", A::BorderRectangle, {}, {u"Changer la forme"_s, u"Bordure.Shape = 0"_s}},
        {"oval", A::BorderOval, {}, {u"Changer la forme"_s, u"Bordure.Shape = 2"_s}},
        {"rounded", A::BorderRoundedRectangle, {}, {u"Changer la forme"_s, u"Bordure.Shape = 4"_s}},
        {"border visible", A::BorderVisible, {}, {u"Visible bordure"_s, u"Bordure.Visible = True"_s}},
        {"border hidden", A::BorderHidden, {}, {u"Invisible bordure"_s, u"Bordure.Visible = False"_s}},
        {"background",
         A::BackgroundPicture,
         {{{u"Chemin de l'image :"_s, u"Image de fond"_s, {}}, u"f.jpg"_s}},
         {u"Image de fond"_s, u"ImageFond.Picture = LoadPicture(\"f.jpg\")"_s}},
        {"stretch", A::BackgroundStretch, {}, {u"Etirer image fond"_s, u"ImageFond.Stretch = True"_s}},
        {"no stretch", A::BackgroundNoStretch, {}, {u"Pas étirer image fond"_s, u"ImageFond.Stretch = False"_s}},
        {"timer on", A::TimerEnable, {}, {u"Activer minuteur"_s, u"Minuteur.Enabled = True"_s}},
        {"timer off", A::TimerDisable, {}, {u"Désactiver minuteur"_s, u"Minuteur.Enabled = False"_s}},
        {"interval",
         A::TimerInterval,
         {{{u"Nouvel intervalle (en ms) :"_s, u"Intervalle minuteur"_s, {}}, u"500"_s}},
         {u"Intervalle minuteur"_s, u"Minuteur.Interval = 500"_s}},
        {"align left", A::TextAlignLeft, {textBox(u"2"_s)}, {u"Alignement"_s, u"Texte2.Alignment = 0"_s}},
        {"align right", A::TextAlignRight, {textBox(u"2"_s)}, {u"Alignement"_s, u"Texte2.Alignment = 1"_s}},
        {"align centre", A::TextAlignCentre, {textBox(u"2"_s)}, {u"Alignement"_s, u"Texte2.Alignment = 2"_s}},
        {"lock", A::TextLock, {textBox(u"4"_s)}, {u"Verrouiller boîte de texte"_s, u"Texte4.Locked = True"_s}},
        {"unlock", A::TextUnlock, {textBox(u"4"_s)}, {u"Verrouiller boîte de texte"_s, u"Texte4.Locked = False"_s}},
        {"text visible", A::TextVisible, {textBox(u"1"_s)}, {u"Visible texte1"_s, u"Texte1.Visible = True"_s}},
        {"text hidden", A::TextHidden, {textBox(u"1"_s)}, {u"Invisible texte1"_s, u"Texte1.Visible = False"_s}},
        {"width",
         A::TextWidth,
         {textBox(u"3"_s), {{u"Nouvelle largeur :"_s, u"Taille"_s, {}}, u"1500"_s}},
         {u"Taille Texte3"_s, u"Texte3.Width = 1500"_s}},
        {"height",
         A::TextHeight,
         {textBox(u"3"_s), {{u"Nouvelle hauteur :"_s, u"Taille"_s, {}}, u"900"_s}},
         {u"Taille Texte3"_s, u"Texte3.Height = 900"_s}},
        {"text x",
         A::TextX,
         {textBox(u"3"_s), {{u"Nouveau X :"_s, u"Position"_s, {}}, u"10"_s}},
         {u"Position Texte3"_s, u"Texte3.Left = 10"_s}},
        {"text y",
         A::TextY,
         {textBox(u"3"_s), {{u"Nouveau Y :"_s, u"Position"_s, {}}, u"20"_s}},
         {u"Position Texte3"_s, u"Texte3.Top = 20"_s}},
        {"scroll bar on",
         A::TextScrollBarOn,
         {textBox(u"5"_s)},
         {u"Affiche barre Texte5"_s, u"Action.Tag = \"5\""_s + NL + u"Action.Text = \"AfficheBarre\""_s}},
        {"scroll bar off",
         A::TextScrollBarOff,
         {textBox(u"5"_s)},
         {u"Masque barre Texte5"_s, u"Action.Tag = \"5\""_s + NL + u"Action.Text = \"MasqueBarre\""_s}},
        {"change text",
         A::TextChangeText,
         {textBox(u"1"_s),
          {{u"Nouveau texte (tapez [R] pour aller à la ligne) :"_s, u"Texte"_s, {}}, u"Un \"deux\"[r]trois[R]"_s}},
         {u"Changer texte de Texte1"_s,
          u"Texte1.Text = \"Un \"\"deux\"\"\" + chr(13) + chr(10) + \"trois\" + chr(13) + chr(10) + \"\""_s}},
        {"button on", A::ButtonEnable, {button(u"3a"_s)}, {u"Activer bouton"_s, u"Bouton3a.Enabled = True"_s}},
        {"button off", A::ButtonDisable, {button(u"7"_s)}, {u"Désactiver bouton"_s, u"Bouton7.Enabled = False"_s}},
        {"button x",
         A::ButtonX,
         {button(u"7"_s), {{u"Nouveau X :"_s, u"Position"_s, {}}, u"100"_s}},
         {u"Position Bouton7"_s, u"Bouton7.Left = 100"_s}},
        {"button y",
         A::ButtonY,
         {button(u"7"_s), {{u"Nouveau Y :"_s, u"Position"_s, {}}, u"200"_s}},
         {u"Position Bouton7"_s, u"Bouton7.Top = 200"_s}},
        {"button picture",
         A::ButtonPicture,
         {button(u"7"_s), {{u"Nouvelle image :"_s, u"Image Bouton7"_s, {}}, u"b.bmp"_s}},
         {u"Image Bouton7"_s, u"Bouton7.Picture = LoadPicture(\"b.bmp\")"_s}},
        {"button visible", A::ButtonVisible, {button(u"7"_s)}, {u"Visible bouton7"_s, u"Bouton7.Visible = True"_s}},
        {"button hidden", A::ButtonHidden, {button(u"7"_s)}, {u"Invisible bouton7"_s, u"Bouton7.Visible = False"_s}},
    };
    return cases;
}

} // namespace

TEST(AssistantEntries, EachEntryAsksItsQuestionsAndInsertsItsSnippet)
{
    for (const EntryCase &entry : entryCases()) {
        SCOPED_TRACE(entry.name);
        ScriptedPrompter prompter;
        const AssistantOutcome outcome = run(prompter, entry.action, entry.questions);
        ASSERT_TRUE(outcome.snippet.has_value());
        EXPECT_EQ(outcome.snippet->title, entry.expected.title);
        EXPECT_EQ(outcome.snippet->code, entry.expected.code);
        EXPECT_TRUE(outcome.cursorTarget.isEmpty());
    }
}

TEST(AssistantEntries, AnEmptyAnswerEndsTheEntryWhereTheEntryNeedsIt)
{
    // The last question asked gets the empty answer; nothing is inserted.
    for (const EntryCase &entry : entryCases()) {
        if (entry.questions.isEmpty() || entry.action == A::OpenHtmlPage)
            continue;
        for (qsizetype cut = 0; cut < entry.questions.size(); ++cut) {
            SCOPED_TRACE(entry.name);
            QList<Question> questions = entry.questions.mid(0, cut + 1);
            questions.last().answer.clear();
            ScriptedPrompter prompter;
            EXPECT_EQ(run(prompter, entry.action, questions), AssistantOutcome{});
        }
    }
}

TEST(AssistantEntries, MessageEscapesQuotesAndLineBreaks)
{
    ScriptedPrompter prompter;
    const QString title = u"Boite de dialogue"_s;
    const AssistantOutcome outcome =
        run(prompter, A::ShowMessage,
            {{{u"Titre :"_s, title, {}}, u"Le \"titre\""_s},
             {{u"Message (Tapez [R] pour aller à la ligne) :"_s, title, {}}, u"Bonjour[R]à \"tous\"[r]"_s},
             {{u"Type  (choix entre exclamation, information, question, critical) :"_s, title, u"information"_s},
              u"information"_s}});
    ASSERT_TRUE(outcome.snippet);
    EXPECT_EQ(outcome.snippet->title, title);
    EXPECT_EQ(outcome.snippet->code,
              u"MsgBox \"Bonjour\"+chr(10)+chr(13)+\"à \"+chr(34)+\"tous\"+chr(34)+\"\"+chr(10)+chr(13)+\"\", "
              u"vbinformation, \"Le 'titre'\""_s);

    ScriptedPrompter cancelled;
    const AssistantOutcome empty =
        run(cancelled, A::ShowMessage,
            {{{u"Titre :"_s, title, {}}, QString()},
             {{u"Message (Tapez [R] pour aller à la ligne) :"_s, title, {}}, QString()},
             {{u"Type  (choix entre exclamation, information, question, critical) :"_s, title, u"information"_s},
              QString()}});
    ASSERT_TRUE(empty.snippet);
    EXPECT_EQ(empty.snippet->code, u"MsgBox \"\", vb, \"\""_s);
}

TEST(AssistantEntries, EmailEncodesSpacesAndQuotesAndKeepsAnEmptyCopyField)
{
    const QString title = u"Envoyer un email"_s;
    ScriptedPrompter prompter;
    const AssistantOutcome outcome =
        run(prompter, A::SendEmail,
            {{{u"Entrez l'adresse du destinataire :"_s, title, u"xx@xx.xx"_s}, u"moi@ici.fr"_s},
             {{u"Copies conformes (autres destinaires, laissez vide si aucun) :"_s, title, {}}, QString()},
             {{u"Entrez le sujet du message :"_s, title, {}}, u"Mon \"sujet\" ici"_s},
             {{u"Message :"_s, title, {}}, u"a b"_s}});
    ASSERT_TRUE(outcome.snippet);
    EXPECT_EQ(outcome.snippet->title, title);
    EXPECT_EQ(outcome.snippet->code, aexe(u"mailto:moi@ici.fr?cc=&subject=Mon%20%22sujet%22%20ici&body=a%20b"_s));
}

TEST(AssistantEntries, LoopingNumberPromptsAskAgainUntilANumberOrNothing)
{
    ScriptedPrompter prompter;
    const InputRequest x{u"Nouveau X :"_s, u"Changer la position"_s, {}};
    prompter.expectInput(x, u"abc"_s);
    prompter.expectMessage(u"Nombre incorrect !"_s, u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    prompter.expectInput(x, u"1,5"_s);
    prompter.expectMessage(u"Nombre incorrect !"_s, u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    // Only plain decimals make valid code once inserted as typed.
    for (const QString &notPlain : {u"1e5"_s, u"1d5"_s, u"&H1F"_s, u"1.5.2"_s, u"- 3"_s, u"."_s, u"+"_s}) {
        prompter.expectInput(x, notPlain);
        prompter.expectMessage(u"Nombre incorrect !"_s, u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok,
                               Answer::Ok);
    }
    prompter.expectInput(x, u"300"_s);
    const AssistantOutcome outcome = AssistantDialogues(prompter).run(A::WindowX);
    ASSERT_TRUE(outcome.snippet);
    EXPECT_EQ(outcome.snippet->code, u"Fenetre.Left = 300"_s);
    for (const QString &plain : {u"-2.5"_s, u"+3"_s, u".5"_s, u"12."_s}) {
        prompter.expectInput(x, plain);
        EXPECT_EQ(AssistantDialogues(prompter).run(A::WindowX).snippet->code, u"Fenetre.Left = "_s + plain);
    }

    const InputRequest width{u"Nouvelle épaisseur (en pixel) :"_s, u"Epaisseur de la bordure"_s, u"1"_s};
    prompter.expectInput(width, u"x"_s);
    prompter.expectMessage(u"Nombre incorrect !"_s, u"Epaisseur de la bordure"_s, MessageIcon::Critical,
                           MessageButtons::Ok, Answer::Ok);
    prompter.expectInput(width, QString());
    EXPECT_EQ(AssistantDialogues(prompter).run(A::BorderWidth), AssistantOutcome{});

    const InputRequest interval{u"Nouvel intervalle (en ms) :"_s, u"Intervalle minuteur"_s, {}};
    prompter.expectInput(interval, u"1O0"_s);
    prompter.expectMessage(u"Nombre incorrect !"_s, u"Intervalle minuteur"_s, MessageIcon::Critical, MessageButtons::Ok,
                           Answer::Ok);
    prompter.expectInput(interval, u"100"_s);
    EXPECT_EQ(AssistantDialogues(prompter).run(A::TimerInterval).snippet->code, u"Minuteur.Interval = 100"_s);
}

TEST(AssistantEntries, SingleShotNumberPromptsGiveUpAfterOneWrongAnswer)
{
    const struct
    {
        AssistantAction action;
        Question number;
        QString prompt;
        QString title;
    } cases[] = {
        {A::ButtonX, button(u"2"_s), u"Nouveau X :"_s, u"Position"_s},
        {A::TextY, textBox(u"2"_s), u"Nouveau Y :"_s, u"Position"_s},
        {A::TextWidth, textBox(u"2"_s), u"Nouvelle largeur :"_s, u"Taille"_s},
    };
    for (const auto &c : cases) {
        ScriptedPrompter prompter;
        for (const QString &wrong : {u"abc"_s, u"1e999"_s}) {
            prompter.expectInput(c.number.request, c.number.answer);
            prompter.expectInput({c.prompt, c.title, {}}, wrong);
            prompter.expectMessage(u"Valeur incorrect !"_s, c.title, MessageIcon::Critical, MessageButtons::Ok,
                                   Answer::Ok);
            EXPECT_EQ(AssistantDialogues(prompter).run(c.action), AssistantOutcome{});
        }
    }
}

TEST(AssistantEntries, ColourEntriesUseTheDialogAndInsertNothingOnCancel)
{
    const struct
    {
        AssistantAction action;
        QList<Question> questions;
        Snippet expected;
    } cases[] = {
        {A::WindowColour, {}, {u"Changer couleur menu"_s, u"Fenetre.BackColor = 16777215"_s}},
        {A::BorderColour, {}, {u"Changer couleur bordure"_s, u"Bordure.BorderColor = 16777215"_s}},
        {A::TextForeColour, {textBox(u"6"_s)}, {u"Changer couleur texte Texte6"_s, u"Texte6.ForeColor = 16777215"_s}},
        {A::TextBackColour, {textBox(u"6"_s)}, {u"Changer couleur fond Texte6"_s, u"Texte6.BackColor = 16777215"_s}},
    };
    for (const auto &c : cases) {
        ScriptedPrompter prompter;
        for (const Question &q : c.questions)
            prompter.expectInput(q.request, q.answer);
        prompter.expectColour(ColourRequest{}, 16777215);
        EXPECT_EQ(AssistantDialogues(prompter).run(c.action).snippet, c.expected);

        for (const Question &q : c.questions)
            prompter.expectInput(q.request, q.answer);
        prompter.expectColour(ColourRequest{}, std::nullopt);
        EXPECT_EQ(AssistantDialogues(prompter).run(c.action), AssistantOutcome{});
    }
}

TEST(AssistantEntries, FontEntryWritesSixLines)
{
    ScriptedPrompter prompter;
    prompter.expectInput(textBox(u"2"_s).request, u"2"_s);
    FontChoice font;
    font.name = u"Comic Sans MS"_s;
    font.size = 10.5;
    font.bold = true;
    font.underline = true;
    prompter.expectFont(FontChoice{}, font);
    const AssistantOutcome outcome = AssistantDialogues(prompter).run(A::TextFont);
    ASSERT_TRUE(outcome.snippet);
    EXPECT_EQ(outcome.snippet->title, u"Police"_s);
    EXPECT_EQ(outcome.snippet->code, u"Texte2.FontBold = True"_s + NL + u"Texte2.FontItalic = False"_s + NL +
                                         u"Texte2.FontName = \"Comic Sans MS\""_s + NL + u"Texte2.FontSize = 10.5"_s +
                                         NL + u"Texte2.FontStrikethru = False"_s + NL +
                                         u"Texte2.FontUnderline = True"_s);

    prompter.expectInput(textBox(u"2"_s).request, u"2"_s);
    prompter.expectFont(FontChoice{}, std::nullopt);
    EXPECT_EQ(AssistantDialogues(prompter).run(A::TextFont), AssistantOutcome{});
}

TEST(AssistantEntries, CursorEntriesNameTheirTargetAndInsertNothing)
{
    ScriptedPrompter prompter;
    EXPECT_EQ(AssistantDialogues(prompter).run(A::WindowCursor), (AssistantOutcome{std::nullopt, u"Fenetre"_s}));
    EXPECT_EQ(AssistantDialogues(prompter).run(A::ScreenCursor), (AssistantOutcome{std::nullopt, u"Ecran"_s}));
    prompter.expectInput(textBox(u"4"_s).request, u"4"_s);
    EXPECT_EQ(AssistantDialogues(prompter).run(A::TextCursor), (AssistantOutcome{std::nullopt, u"Texte4"_s}));
    prompter.expectInput(button(u"3a"_s).request, u"3a"_s);
    EXPECT_EQ(AssistantDialogues(prompter).run(A::ButtonCursor), (AssistantOutcome{std::nullopt, u"Bouton3a"_s}));
    prompter.expectInput(button(u""_s).request, QString());
    EXPECT_EQ(AssistantDialogues(prompter).run(A::ButtonCursor), AssistantOutcome{});
    EXPECT_EQ(AssistantDialogues(prompter).run(A::Cancel), AssistantOutcome{});
}
