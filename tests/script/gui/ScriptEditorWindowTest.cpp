#include "script/gui/ScriptEditorWindow.h"
#include "document/DesignerDocument.h"
#include "script/BannerInsertion.h"
#include "script/DefaultScripts.h"
#include "script/SlotText.h"
#include "script/gui/CodeBox.h"
#include "support/ProjectSettingsEdit.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString NL = u"\r\n"_s;

// Lets the event loop run until the timer has fired (or a generous limit has passed).
void waitUntilIdle(const QTimer *timer)
{
    QDeadlineTimer limit(5000);
    while (timer->isActive() && !limit.hasExpired())
        QTest::qWait(1);
}

class ScriptEditorWindowTest : public ::testing::Test
{
protected:
    ScriptEditorWindowTest() : window(document, prompter, [this] { ++testRuns; }) {}

    template <typename T> T *child(const QString &name)
    {
        T *found = window.findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    CodeBox *code() { return child<CodeBox>(u"code"_s); }
    QTimer *timer(const QString &name) { return child<QTimer>(name); }

    // The entry reached through the captions of its menus.
    QAction *menuEntry(QMenu *menu, const QStringList &path)
    {
        for (qsizetype i = 0; i < path.size(); ++i) {
            if (!menu) {
                ADD_FAILURE() << "no sub menu holds " << path[i].toStdString();
                return nullptr;
            }
            QAction *found = nullptr;
            for (QAction *action : menu->actions()) {
                if (action->text() == path[i])
                    found = action;
            }
            if (!found) {
                ADD_FAILURE() << path[i].toStdString();
                return nullptr;
            }
            if (i + 1 == path.size())
                return found;
            menu = found->menu();
        }
        return nullptr;
    }

    void assistant(const QStringList &path)
    {
        if (QAction *entry = menuEntry(child<QMenu>(u"assistant_vbs"_s), path))
            entry->trigger();
    }

    void expectForbiddenCharacter()
    {
        prompter.expectMessage(u"Caratère interdit !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                               Answer::Ok);
    }

    int addCodeButton() { return document.addButton(ButtonKind::Code); }

    ScriptedPrompter prompter;
    DesignerDocument document{prompter, QString()};
    MenuProject &project = document.project();
    int testRuns = 0;
    ScriptEditorWindow window;
};

TEST_F(ScriptEditorWindowTest, ProjectSlotsOpenWithCaptionAndDefaultText)
{
    EXPECT_EQ(window.objectName(), u"Form5"_s);
    EXPECT_EQ(window.windowTitle(), u"Code VBS"_s);
    EXPECT_TRUE(child<QCheckBox>(u"mise_en_forme"_s)->isChecked());
    EXPECT_EQ(child<QCheckBox>(u"mise_en_forme"_s)->text(), u"Mise en forme automatique"_s);

    window.openSlot(ScriptSlot::Minuteur, u"Code VBS du minuteur"_s);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), u"Code VBS du minuteur"_s);
    EXPECT_EQ(window.targetSlot(), ScriptSlot::Minuteur);
    EXPECT_EQ(code()->script(), defaultscripts::forSlot(ScriptSlot::Minuteur));
    EXPECT_EQ(project.settings().timerCode, defaultscripts::forSlot(ScriptSlot::Minuteur));

    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    EXPECT_EQ(code()->script(), u"'Les procédures et constantes définies ici seront accessibles par les"_s + NL +
                                    u"'autres scripts du projet (boutons, minuteur, démarrage...)"_s + NL + NL +
                                    u"Const pi = 3.14159265358979"_s + NL);
    EXPECT_EQ(project.settings().globalCode, code()->script());
    EXPECT_EQ(project.settings().timerCode, defaultscripts::forSlot(ScriptSlot::Minuteur));

    window.openSlot(ScriptSlot::SurvolFenetre, u"Actions au survol de la feuille"_s);
    EXPECT_EQ(code()->script(), QString());
    EXPECT_EQ(project.settings().windowHoverCode, QString());

    projectsettings::set(project, &ProjectSettings::globalCode, u"Dim x"_s + NL);
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    EXPECT_EQ(code()->script(), u"Dim x"_s + NL);
}

