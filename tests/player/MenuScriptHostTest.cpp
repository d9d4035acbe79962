#include "common/Fold.h"
#include "player/core/MenuScriptHost.h"
#include "script/AssistantSnippets.h"
#include "script/BannerInsertion.h"
#include "script/CursorMenu.h"
#include "support/TestFiles.h"
#include "wizard/WizardScripts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <thread>

using namespace Qt::StringLiterals;
using Kind = MenuObjects::Kind;
using Property = MenuObjects::Property;

namespace {

// Keeps every property it is given and records the dialogs, closes and sounds.
class RecordingFront : public MenuObjects
{
public:
    std::map<std::tuple<Kind, int, Property>, Value> values;
    std::vector<std::string> events;
    std::vector<int> answers;
    std::string typed;
    std::chrono::milliseconds dialogDelay{0};

    Value property(Target target, Property property) const override
    {
        const auto found = values.find({target.kind, target.number, property});
        return found == values.end() ? Value(0.0) : found->second;
    }
    void setProperty(Target target, Property property, const Value &value) override
    {
        values[{target.kind, target.number, property}] = value;
    }
    void closeMenu() override { events.push_back("fermer"); }
    void playSound(const std::string &path) override { events.push_back("son " + path); }
    void playVideo(const std::string &path) override { events.push_back("vidéo " + path); }
    void runCommand(const std::string &commandLine) override { events.push_back("lancer " + commandLine); }
    void moveTray(bool open, const std::string &drive) override
    {
        events.push_back((open ? "ouvrir " : "fermer ") + drive);
    }
    int messageBox(const std::string &text, int buttons, const std::string &title) override
    {
        std::this_thread::sleep_for(dialogDelay);
        events.push_back("message " + std::to_string(buttons) + " [" + title + "] " + text);
        if (answers.empty())
            return 1;
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::string inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText) override
    {
        events.push_back("saisie [" + title + "] " + prompt + " (" + defaultText + ")");
        return typed;
    }

    Value window(Property property) const { return this->property({Kind::Window, 0}, property); }
};

MenuModel twoOfEach()
{
    MenuModel menu;
    for (int n = 1; n <= 2; ++n) {
        menu.buttons.push_back({});
        menu.buttons.back().number = n;
        menu.texts.push_back({});
        menu.texts.back().number = n;
    }
    return menu;
}

std::string code(const Snippet &snippet)
{
    return snippet.code.toStdString();
}

class MenuScriptHostTest : public ::testing::Test
{
protected:
    RecordingFront m_front;
    MenuModel m_menu = twoOfEach();
    MenuScriptHost m_host{m_menu, m_front, DiscPaths("/cd", "/cd/zep")};

    std::string caption() const { return std::get<std::string>(m_front.window(Property::Caption)); }
};

} // namespace

TEST_F(MenuScriptHostTest, TheGlobalCodeRunsFirstAndItsProceduresServeEveryLaterScript)
{
    m_host.runStartup("Const Sep = \";\"\r\nSub Note(s)\r\n  Fenetre.Caption = Fenetre.Caption & s & Sep\r\nEnd Sub\r\n"
                      "Fenetre.Caption = \"\"\r\nNote \"global\"",
                      "Note \"démarrage\"");
    m_host.buttonClicked(2, "Note \"clic \" & 2");
    m_host.buttonHovered(1, "Note \"survol 1\"");
    m_host.windowHovered("Note \"fenêtre\"");
    m_host.timerTicked("Note \"minuteur\"");
    m_host.timerTicked("");
    EXPECT_EQ(caption(), "global;démarrage;clic 2;survol 1;fenêtre;minuteur;");
    EXPECT_TRUE(m_front.events.empty());

    // Variables of one script outlive it, as the scripts share one module.
    m_host.buttonClicked(1, "compte = compte + 1");
    m_host.buttonClicked(1, "compte = compte + 1\r\nFenetre.Caption = compte");
    EXPECT_EQ(m_front.window(Property::Caption), MenuObjects::Value(std::string("2")));
}

