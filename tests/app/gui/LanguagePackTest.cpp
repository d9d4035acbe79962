#include "ShellFixture.h"

#include "app/LanguageMenu.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "common/Phrases.h"
#include "designer/MousePositionWindow.h"
#include "designer/ObjectsPalette.h"
#include "designer/ParametersPanel.h"
#include "designer/Worksheet.h"
#include "script/gui/ScriptEditorWindow.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

class LanguagePackTest : public ShellFixture
{
protected:
    void writePack(const QString &language, const QString &file, const QByteArray &code)
    {
        testfiles::writeBytes(programFile(u"langues/"_s + language + u'/' + file), code);
    }
    void choose(const QString &language) { m_settings.setValue(u"General"_s, u"langue"_s, language); }

    QStringList languageEntries()
    {
        QStringList captions;
        for (QAction *a : session().mainWindow()->menus().language->actions())
            captions << a->text() + (a->isChecked() ? u" *"_s : QString());
        return captions;
    }
};

} // namespace

TEST_F(LanguagePackTest, PackRenamesMenuEntriesAndFillsThePhraseList)
{
    choose(u"Test"_s);
    writePack(u"Test"_s, u"Form1.lge"_s, "Form1.Caption = \"Objects \" & Liste.ListCount\r\n");
    writePack(u"Test"_s, u"Form2.lge"_s,
              "Form2.nouv_fich.Caption = \"&New\"\r\n"
              "ouvrir_fich.Caption = \"&Open\" ' controls by their own names too\r\n"
              "quitter_menu.ToolTipText = \"Bye\"\r\n"
              "If Form2.enreg_fich.Enabled Then Form2.enreg_fich.Caption = \"&Save\"\r\n");
    writePack(u"Test"_s, u"phrases.lge"_s,
              "Liste.AddItem \"Too many buttons\"\r\nListe.AddItem \"Maximum reached\"\r\n"
              "Liste.AddItem \"Type here \"\r\nListe.AddItem \"Drop the shape?\"\r\nListe.AddItem \"menu maker\"\r\n"
              "Liste.RemoveItem 3\r\nListe.AddItem \"menu maker\", 3\r\n");
    ASSERT_TRUE(start());
    MainMenus &menus = session().mainWindow()->menus();
    EXPECT_EQ(session().palette()->windowTitle(), u"Objects 0"_s) << "the palette comes before the phrases";
    EXPECT_EQ(menus.newMenu->title(), u"&New"_s);
    EXPECT_EQ(menus.open->text(), u"&Open"_s);
    EXPECT_EQ(menus.save->text(), u"&Save"_s);
    EXPECT_EQ(menus.quit->toolTip(), u"Bye"_s);
    EXPECT_EQ(menus.quit->text(), u"&Quitter"_s);
    EXPECT_EQ(session().mainWindow()->windowTitle(), u"ZEP v2.0 - menu maker"_s);
    EXPECT_EQ(Phrases::text(Phrase::ButtonLimitReached), u"Maximum reached"_s);
    EXPECT_EQ(Phrases::text(Phrase::SaveCurrentFile), QString()) << "a missing phrase is an empty text";
}