TEST_F(ScriptEditorWindowTest, ButtonSlotsOpenTheSelectedButton)
{
    const int slot = addCodeButton();
    window.openSlot(ScriptSlot::Bouton, u"Code VBS sur bouton 1"_s);
    EXPECT_EQ(window.windowTitle(), u"Code VBS sur bouton 1"_s);
    EXPECT_EQ(code()->script(), defaultscripts::buttonScript(slot));

    window.openSlot(ScriptSlot::BoutonSurvol, u"Actions au survol du bouton 1"_s);
    EXPECT_EQ(code()->script(), QString());
    code()->insertPlainText(u"Bouton1.Visible = False"_s);
    EXPECT_EQ(project.button(slot).hoverCode, u"Bouton1.Visible = False"_s);
    EXPECT_EQ(project.button(slot).code, defaultscripts::buttonScript(slot));
}

TEST_F(ScriptEditorWindowTest, StartupSlotKeepsItsVbsPrefixOutOfTheBox)
{
    const QString caption = u"Code VBS à exécuter au démarrage du projet"_s;
    projectsettings::set(project, &ProjectSettings::startupAction, u"vbs:MsgBox 1"_s);
    window.openSlot(ScriptSlot::EditPrinc, caption);
    EXPECT_EQ(code()->script(), u"MsgBox 1"_s);
    EXPECT_EQ(project.settings().startupAction, u"VBS:MsgBox 1"_s);

    code()->insertPlainText(u"0"_s);
    EXPECT_EQ(project.settings().startupAction, u"VBS:0MsgBox 1"_s);

    code()->selectAll();
    code()->textCursor().removeSelectedText();
    EXPECT_EQ(code()->script(), QString());
    EXPECT_EQ(project.settings().startupAction, u"VBS:'Tapez ici le code VBS à exécuter au démarrage."_s + NL);

    for (const QString &other : {u"VBS:"_s, u"Programme.exe"_s}) {
        projectsettings::set(project, &ProjectSettings::startupAction, other);
        window.openSlot(ScriptSlot::EditPrinc, caption);
        EXPECT_EQ(code()->script(), defaultscripts::forSlot(ScriptSlot::EditPrinc));
        EXPECT_EQ(project.settings().startupAction, u"VBS:"_s + defaultscripts::forSlot(ScriptSlot::EditPrinc));
    }
}