TEST_F(MenuScriptHostTest, TheDriveAndFolderTokensBecomeTheMenusFolders)
{
    EXPECT_EQ(m_host.replaceTokens("MsgBox \"[LECT]:\\\" & \"[lect]:\\docs\\a.pdf\" & \"[LECT]\""),
              "MsgBox \"/cd/\" & \"/cd/docs\\a.pdf\" & \"/cd\"");
    EXPECT_EQ(m_host.replaceTokens(code(snippets::subMenu(u"SousMenu1"_s))),
              "Set exe_f = CreateObject(\"WScript.Shell\")\r\nexe_f.Run(\"/cd/zep/SousMenu1.exe\")");

    m_host.buttonClicked(1, "'[LECT]:\\ dans une note\r\nFenetre.Caption = \"[CHEMIN]\" & \"[LECT]:\\\"");
    EXPECT_EQ(caption(), "/cd/zep//cd/");
}

TEST_F(MenuScriptHostTest, AFailingScriptIsReportedWithItsSlotAndLineAndTheMenuGoesOn)
{
    m_host.runStartup("Sub Ok()\r\n  Fenetre.Caption = \"ok\"\r\nEnd Sub\r\nx = 1 / 0", "Ok\r\nIf x Then");
    ASSERT_EQ(m_front.events.size(), 2u);
    EXPECT_EQ(m_front.events[0],
              "message 16 [Erreur de script] Erreur 11 dans le script « global », ligne 4 :\nDivision par zéro");
    EXPECT_EQ(m_front.events[1],
              "message 16 [Erreur de script] Erreur 1014 dans le script « démarrage », ligne 2 :\n'End' attendu");
    // The procedures of a global code that failed while running are still there.
    m_host.buttonClicked(1, "Ok");
    EXPECT_EQ(caption(), "ok");

    m_host.buttonHovered(2, "\r\n\r\nBouton9.Left = 10");
    EXPECT_EQ(m_front.events.back(), "message 16 [Erreur de script] Erreur 424 dans le script « survol du bouton 2 », "
                                     "ligne 3 :\nObjet requis");
    m_host.buttonClicked(1, "Texte1.Left = \"loin\"");
    EXPECT_EQ(m_front.events.back(),
              "message 16 [Erreur de script] Erreur 13 dans le script « bouton 1 », ligne 1 :\nType incompatible");
    m_host.timerTicked("Fenetre.Caption = \"encore\"");
    EXPECT_EQ(caption(), "encore");

    m_front.setProperty({Kind::Timer, 0}, Property::Enabled, true);
    m_host.timerTicked("x = 1 / 0");
    EXPECT_EQ(m_front.events.back(),
              "message 16 [Erreur de script] Erreur 11 dans le script « minuteur », ligne 1 :\nDivision par zéro");
    EXPECT_EQ(m_front.property({Kind::Timer, 0}, Property::Enabled), MenuObjects::Value(false));

    // The window's hover script runs at every move: it is reported once, then left out.
    const size_t before = m_front.events.size();
    m_host.windowHovered("Fenetre.Caption = \"survol\" & (1 / 0)");
    m_host.windowHovered("Fenetre.Caption = \"survol\" & (1 / 0)");
    EXPECT_EQ(m_front.events.size(), before + 1);
    EXPECT_EQ(m_front.events.back(), "message 16 [Erreur de script] Erreur 11 dans le script « survol de la fenêtre », "
                                     "ligne 1 :\nDivision par zéro");
}

TEST_F(MenuScriptHostTest, AnEndlessLoopIsInterruptedButTimeInADialogDoesNotCount)
{
    m_host.setTimeLimit(std::chrono::milliseconds(150));
    m_host.buttonClicked(1, "On Error Resume Next\r\nDo\r\n  n = n + 1\r\nLoop");
    ASSERT_EQ(m_front.events.size(), 1u);
    EXPECT_EQ(m_front.events[0], "message 16 [Erreur de script] Le script « bouton 1 » a été interrompu : "
                                 "il ne rendait pas la main.");
    m_host.buttonClicked(2, "Fenetre.Caption = \"après\"");
    EXPECT_EQ(caption(), "après");

    m_front.dialogDelay = std::chrono::milliseconds(300);
    m_host.buttonClicked(2, "MsgBox \"lent\"\r\nFenetre.Caption = \"fini\"");
    EXPECT_EQ(caption(), "fini");
    EXPECT_EQ(m_front.events.back(), "message 0 [] lent");
}

