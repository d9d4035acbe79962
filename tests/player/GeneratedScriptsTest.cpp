#include "common/Fold.h"
#include "player/core/MenuScriptHost.h"
#include "script/AssistantSnippets.h"
#include "script/BannerInsertion.h"
#include "script/CursorMenu.h"
#include "support/TestFiles.h"
#include "wizard/WizardScripts.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;
using snippets::Axis;

namespace {

// Answers every box and remembers what a script failure shows.
class ErrorFront : public MenuObjects
{
public:
    std::vector<std::string> errors;
    std::map<std::pair<int, int>, Value> values;

    Value property(Target target, Property property) const override
    {
        const auto found = values.find({int(target.kind) * 1000 + target.number, int(property)});
        return found == values.end() ? Value(0.0) : found->second;
    }
    void setProperty(Target target, Property property, const Value &value) override
    {
        values[{int(target.kind) * 1000 + target.number, int(property)}] = value;
    }
    void closeMenu() override {}
    void playSound(const std::string &) override {}
    void playVideo(const std::string &) override {}
    void runCommand(const std::string &) override {}
    void moveTray(bool, const std::string &) override {}
    int messageBox(const std::string &text, int, const std::string &title) override
    {
        if (title == "Erreur de script")
            errors.push_back(text);
        return 1;
    }
    std::string inputBox(const std::string &, const std::string &, const std::string &defaultText) override
    {
        return defaultText;
    }
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
    for (const QString &object : {u"Fenetre"_s, u"Bordure"_s, u"ImageFond"_s, snippets::button(u"1"_s),
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
    ErrorFront m_front;
    MenuModel m_menu = twoOfEach();
    MenuScriptHost m_host{m_menu, m_front, discWithPictures(m_disc)};

    void expectRuns(const QString &script)
    {
        m_front.errors.clear();
        m_host.buttonClicked(1, script.toStdString());
        EXPECT_TRUE(m_front.errors.empty()) << script.toStdString() << "\n" << m_front.errors.front();
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
            m_front.errors.clear();
            m_host.runStartup(std::string(), action.mid(4).toStdString());
            EXPECT_TRUE(m_front.errors.empty()) << action.toStdString() << "\n" << m_front.errors.front();
        }
    }
}