TEST_F(ScriptEditorWindowTest, TypingWritesEveryChangeBack)
{
    const int slot = addCodeButton();
    window.openSlot(ScriptSlot::Bouton, u"Code VBS sur bouton 1"_s);
    code()->selectAll();
    QTest::keyClicks(code(), u"Fenetre.WindowState = 1"_s);
    EXPECT_EQ(project.button(slot).code, u"Fenetre.WindowState = 1"_s);
    QTest::keyClick(code(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(code(), u"x"_s);
    EXPECT_EQ(project.button(slot).code, u"Fenetre.WindowState = 1"_s + NL + u"x"_s);

    window.openSlot(ScriptSlot::SurvolFenetre, u"Actions au survol de la feuille"_s);
    QTest::keyClicks(code(), u"a"_s);
    EXPECT_EQ(project.settings().windowHoverCode, u"a"_s);
    EXPECT_EQ(project.button(slot).code, u"Fenetre.WindowState = 1"_s + NL + u"x"_s);
}

TEST_F(ScriptEditorWindowTest, NonBreakingSpacesAndSeparatorsAreKeptExactly)
{
    const QString odd = u"x = \"a\u00A0b\u2028c\u2029d\re\nf\""_s + NL + u"y"_s;
    projectsettings::set(project, &ProjectSettings::globalCode, odd);
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    EXPECT_EQ(code()->script(), odd);
    EXPECT_EQ(code()->blockCount(), 2);

    code()->setCaret(odd.size());
    QTest::sendKeyEvent(QTest::Click, code(), Qt::Key_nobreakspace, u"\u00A0"_s, Qt::NoModifier);
    EXPECT_EQ(project.settings().globalCode, odd + u"\u00A0"_s);
    EXPECT_EQ(code()->caret(), odd.size() + 1);

    code()->replaceScript(0, 1, u"\u2029"_s);
    const QString changed = u"\u2029"_s + odd.mid(1) + u"\u00A0"_s;
    EXPECT_EQ(project.settings().globalCode, changed);
    EXPECT_EQ(code()->blockCount(), 2);

    // Through the clipboard too, where lone CR and LF are line breaks like any other.
    const QString copied = u"a\u00A0b\u2028c\u2029d"_s + NL + u"e"_s;
    code()->setScript(copied);
    code()->selectAll();
    code()->copy();
    code()->setScript(QString());
    code()->paste();
    EXPECT_EQ(project.settings().globalCode, copied);
}

TEST_F(ScriptEditorWindowTest, TheCloseBoxHidesTheWindowAndLosesNothing)
{
    window.openSlot(ScriptSlot::Minuteur, u"Code VBS du minuteur"_s);
    code()->selectAll();
    QTest::keyClicks(code(), u"x"_s);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(project.settings().timerCode, u"x"_s);
    window.openSlot(ScriptSlot::Minuteur, u"Code VBS du minuteur"_s);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(code()->script(), u"x"_s);
}

TEST_F(ScriptEditorWindowTest, KeyboardKeepsTabAndSelectsAll)
{
    window.openSlot(ScriptSlot::Minuteur, u"Code VBS du minuteur"_s);
    code()->setScript(u"ab"_s);
    code()->setFocus();
    QTest::keyClick(code(), Qt::Key_Tab);
    EXPECT_EQ(project.settings().timerCode, u"\tab"_s);
    QTest::keyClick(code(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(code()->selectionStart(), 0);
    EXPECT_EQ(code()->selectionLength(), 3);
}

TEST_F(ScriptEditorWindowTest, ReservedCharactersGoOneKindAtATimeWithOneMessageEach)
{
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    code()->setScript(u"ab"_s);
    code()->setCaret(1);
    expectForbiddenCharacter();
    expectForbiddenCharacter();
    code()->insertPlainText(u"¤x¬y¤"_s);
    EXPECT_TRUE(prompter.allAnswered());
    EXPECT_EQ(code()->script(), u"axyb"_s);
    EXPECT_EQ(project.settings().globalCode, u"axyb"_s);
    EXPECT_EQ(code()->caret(), 3);

    expectForbiddenCharacter();
    code()->insertPlainText(u"¬¬"_s);
    EXPECT_EQ(project.settings().globalCode, u"axyb"_s);
}

TEST_F(ScriptEditorWindowTest, SelectionChangeHidesAndRetargetsToCodeButtons)
{
    const int video = document.addButton(ButtonKind::Multimedia);
    const int codeButton = addCodeButton();
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);

    document.selection().choose(ItemRef::button(video));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.targetSlot(), ScriptSlot::Global);
    EXPECT_EQ(window.windowTitle(), u"Code VBS global"_s);

    document.selection().choose(ItemRef::button(codeButton));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.targetSlot(), ScriptSlot::Bouton);
    EXPECT_EQ(window.windowTitle(), u"Code VBS sur bouton 2"_s);
    EXPECT_EQ(code()->script(), defaultscripts::buttonScript(codeButton));

    document.addText();
    EXPECT_EQ(window.targetSlot(), ScriptSlot::Bouton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ScriptEditorWindowTest, NothingIsFormattedBeforeTheAuthorEdits)
{
    const int slot = addCodeButton();
    MenuButton button = project.button(slot);
    button.code = u"  a=b"_s + NL;
    project.setButton(slot, button);
    document.selection().choose(ItemRef::project());
    document.selection().choose(ItemRef::button(slot));
    EXPECT_EQ(code()->script(), u"  a=b"_s + NL);

    window.show();
    QTest::qWait(20);
    EXPECT_EQ(project.button(slot).code, u"  a=b"_s + NL) << "the first showing formats nothing";
    window.openSlot(ScriptSlot::Bouton, u"Code VBS sur bouton 1"_s);
    EXPECT_EQ(project.button(slot).code, u"  a=b"_s + NL);

    code()->setCaret(code()->script().size());
    QTest::keyClick(code(), Qt::Key_Return);
    waitUntilIdle(timer(u"minuteur_format"_s));
    EXPECT_EQ(project.button(slot).code, u"a = b"_s + NL + NL) << "editing formats";
}

TEST_F(ScriptEditorWindowTest, TestRunStartsFromTheButtonAndFromF5AnywhereInTheWindow)
{
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    auto *testButton = child<QPushButton>(u"tester"_s);
    EXPECT_EQ(testButton->text(), u"F5 - &Tester"_s);
    QTest::mouseClick(testButton, Qt::LeftButton);
    EXPECT_EQ(testRuns, 1);

    QTest::keyRelease(code(), Qt::Key_F5);
    EXPECT_EQ(testRuns, 2);

    QTest::mouseClick(child<QPushButton>(u"nouvelle_procedure_bouton"_s), Qt::LeftButton);
    auto *name = child<QLineEdit>(u"nom_procedure"_s);
    QTest::keyRelease(name, Qt::Key_F5);
    EXPECT_EQ(testRuns, 3);
    QTest::keyRelease(child<QRadioButton>(u"type_function"_s), Qt::Key_F5);
    EXPECT_EQ(testRuns, 4);
    QTest::keyRelease(name, Qt::Key_F4);
    EXPECT_EQ(testRuns, 4);
    EXPECT_EQ(project.settings().globalCode, code()->script());
}

TEST_F(ScriptEditorWindowTest, NewProcedurePanelAppendsTheFrame)
{
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    code()->setScript(u"Dim a"_s);
    auto *panel = child<QWidget>(u"nouvelle_procedure"_s);
    auto *name = child<QLineEdit>(u"nom_procedure"_s);
    EXPECT_FALSE(panel->isVisible());

    QTest::mouseClick(child<QPushButton>(u"nouvelle_procedure_bouton"_s), Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(child<QRadioButton>(u"type_sub"_s)->isChecked());
    EXPECT_TRUE(child<QRadioButton>(u"portee_public"_s)->isChecked());
    EXPECT_EQ(name->text(), QString());

    QTest::mouseClick(child<QPushButton>(u"valider_procedure"_s), Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(code()->script(), u"Dim a"_s);

    name->setText(u"ma proc"_s);
    child<QRadioButton>(u"type_function"_s)->setChecked(true);
    child<QRadioButton>(u"portee_private"_s)->setChecked(true);
    QTest::mouseClick(child<QPushButton>(u"valider_procedure"_s), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(name->text(), u"ma_proc"_s);
    EXPECT_EQ(project.settings().globalCode,
              u"Dim a"_s + NL + u"Private Function ma_proc()"_s + NL + NL + u"End Function"_s);

    QTest::mouseClick(child<QPushButton>(u"nouvelle_procedure_bouton"_s), Qt::LeftButton);
    EXPECT_EQ(name->text(), QString());
    EXPECT_TRUE(child<QRadioButton>(u"type_sub"_s)->isChecked());
    name->setText(u"autre"_s);
    QTest::mouseClick(child<QPushButton>(u"annuler_procedure"_s), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(project.settings().globalCode,
              u"Dim a"_s + NL + u"Private Function ma_proc()"_s + NL + NL + u"End Function"_s);
}

TEST_F(ScriptEditorWindowTest, CursorEntriesBlinkThePromptUntilItIsClicked)
{
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    code()->setScript(QString());
    auto *prompt = child<QLabel>(u"choix_curseur"_s);
    QTimer *blink = timer(u"clignotement"_s);
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_FALSE(blink->isActive());

    assistant({u"Menu/Fenêtre"_s, u"Changer le curseur"_s});
    EXPECT_EQ(window.cursorTarget(), u"Fenetre"_s);
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_EQ(prompt->text(), u"[Choix du nouveau curseur : cliquez ICI]"_s);
    EXPECT_TRUE(blink->isActive());
    EXPECT_EQ(blink->interval(), 800);
    EXPECT_EQ(code()->script(), QString());

    QTest::mouseClick(prompt, Qt::LeftButton);
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_FALSE(blink->isActive());
    EXPECT_FALSE(prompt->font().italic());

    auto *menu = child<QMenu>(u"menu_curseur"_s);
    EXPECT_TRUE(menu->isVisible());
    QStringList captions;
    for (QAction *action : menu->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{u"Curseur par défaut"_s, u"Flèche"_s, u"Croix"_s, u"Curseur texte (I)"_s,
                                     u"Curseur de redimensionnement"_s, u"Flèche haut"_s, u"Sablier"_s, u"Interdit"_s,
                                     u"Personnalisé..."_s}));
    menuEntry(menu, {u"Croix"_s})->trigger();
    EXPECT_EQ(code()->script(), bannerBlock(u"Changer curseur (fenetre)"_s, u"Fenetre.MousePointer = 2"_s));

    code()->setScript(QString());
    prompter.expectInput({u"Numéro du bouton concerné :"_s, QString(), u"1"_s}, u"3"_s);
    assistant({u"Bouton"_s, u"Changer le curseur"_s});
    EXPECT_EQ(window.cursorTarget(), u"Bouton3"_s);
    prompter.expectInput({u"Chemin du fichier (ex: [LECT]:\\monrep\\fichier.ico) :"_s, u"Curseur"_s, QString()},
                         QString());
    menuEntry(menu, {u"Personnalisé..."_s})->trigger();
    EXPECT_EQ(code()->script(), QString());
    prompter.expectInput({u"Chemin du fichier (ex: [LECT]:\\monrep\\fichier.ico) :"_s, u"Curseur"_s, QString()},
                         u"c:\\a.ico"_s);
    menuEntry(menu, {u"Personnalisé..."_s})->trigger();
    EXPECT_EQ(project.settings().globalCode,
              bannerBlock(u"Changer curseur (bouton3)"_s,
                          u"Bouton3.MouseIcon = LoadPicture(\"c:\\a.ico\")"_s + NL + u"Bouton3.MousePointer = 99"_s));
}

TEST_F(ScriptEditorWindowTest, AssistantInsertsWithItsBannerAtTheCaret)
{
    window.openSlot(ScriptSlot::Minuteur, u"Code VBS du minuteur"_s);
    code()->setScript(u"Ligne1"_s + NL + u"Ligne2"_s);
    code()->setCaret(3);

    auto *button = child<QPushButton>(u"assistant"_s);
    QTest::mouseClick(button, Qt::LeftButton);
    auto *menu = child<QMenu>(u"assistant_vbs"_s);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->title(), u"Assistant VBS"_s);
    menu->hide();

    assistant({u"Menu/Fenêtre"_s, u"Maximiser"_s});
    const QString block = bannerBlock(u"Maximiser"_s, u"Fenetre.WindowState = 2"_s);
    EXPECT_EQ(project.settings().timerCode, u"Lig"_s + block + u"ne1"_s + NL + u"Ligne2"_s);
    EXPECT_EQ(code()->caret(), 3 + block.size());

    // A selection is replaced by the block.
    code()->setScript(u"abcdef"_s);
    QTextCursor cursor = code()->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    code()->setTextCursor(cursor);
    prompter.expectInput({u"Nom du sous menu (ex : SousMenu1, ...) :"_s, u"Sous menu"_s, QString()}, u"Menu2"_s);
    assistant({u"Lancer un sous menu"_s});
    EXPECT_EQ(project.settings().timerCode,
              u"a"_s +
                  bannerBlock(u"Lancer un sous menu"_s, u"Set exe_f = CreateObject(\"WScript.Shell\")"_s + NL +
                                                            u"exe_f.Run(\"[CHEMIN]Menu2.exe\")"_s) +
                  u"ef"_s);

    code()->setScript(u"x"_s);
    prompter.expectInput({u"Nom du sous menu (ex : SousMenu1, ...) :"_s, u"Sous menu"_s, QString()}, QString());
    assistant({u"Lancer un sous menu"_s});
    assistant({u"Annuler"_s});
    EXPECT_EQ(project.settings().timerCode, u"x"_s);
}

TEST_F(ScriptEditorWindowTest, EnterSchedulesOneFormatterPass)
{
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    code()->setScript(QString());
    QTimer *format = timer(u"minuteur_format"_s);
    EXPECT_EQ(format->interval(), 10);
    EXPECT_TRUE(format->isSingleShot());

    QTest::keyClicks(code(), u"  a=b+1"_s);
    EXPECT_FALSE(format->isActive());
    QTest::keyClick(code(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_FALSE(format->isActive());
    QTest::keyClick(code(), Qt::Key_Return);
    EXPECT_TRUE(format->isActive());
    waitUntilIdle(format);
    EXPECT_EQ(project.settings().globalCode, u"a = b + 1"_s + NL + NL);
    EXPECT_EQ(code()->caret(), 13);

    child<QCheckBox>(u"mise_en_forme"_s)->setChecked(false);
    QTest::keyClicks(code(), u"c=d"_s);
    QTest::keyClick(code(), Qt::Key_Return);
    waitUntilIdle(format);
    EXPECT_EQ(project.settings().globalCode, u"a = b + 1"_s + NL + NL + u"c=d"_s + NL);
}

TEST_F(ScriptEditorWindowTest, ProcedureComboFollowsChangesAndMovesTheCaret)
{
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    const QString script = u"Dim a"_s + NL + u"Public Sub Alpha()"_s + NL + u"End Sub"_s + NL +
                           u"Private Function Beta(x)"_s + NL + u"End Function"_s;
    code()->setScript(script);
    QTimer *refresh = timer(u"minuteur_procedures"_s);
    EXPECT_TRUE(refresh->isActive());
    auto *combo = child<QComboBox>(u"procedures"_s);
    waitUntilIdle(refresh);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), u"Alpha()"_s);
    EXPECT_EQ(combo->itemText(2), u"Beta(x)"_s);
    EXPECT_EQ(combo->currentText(), u"Procédures"_s);

    code()->setCaret(0);
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(code()->caret(), script.indexOf(u"Private Function"_s));
    EXPECT_EQ(combo->currentIndex(), 0);
}

TEST_F(ScriptEditorWindowTest, ControlsFollowTheWindowSize)
{
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    window.resize(600, 400);
    EXPECT_EQ(child<QPushButton>(u"tester"_s)->geometry(), QRect(0, 8, 73, 25));
    EXPECT_EQ(child<QPushButton>(u"assistant"_s)->pos(), QPoint(80, 8));
    EXPECT_EQ(child<QPushButton>(u"nouvelle_procedure_bouton"_s)->pos(), QPoint(200, 8));
    EXPECT_EQ(child<QCheckBox>(u"mise_en_forme"_s)->pos(), QPoint(328, 8));
    EXPECT_EQ(child<QWidget>(u"bandeau"_s)->geometry(), QRect(0, 40, 600, 25));
    EXPECT_EQ(child<QComboBox>(u"procedures"_s)->geometry(), QRect(600 - 200 - 10, 0, 200, 25));
    EXPECT_EQ(code()->geometry(), QRect(0, 64, 600, 336));

    window.resize(40, 30);
    EXPECT_EQ(code()->height(), 0);
}

TEST_F(ScriptEditorWindowTest, WaitPanelAndCodeBoxLook)
{
    auto *wait = child<QLabel>(u"patienter"_s);
    EXPECT_EQ(wait->text(), u"Veuillez patienter..."_s);
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    EXPECT_FALSE(wait->isVisible());
    window.setWaitPanelVisible(true);
    EXPECT_TRUE(wait->isVisible());
    window.setWaitPanelVisible(false);
    EXPECT_FALSE(wait->isVisible());

    EXPECT_EQ(code()->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(code()->font().family(), u"Courier New"_s);
    EXPECT_EQ(code()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_GT(code()->marginWidth(), 0);

    code()->setScript(u"Dim x ' note"_s);
    const QList<QTextLayout::FormatRange> formats = code()->document()->firstBlock().layout()->formats();
    ASSERT_EQ(formats.size(), 2);
    EXPECT_EQ(formats[0].start, 0);
    EXPECT_EQ(formats[0].length, 3);
    EXPECT_TRUE(formats[1].format.fontItalic());
    EXPECT_EQ(project.settings().globalCode, u"Dim x ' note"_s);
}

} // namespace

TEST_F(ScriptEditorWindowTest, TypingIsOneStepAndUndoShowsTheOldScript)
{
    window.openSlot(ScriptSlot::Global, u"Code VBS global"_s);
    const QString opened = project.settings().globalCode;
    code()->setFocus();
    code()->moveCursor(QTextCursor::End);
    QTest::keyClicks(code(), u"Dim a"_s);
    EXPECT_EQ(project.settings().globalCode, opened + u"Dim a"_s);

    document.undoStack().undo();
    EXPECT_EQ(project.settings().globalCode, opened) << "the whole burst goes at once";
    EXPECT_EQ(code()->script(), opened);
    document.undoStack().redo();
    EXPECT_EQ(code()->script(), opened + u"Dim a"_s);
    EXPECT_EQ(project.settings().globalCode, opened + u"Dim a"_s);
}