TEST_F(MenuScriptHostTest, TheAssistantsSnippetsDriveTheWindowTimerButtonsAndTexts)
{
    for (const Snippet &snippet :
         {snippets::windowState(2, u"Agrandir"_s), snippets::windowCaption(u"Bienvenue"_s),
          snippets::windowPosition(snippets::Axis::X, u"1500"_s), snippets::windowPosition(snippets::Axis::Y, u"300"_s),
          snippets::colour(u"Couleur de fond"_s, u"Fenetre.BackColor"_s, 65280),
          snippets::visible(u"Fenetre"_s, true), snippets::timerEnabled(true), snippets::timerInterval(u"250"_s),
          snippets::buttonPosition(u"2"_s, snippets::Axis::Y, u"720"_s), snippets::buttonEnabled(u"1"_s, false),
          snippets::visible(snippets::button(u"2"_s), false), snippets::textContent(u"1"_s, u"Bonjour[R]à tous"_s),
          snippets::textPosition(u"2"_s, snippets::Axis::X, u"45"_s),
          snippets::textSize(u"2"_s, snippets::Dimension::Width, u"3000"_s),
          snippets::textLocked(u"1"_s, true),
          snippets::colour(u"Couleur du texte"_s, snippets::textBox(u"1"_s) + u".ForeColor"_s, 255),
          snippets::textAlignment(u"2"_s, 2), snippets::textFont(u"1"_s, {u"Arial"_s, 12.5, true, false, true, false}),
          snippets::textScrollBar(u"2"_s, true), snippets::borderWidth(u"3"_s), snippets::borderShape(4),
          snippets::visible(u"Bordure"_s, true), snippets::colour(u"Couleur bordure"_s, u"Bordure.BorderColor"_s, 255)})
        m_host.buttonClicked(1, code(snippet));
    EXPECT_TRUE(m_front.events.empty()) << m_front.events.front();

    using Value = MenuObjects::Value;
    const auto value = [this](Kind kind, int number, Property property) {
        return m_front.property({kind, number}, property);
    };
    EXPECT_EQ(value(Kind::Window, 0, Property::WindowState), Value(2.0));
    EXPECT_EQ(value(Kind::Window, 0, Property::Caption), Value(std::string("Bienvenue")));
    EXPECT_EQ(value(Kind::Window, 0, Property::Left), Value(1500.0));
    EXPECT_EQ(value(Kind::Window, 0, Property::Top), Value(300.0));
    EXPECT_EQ(value(Kind::Window, 0, Property::BackColor), Value(65280.0));
    EXPECT_EQ(value(Kind::Window, 0, Property::Visible), Value(true));
    EXPECT_EQ(value(Kind::Timer, 0, Property::Enabled), Value(true));
    EXPECT_EQ(value(Kind::Timer, 0, Property::Interval), Value(250.0));
    EXPECT_EQ(value(Kind::Button, 2, Property::Top), Value(720.0));
    EXPECT_EQ(value(Kind::Button, 1, Property::Enabled), Value(false));
    EXPECT_EQ(value(Kind::Button, 2, Property::Visible), Value(false));
    EXPECT_EQ(value(Kind::Text, 1, Property::Text), Value(std::string("Bonjour\r\nà tous")));
    EXPECT_EQ(value(Kind::Text, 2, Property::Left), Value(45.0));
    EXPECT_EQ(value(Kind::Text, 2, Property::Width), Value(3000.0));
    EXPECT_EQ(value(Kind::Text, 1, Property::Locked), Value(true));
    EXPECT_EQ(value(Kind::Text, 1, Property::ForeColor), Value(255.0));
    EXPECT_EQ(value(Kind::Text, 2, Property::Alignment), Value(2.0));
    EXPECT_EQ(value(Kind::Text, 1, Property::FontBold), Value(true));
    EXPECT_EQ(value(Kind::Text, 1, Property::FontItalic), Value(false));
    EXPECT_EQ(value(Kind::Text, 1, Property::FontName), Value(std::string("Arial")));
    EXPECT_EQ(value(Kind::Text, 1, Property::FontSize), Value(12.5));
    EXPECT_EQ(value(Kind::Text, 1, Property::FontStrikethru), Value(true));
    EXPECT_EQ(value(Kind::Text, 1, Property::FontUnderline), Value(false));
    EXPECT_EQ(value(Kind::Text, 2, Property::ScrollBar), Value(true));
    EXPECT_EQ(value(Kind::Border, 0, Property::BorderWidth), Value(3.0));
    EXPECT_EQ(value(Kind::Border, 0, Property::Shape), Value(4.0));
    EXPECT_EQ(value(Kind::Border, 0, Property::Visible), Value(true));
    EXPECT_EQ(value(Kind::Border, 0, Property::BorderColor), Value(255.0));

    // Reading goes through the front too, in the script's own types.
    m_host.buttonClicked(1, "If Bouton2.Top = 720 And Not Bouton1.Enabled Then Fenetre.Caption = Texte1 & \"!\"");
    EXPECT_EQ(caption(), "Bonjour\r\nà tous!");
}