TEST_F(LanguagePackTest, FailingFilesLeaveTheirWindowAsFarAsTheyGot)
{
    choose(u"Test"_s);
    writePack(u"Test"_s, u"Form5.lge"_s,
              "Form5.Caption = \"VBS code\"\r\nForm5.nulle_part.Caption = \"x\"\r\nForm5.Caption = \"never\"\r\n");
    writePack(u"Test"_s, u"Form10.lge"_s, "Do\r\nForm10.Caption = \"loop\"\r\nLoop\r\n");
    writePack(u"Test"_s, u"Form3.lge"_s, "Sub Deeper(n)\r\nDeeper n + 1\r\nEnd Sub\r\nDeeper 0\r\n");
    writePack(u"Test"_s, u"Form13.lge"_s,
              "Set shell = CreateObject(\"WScript.Shell\")\r\nshell.Run \"touch /tmp/zep-pack\"\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(session().scriptEditor()->windowTitle(), u"VBS code"_s);
    EXPECT_EQ(session().parametersPanel()->windowTitle(), u"Paramètres"_s) << "no Form4.lge";
    EXPECT_EQ(session().mousePosition()->windowTitle(), u"loop"_s) << "stopped by the step budget";
    EXPECT_EQ(session().mainWindow()->windowTitle(), u"ZEP v2.0 - "_s) << "no phrases.lge: empty phrase 4";
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(LanguagePackTest, APackThatRunsOnOrGrowsIsStoppedWithANoticeAndTheStartGoesOn)
{
    choose(u"Test"_s);
    // Few steps, each over a long text: the step budget alone lets it run for minutes.
    writePack(u"Test"_s, u"Form1.lge"_s,
              "s = String(1000000, \"a\")\r\nDo\r\n  For i = 1 To Len(s) Step 1000: c = Mid(s, i, 500000): Next\r\n"
              "Loop\r\n");
    writePack(u"Test"_s, u"Form2.lge"_s, "Form2.nouv_fich.Caption = \"&New\"\r\n");
    writePack(u"Test"_s, u"phrases.lge"_s,
              "Liste.AddItem \"Too many buttons\"\r\ns = String(1000000, \"a\")\r\n"
              "For n = 1 To 250: Liste.AddItem s & n: Next\r\n");
    m_prompter.expectMessage({u"Le fichier de langue 'Form1.lge' a été arrêté : il a duré plus de 3 secondes. "
                              u"ZEP continue sans la suite de ce fichier."_s,
                              u"Langue/Language"_s, MessageIcon::Exclamation},
                             Answer::Ok);
    m_prompter.expectMessage({u"Le fichier de langue 'phrases.lge' a été arrêté : il a demandé plus de 256 Mo de "
                              u"mémoire. ZEP continue sans la suite de ce fichier."_s,
                              u"Langue/Language"_s, MessageIcon::Exclamation},
                             Answer::Ok);
    ASSERT_TRUE(start());
    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_EQ(session().mainWindow()->menus().newMenu->title(), u"&New"_s);
    EXPECT_TRUE(Phrases::list().isEmpty()) << "what the runaway file added does not stay";
}

TEST_F(LanguagePackTest, MenuListsThePacksAndStoresAChoiceForTheNextStart)
{
    choose(u"English"_s);
    writePack(u"English"_s, u"phrases.lge"_s, "For i = 0 To 43: Liste.AddItem \"p\" & i: Next\r\n");
    QDir().mkpath(programFile(u"langues/Deutsch"_s));
    ASSERT_TRUE(start());
    EXPECT_EQ(languageEntries(), (QStringList{u"Français"_s, u"Deutsch"_s, u"English *"_s}));

    QAction *french = session().mainWindow()->menus().language->actions().first();
    m_prompter.expectMessage({u"p43"_s, u"Langue/Language"_s, MessageIcon::Information}, Answer::Ok);
    french->trigger();
    EXPECT_EQ(m_settings.value(u"General"_s, u"langue"_s), QString());
    EXPECT_EQ(languageEntries(), (QStringList{u"Français"_s, u"Deutsch"_s, u"English *"_s}));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(LanguagePackTest, WithoutLanguesFolderOnlyFrenchAndNoPack)
{
    choose(u"English"_s);
    ASSERT_TRUE(start());
    EXPECT_EQ(languageEntries(), QStringList{u"Français *"_s});
    EXPECT_EQ(session().mainWindow()->windowTitle(), u"ZEP v2.0 - créateur de menus"_s);
    m_prompter.expectMessage(
        {u"Langue modifiée, veuillez redémarrer ZEP."_s, u"Langue/Language"_s, MessageIcon::Information}, Answer::Ok);
    session().mainWindow()->menus().language->actions().first()->trigger();
    EXPECT_EQ(m_settings.value(u"General"_s, u"langue"_s), QString());
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(LanguagePackTest, WindowsOpenedLaterAreTranslatedOnceBeforeTheyShow)
{
    choose(u"Test"_s);
    writePack(u"Test"_s, u"Form7.lge"_s, "Form7.Caption = Form7.Caption & \" (translated)\"\r\n");
    ASSERT_TRUE(start());
    QWidget about;
    about.setObjectName(u"Form7"_s);
    about.setWindowTitle(u"A propos de ZEP"_s);
    about.show();
    about.hide();
    about.show();
    EXPECT_EQ(about.windowTitle(), u"A propos de ZEP (translated)"_s);
}