TEST_F(MenuScriptHostTest, DialogsActionsAndSoundsGoThroughTheFront)
{
    m_front.answers = {7};
    m_front.typed = "Zoé";
    m_host.buttonClicked(1, code(snippets::message(u"Question"_s, u"Encore ?[R]Oui"_s, u"YesNo"_s)) +
                                "\r\nr = MsgBox(\"Sûr ?\", vbYesNo + vbQuestion, \"Titre\")\r\n"
                                "Fenetre.Caption = r & InputBox(\"Nom :\", \"Qui ?\", \"moi\")");
    ASSERT_EQ(m_front.events.size(), 3u);
    EXPECT_EQ(m_front.events[0], "message 4 [Question] Encore ?\n\rOui");
    EXPECT_EQ(m_front.events[1], "message 36 [Titre] Sûr ?");
    EXPECT_EQ(m_front.events[2], "saisie [Qui ?] Nom : (moi)");
    EXPECT_EQ(caption(), "1Zoé");

    m_front.events.clear();
    m_host.buttonClicked(1, code(snippets::playMedia(snippets::Media::Sound, u"[LECT]:\\sons\\a.mp3"_s)));
    m_host.buttonClicked(1, code(snippets::playMedia(snippets::Media::WavSound, u"b.wav"_s)));
    m_host.buttonClicked(1, code(snippets::playMedia(snippets::Media::Video, u"[LECT]:\\films\\a.avi"_s)));
    m_host.buttonClicked(1, code(snippets::subMenu(u"SousMenu1"_s)));
    m_host.buttonClicked(1, code(snippets::folder(u"[LECT]:\\docs"_s)));
    m_host.buttonClicked(1, code(snippets::webPage(u"http://exemple.org/"_s)));
    m_host.buttonClicked(1, code(snippets::cdTray(snippets::CdAction::Open, u"[LECT]"_s)));
    m_host.buttonClicked(1, code(snippets::cdTray(snippets::CdAction::Close, u"e"_s)));
    m_host.buttonClicked(1, code(snippets::closeMenu()));
    EXPECT_EQ(m_front.events,
              (std::vector<std::string>{"son /cd/sons\\a.mp3", "son b.wav", "vidéo /cd/films\\a.avi",
                                        "lancer /cd/zep/SousMenu1.exe",
                                        "lancer \"explorer /cd/docs\"", "lancer \"http://exemple.org/\"", "ouvrir /cd",
                                        "fermer E", "fermer"}));

    m_host.buttonClicked(1, "Set o = CreateObject(\"Inconnu.Objet\")");
    EXPECT_EQ(m_front.events.back().substr(0, 55), "message 16 [Erreur de script] Erreur 429 dans le script");
}

TEST_F(MenuScriptHostTest, TheShellSnippetsOpenMailPagesDocumentsAndPrograms)
{
    m_host.buttonClicked(1, code(snippets::email(u"moi@exemple.org"_s, u""_s, u"Le \"sujet\""_s, u"Bonjour à tous"_s)));
    m_host.buttonClicked(1, code(snippets::htmlPage(u"[LECT]:\\site\\index.html"_s)));
    m_host.buttonClicked(1, code(snippets::document(u"[LECT]:\\docs\\notice.pdf"_s)));
    m_host.buttonClicked(1, code(snippets::program(u"[LECT]:\\outils\\installer.exe"_s)));
    ASSERT_EQ(m_front.events.size(), 4u);
    EXPECT_EQ(m_front.events[0], "lancer \"mailto:moi@exemple.org?cc=&subject=Le%20%22sujet%22&body=Bonjour%20à%20tous\"");
    EXPECT_EQ(m_front.events[1], "lancer \"explorer \"/cd/site\\index.html\"\"");
    EXPECT_EQ(m_front.events[2], "lancer \"/cd/docs\\notice.pdf\"");
    EXPECT_EQ(m_front.events[3], "lancer \"/cd/outils\\installer.exe\"");
}

namespace {

using snippets::Axis;

// Awkward answers: quotes, line marks, apostrophes and accents.
const QString kTricky = u"L'\"été\"[R]à 100 %"_s;

QList<Snippet> everyAssistantSnippet()
{
    QList<Snippet> all{
        snippets::aexe(u"notepad.exe \"a b.txt\""_s, u"Lancer"_s),
        snippets::subMenu(u"SousMenu1"_s),
        snippets::webPage(u"http://exemple.org/?a=\"1\""_s),
        snippets::htmlPage(u"[LECT]:\\site\\index.html"_s),
        snippets::email(u"moi@exemple.org"_s, u"toi@exemple.org"_s, kTricky, kTricky),
        snippets::document(u"[LECT]:\\docs\\l'été.pdf"_s),
        snippets::folder(u"[LECT]:\\docs"_s),
        snippets::program(u"[LECT]:\\outils\\setup.exe /s"_s),
        snippets::cdTray(snippets::CdAction::Open, u"[LECT]"_s),
        snippets::cdTray(snippets::CdAction::Close, u"d"_s),
        snippets::playMedia(snippets::Media::Sound, u"[LECT]:\\a.mp3"_s),
        snippets::playMedia(snippets::Media::WavSound, u"b.wav"_s),
        snippets::playMedia(snippets::Media::Video, u"[LECT]:\\c.avi"_s),
        snippets::windowCaption(kTricky),
        snippets::windowPosition(Axis::X, u"-150"_s),
        snippets::windowPosition(Axis::Y, u"1.5"_s),
        snippets::colour(u"Couleur"_s, u"Fenetre.BackColor"_s, 16777215),
        snippets::colour(u"Couleur"_s, snippets::textBox(u"2"_s) + u".BackColor"_s, 0),
        snippets::colour(u"Couleur"_s, u"Bordure.BorderColor"_s, 255),
        snippets::borderWidth(u"2"_s),
        snippets::backgroundPicture(u"[LECT]:\\fond.jpg"_s),
        snippets::backgroundStretch(true),
        snippets::backgroundStretch(false),
        snippets::timerEnabled(true),
        snippets::timerEnabled(false),
        snippets::timerInterval(u"500"_s),
        snippets::textFont(u"1"_s, {u"Comic \"Sans\""_s, 9.5, true, true, true, true}),
        snippets::textLocked(u"1"_s, false),
        snippets::textSize(u"1"_s, snippets::Dimension::Height, u"600"_s),
        snippets::textPosition(u"1"_s, Axis::Y, u"0"_s),
        snippets::textScrollBar(u"1"_s, false),
        snippets::textContent(u"2"_s, kTricky),
        snippets::buttonEnabled(u"2"_s, true),
        snippets::buttonPosition(u"2"_s, Axis::X, u"60"_s),
        snippets::buttonPicture(u"1"_s, u"[LECT]:\\images\\b.bmp"_s),
        snippets::closeMenu(),
    };
    for (const QString &type : {u"information"_s, u"critical"_s, u"exclamation"_s, u"question"_s, u"YesNo"_s,
                                u"OKCancel"_s, u"YesNoCancel"_s, u"RetryCancel"_s, u"AbortRetryIgnore"_s})
        all.append(snippets::message(kTricky, kTricky, type));
    for (int state = 0; state <= 2; ++state)
        all.append(snippets::windowState(state, u"Etat"_s));
    for (int shape = 0; shape <= 5; ++shape)
        all.append(snippets::borderShape(shape));
    for (int alignment = 0; alignment <= 2; ++alignment)
        all.append(snippets::textAlignment(u"2"_s, alignment));
    for (const QString &object : {u"Fenetre"_s, u"Bordure"_s, snippets::button(u"1"_s),
                                  snippets::textBox(u"1"_s)}) {
        all.append(snippets::visible(object, true));
        all.append(snippets::visible(object, false));
    }
    for (const QString &target : {u"Fenetre"_s, u"Ecran"_s, u"Bouton1"_s, u"Texte2"_s}) {
        for (const cursormenu::Entry &entry : cursormenu::entries())
            all.append(cursormenu::snippet(target, entry.pointer, u"[LECT]:\\curseur.ico"_s));
    }
    return all;
}

QList<WizardButton> everyWizardFunction()
{
    QList<WizardButton> buttons;
    WizardButton b;
    buttons.append(b); // no function chosen
    b.function = WizardButton::PlayMultimedia;
    b.argument1 = u"[LECT]:\\film.avi"_s;
    buttons.append(b);
    b.function = WizardButton::QuitMenu;
    buttons.append(b);
    b.function = WizardButton::ShowMessage;
    b.argument1 = wizardscripts::quotesToApostrophes(u"Le \"titre\""_s);
    b.argument2 = wizardscripts::lineBreaks(wizardscripts::quotesToApostrophes(kTricky));
    buttons.append(b);
    b.function = WizardButton::OpenTarget;
    for (const QString &kind : {u"SITE"_s, u"DISQUE"_s, u"CD"_s}) {
        b.argument1 = u"[LECT]:\\l'\"outil\".exe"_s;
        b.argument2 = kind;
        buttons.append(b);
    }
    return buttons;
}

// A disc holding the pictures the snippets load.
DiscPaths discWithPictures(const QTemporaryDir &disc)
{
    for (const QString &file : {u"fond.jpg"_s, u"images/b.bmp"_s, u"curseur.ico"_s})
        testfiles::writeBytes(disc.filePath(file), "image");
    return DiscPaths(disc.path().toStdString(), disc.filePath(u"zep"_s).toStdString());
}

class GeneratedScriptsTest : public ::testing::Test
{
protected:
    QTemporaryDir m_disc;
    RecordingFront m_front;
    MenuModel m_menu = twoOfEach();
    MenuScriptHost m_host{m_menu, m_front, discWithPictures(m_disc)};

    // Runs it as a button's script; a script that fails shows its error in a box.
    void expectRuns(const std::function<void()> &run, const QString &script)
    {
        m_front.events.clear();
        run();
        for (const std::string &event : m_front.events)
            EXPECT_EQ(event.find("[Erreur de script]"), std::string::npos) << script.toStdString() << "\n" << event;
    }
    void expectRuns(const QString &script)
    {
        expectRuns([&] { m_host.buttonClicked(1, script.toStdString()); }, script);
    }
};

} // namespace

TEST_F(GeneratedScriptsTest, EveryAssistantSnippetRunsInThePlayer)
{
    for (const Snippet &snippet : everyAssistantSnippet())
        expectRuns(bannerBlock(snippet.title, snippet.code));
}

TEST_F(GeneratedScriptsTest, EveryWizardScriptRunsInThePlayer)
{
    for (const WizardButton &b : everyWizardFunction()) {
        const wizardscripts::KindAndCode made = wizardscripts::kindAndCode(b);
        if (made.kind == ButtonKind::Code)
            expectRuns(fold::unfold(made.code));
    }

    WizardProject p;
    p.startupTitle = wizardscripts::quotesToApostrophes(u"Bien\"venue"_s);
    p.startupMessage = wizardscripts::lineBreaks(wizardscripts::quotesToApostrophes(kTricky));
    p.startupTarget = u"http://exemple.org/\"x\""_s;
    for (const QString &kind : {u"SITE"_s, u"DISQUE"_s, u"CD"_s}) {
        p.startupTargetKind = kind;
        for (const auto startup : {WizardProject::Startup::Open, WizardProject::Startup::Message}) {
            p.startup = startup;
            const QString action = fold::unfold(wizardscripts::startupAction(p));
            ASSERT_TRUE(action.startsWith(u"VBS:"_s));
            expectRuns([&] { m_host.runStartup(std::string(), action.mid(4).toStdString()); }, action);
        }
    }
}

TEST(MenuScriptFilesTest, TheTextFileSnippetReadsAnAnsiFileFromTheDisc)
{
    QTemporaryDir disc;
    QDir().mkpath(disc.filePath(u"notes"_s));
    QFile file(disc.filePath(u"notes/lire.txt"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Premi\xE8re ligne\r\nfin");
    file.close();
    RecordingFront front;
    const MenuModel menu = twoOfEach();
    MenuScriptHost host(menu, front, DiscPaths(disc.path().toStdString(), disc.filePath(u"zep"_s).toStdString()));

    host.buttonClicked(1, code(snippets::textFile(u"[LECT]:\\notes\\lire.txt"_s, u"Texte2"_s)));
    EXPECT_TRUE(front.events.empty()) << front.events.front();
    EXPECT_EQ(front.property({Kind::Text, 2}, Property::Text), MenuObjects::Value(std::string("Première ligne\r\nfin")));

    host.buttonClicked(1, "Set f = CreateObject(\"Scripting.FileSystemObject\").OpenTextFile(\"notes\\lire.txt\")\r\n"
                          "Do Until f.AtEndOfStream\r\n  Texte1.Text = Texte1.Text & \"[\" & f.ReadLine & \"]\"\r\nLoop");
    EXPECT_EQ(front.property({Kind::Text, 1}, Property::Text), MenuObjects::Value(std::string("0[Première ligne][fin]")));

    host.buttonClicked(1, "Set f = CreateObject(\"Scripting.FileSystemObject\").OpenTextFile(\"notes/lire.txt\")\r\n"
                          "x = f.ReadAll\r\nx = f.ReadLine");
    host.buttonClicked(1, code(snippets::textFile(u"absent.txt"_s, u"Texte2"_s)));
    ASSERT_EQ(front.events.size(), 2u);
    EXPECT_EQ(front.events[1], "message 16 [Erreur de script] Erreur 53 dans le script « bouton 1 », ligne 2 :\n"
                               "Fichier introuvable");
    EXPECT_EQ(front.events[0], "message 16 [Erreur de script] Erreur 62 dans le script « bouton 1 », ligne 3 :\n"
                               "Lecture au-delà de la fin du fichier");
}

TEST(MenuScriptFilesTest, ATextFileWithAByteOrderMarkIsReadInItsEncoding)
{
    QTemporaryDir disc;
    const std::pair<const char *, QByteArray> files[] = {
        {"utf8.txt", QByteArray("\xEF\xBB\xBF" "donn\xC3\xA9" "es \xE2\x82\xAC\r\n")},
        {"utf16le.txt", QByteArray("\xFF\xFE" "d\0\xE9\0" "\xAC\x20\r\0\n\0", 12)},
        {"utf16be.txt", QByteArray("\xFE\xFF" "\0d\0\xE9" "\x20\xAC\0\r\0\n", 12)},
        {"ansi.txt", QByteArray("d\xE9\x80\r\n")}};
    for (const auto &[name, bytes] : files) {
        QFile file(disc.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    RecordingFront front;
    const MenuModel menu = twoOfEach();
    MenuScriptHost host(menu, front, DiscPaths(disc.path().toStdString(), disc.filePath(u"zep"_s).toStdString()));
    host.buttonClicked(1, "Set fs = CreateObject(\"Scripting.FileSystemObject\")\r\n"
                          "For Each n In Array(\"utf8\", \"utf16le\", \"utf16be\", \"ansi\")\r\n"
                          "  Texte1.Text = Texte1.Text & \"[\" & fs.OpenTextFile(n & \".txt\").ReadLine & \"]\"\r\nNext");
    EXPECT_TRUE(front.events.empty()) << front.events.front();
    EXPECT_EQ(front.property({Kind::Text, 1}, Property::Text),
              MenuObjects::Value(std::string("0[données €][dé€][dé€][dé€]")));
}

TEST(MenuScriptFilesTest, FilesAndFoldersOfTheDiscCanBeLookedFor)
{
    QTemporaryDir disc;
    QDir().mkpath(disc.filePath(u"notes"_s));
    QFile file(disc.filePath(u"notes/lire.txt"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RecordingFront front;
    const MenuModel menu = twoOfEach();
    MenuScriptHost host(menu, front, DiscPaths(disc.path().toStdString(), disc.filePath(u"zep"_s).toStdString()));

    host.buttonClicked(1, "Set fs = CreateObject(\"Scripting.FileSystemObject\")\r\n"
                          "Texte1.Text = fs.FileExists(\"[LECT]:\\notes\\lire.txt\") & fs.FileExists(\"notes\") & "
                          "fs.FolderExists(\"notes\") & fs.FolderExists(\"notes\\lire.txt\") & fs.FileExists(\"absent\")");
    EXPECT_TRUE(front.events.empty()) << front.events.front();
    EXPECT_EQ(front.property({Kind::Text, 1}, Property::Text),
              MenuObjects::Value(std::string("TrueFalseTrueFalseFalse")));
}

TEST(MenuScriptFilesTest, ADictionaryKeepsItemsByKeyInTheirOrder)
{
    RecordingFront front;
    const MenuModel menu = twoOfEach();
    MenuScriptHost host(menu, front, DiscPaths("/cd", "/cd/zep"));

    host.buttonClicked(1, "Set d = CreateObject(\"Scripting.Dictionary\")\r\n"
                          "d.Add \"b\", 2 : d.Add \"a\", 1 : d(\"c\") = 3 : d.Item(\"b\") = 20\r\n"
                          "s = d.Count & \":\" & Join(d.Keys, \",\") & \":\" & Join(d.Items, \",\")\r\n"
                          "For Each k In d : s = s & \" \" & k & \"=\" & d(k) : Next\r\n"
                          "d.Remove \"a\" : s = s & \" \" & d.Exists(\"a\") & d.Exists(\"B\") & d.Count\r\n"
                          "Texte1.Text = s\r\n"
                          "d.Add \"b\", 5");
    EXPECT_EQ(front.property({Kind::Text, 1}, Property::Text),
              MenuObjects::Value(std::string("3:b,a,c:20,1,3 b=20 a=1 c=3 FalseFalse2")));
    ASSERT_EQ(front.events.size(), 1u);
    EXPECT_EQ(front.events[0], "message 16 [Erreur de script] Erreur 457 dans le script « bouton 1 », ligne 7 :\n"
                               "Cette clé est déjà associée à un élément de cette collection");
}

TEST(MenuScriptFilesTest, PicturesAreFilesOfTheDiscAndTheScreenTakesAPointer)
{
    QTemporaryDir disc;
    QDir().mkpath(disc.filePath(u"img"_s));
    QFile image(disc.filePath(u"img/fond.bmp"_s));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.close();
    RecordingFront front;
    const MenuModel menu = twoOfEach();
    MenuScriptHost host(menu, front, DiscPaths(disc.path().toStdString(), disc.filePath(u"zep"_s).toStdString()));

    for (const Snippet &snippet : {snippets::backgroundPicture(u"[LECT]:\\img\\fond.bmp"_s),
                                   snippets::backgroundStretch(false), snippets::buttonPicture(u"2"_s, u"img\\fond.bmp"_s)})
        host.buttonClicked(1, code(snippet));
    host.buttonClicked(1, "Ecran.MousePointer = 11\r\nBouton1.Picture = LoadPicture()");
    host.buttonClicked(1, code(cursormenu::snippet(u"Texte2"_s, cursormenu::kCustomPointer, u"[LECT]:\\img\\fond.bmp"_s)));
    EXPECT_TRUE(front.events.empty()) << front.events.front();
    const MenuObjects::Value path(disc.filePath(u"img/fond.bmp"_s).toStdString());
    EXPECT_EQ(front.property({Kind::Background, 0}, Property::Picture), path);
    EXPECT_EQ(front.property({Kind::Background, 0}, Property::Stretch), MenuObjects::Value(false));
    EXPECT_EQ(front.property({Kind::Button, 2}, Property::Picture), path);
    EXPECT_EQ(front.property({Kind::Button, 1}, Property::Picture), MenuObjects::Value(std::string()));
    EXPECT_EQ(front.property({Kind::Screen, 0}, Property::MousePointer), MenuObjects::Value(11.0));
    EXPECT_EQ(front.property({Kind::Text, 2}, Property::MouseIcon), path);
    EXPECT_EQ(front.property({Kind::Text, 2}, Property::MousePointer), MenuObjects::Value(99.0));

    host.buttonClicked(1, code(snippets::buttonPicture(u"1"_s, u"img\\absent.bmp"_s)));
    EXPECT_EQ(front.events.at(0), "message 16 [Erreur de script] Erreur 53 dans le script « bouton 1 », ligne 1 :\n"
                                  "Fichier introuvable");
}
