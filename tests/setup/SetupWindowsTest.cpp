#include "setup/SetupFixture.h"

#include "setup/gui/BackdropWindow.h"
#include "setup/gui/InstallWizard.h"
#include "setup/gui/ProgressBox.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class WizardFixture : public SetupFixture
{
protected:
    WizardFixture() { m_wizard.show(); }

    void expectQuestion(const QString &text, const QString &title, Answer answer)
    {
        m_prompter.expectMessage(text, title, MessageIcon::Question, MessageButtons::YesNo, answer);
    }
    void expectEnd(Answer startDesigner)
    {
        expectQuestion(u"Installation terminée avec succès !\r\n\r\nVoulez-vous démarrer ZEP tout de suite ?"_s,
                       u"Installation terminée !"_s, startDesigner);
    }

    ScriptedPrompter m_prompter;
    QStringList m_started;
    InstallWizard m_wizard{m_places, m_prompter,
                           [this](const QString &program, const QString &folder) { m_started << program << folder; }};
    QSignalSpy m_ended{&m_wizard, &InstallWizard::ended};
};

TEST_F(WizardFixture, TheWizardOpensOnAFolderInTheHomeWithItsTexts)
{
    EXPECT_EQ(m_wizard.objectName(), u"Form1"_s);
    EXPECT_EQ(m_wizard.windowTitle(), u"Installation de ZEP..."_s);
    EXPECT_EQ(m_wizard.destinationBox()->text(), QDir::homePath() + u"/ZEP/"_s);
    EXPECT_EQ(m_wizard.firstStatus(), u"Statut"_s);
    EXPECT_FALSE(m_wizard.progressPanel()->isVisible());
}

TEST_F(WizardFixture, ARelativeFolderIsRefusedAndTheWizardStays)
{
    m_wizard.destinationBox()->setText(u"ZEP"_s);
    m_prompter.expectMessage(u"Répertoire incorrect !"_s, u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok,
                             Answer::Ok);
    QTest::mouseClick(m_wizard.continueButton(), Qt::LeftButton);
    EXPECT_EQ(m_wizard.destinationBox()->text(), u"ZEP/"_s);
    EXPECT_TRUE(m_wizard.continueButton()->isEnabled());
    EXPECT_FALSE(m_wizard.progressPanel()->isVisible());
    EXPECT_TRUE(m_ended.isEmpty());
    EXPECT_FALSE(exists(u"ZEP"_s));
}

TEST_F(WizardFixture, AFolderOfTheUserOrThePackageItselfIsRefusedAndLeftAsItWas)
{
    write(u"documents/letter.odt"_s, "mine");
    m_wizard.destinationBox()->setText(path(u"documents"_s));
    m_prompter.expectMessage(u"Le répertoire "_s + path(u"documents/"_s) +
                                 u" n'est pas vide et ne contient pas d'installation de ZEP !\r\n"_s +
                                 u"Choisissez un répertoire vide ou un nouveau répertoire."_s,
                             u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    QTest::mouseClick(m_wizard.continueButton(), Qt::LeftButton);
    EXPECT_EQ(QDir(path(u"documents"_s)).entryList(QDir::Files), QStringList{u"letter.odt"_s});

    m_wizard.destinationBox()->setText(m_places.sourceFolder);
    m_prompter.expectMessage(u"ZEP ne peut pas être installé dans le répertoire du programme d'installation !\r\n"
                             u"Choisissez un autre répertoire."_s,
                             u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    QTest::mouseClick(m_wizard.continueButton(), Qt::LeftButton);
    EXPECT_EQ(read(u"package/zep"_s), "designer");
    EXPECT_FALSE(exists(u"package/desinstall.zdu"_s));

    EXPECT_TRUE(m_wizard.continueButton()->isEnabled());
    EXPECT_FALSE(m_wizard.progressPanel()->isVisible());
    EXPECT_TRUE(m_ended.isEmpty());
}

TEST_F(WizardFixture, AFolderTwoLevelsDownIsCreatedFilledAndTheDesignerStarted)
{
    m_wizard.destinationBox()->setText(path(u"a/b"_s));
    expectEnd(Answer::Yes);
    QTest::mouseClick(m_wizard.continueButton(), Qt::LeftButton);

    EXPECT_EQ(m_wizard.destinationBox()->text(), path(u"a/b/"_s));
    EXPECT_EQ(read(u"a/b/zep"_s), "designer");
    EXPECT_EQ(m_wizard.firstStatus(), u"Installation terminée !"_s);
    EXPECT_EQ(m_wizard.secondStatus(), QString());
    EXPECT_EQ(m_wizard.progressBox()->filledWidth(), m_wizard.progressBox()->insideWidth());
    EXPECT_FALSE(m_wizard.continueButton()->isEnabled());
    EXPECT_EQ(m_started, (QStringList{path(u"a/b/zep"_s), path(u"a/b/"_s)}));
    ASSERT_EQ(m_ended.size(), 1);
    EXPECT_EQ(m_ended.front().front().toInt(), 0);
}

TEST_F(WizardFixture, ARunningDesignerEndsTheInstallerWithTheErrorAndCopiesNothing)
{
    write(u"dest/desinstall.zdu"_s, "");
    ASSERT_TRUE(QFile::copy(u"/bin/sleep"_s, path(u"dest/zep"_s)));
    QProcess designer;
    designer.start(path(u"dest/zep"_s), {u"30"_s});
    ASSERT_TRUE(designer.waitForStarted());

    m_wizard.destinationBox()->setText(path(u"dest/"_s));
    m_prompter.expectMessage(u"Permission refusée : "_s + path(u"dest/zep"_s) +
                                 u"\r\nVérifez que ZEP soit fermé et redémarrez l'installation !"_s,
                             u"Erreur n°70"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    QTest::mouseClick(m_wizard.continueButton(), Qt::LeftButton);
    designer.kill();
    designer.waitForFinished();

    EXPECT_FALSE(exists(u"dest/compil.exe"_s));
    ASSERT_EQ(m_ended.size(), 1);
    EXPECT_EQ(m_ended.front().front().toInt(), 1);
}

TEST_F(WizardFixture, BrowsingReplacesTheFolderAndCancellingAsksFirst)
{
    const FolderRequest chooser{
        u"Veuillez choisir un dossier dans la liste puis cliquer sur 'OK' pour retourner à l'installation de ZEP :"_s};
    m_prompter.expectFolder(chooser, u"/opt/zep"_s + QChar(0) + u"garbage"_s);
    m_prompter.expectFolder(chooser, QString());
    QTest::mouseClick(m_wizard.browseButton(), Qt::LeftButton);
    QTest::mouseClick(m_wizard.browseButton(), Qt::LeftButton);
    EXPECT_EQ(m_wizard.destinationBox()->text(), u"/opt/zep"_s);

    expectQuestion(u"Quitter l'installation ?"_s, u"Installation..."_s, Answer::No);
    QTest::mouseClick(m_wizard.cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(m_ended.isEmpty());
    expectQuestion(u"Quitter l'installation ?"_s, u"Installation..."_s, Answer::No);
    EXPECT_FALSE(m_wizard.close());
    expectQuestion(u"Quitter l'installation ?"_s, u"Installation..."_s, Answer::Yes);
    EXPECT_TRUE(m_wizard.close());
    EXPECT_EQ(m_ended.size(), 1);
}

TEST(SetupBackdrop, FadesFromBlueToGreenAndRefusesToCloseWhileInstalling)
{
    EXPECT_EQ(BackdropWindow::lineColour(0, 600), QColor(0, 0, 255));
    EXPECT_EQ(BackdropWindow::lineColour(300, 600), QColor(0, 127, 128));
    EXPECT_EQ(BackdropWindow::lineColour(599, 600), QColor(0, 254, 1));

    BackdropWindow install(BackdropWindow::Mode::Install);
    EXPECT_EQ(install.objectName(), u"Form2"_s);
    EXPECT_EQ(install.windowTitle(), u"Installation"_s);
    EXPECT_EQ(install.label(), u"Installation de ZEP..."_s);
    EXPECT_FALSE(install.timer()->isActive());
    install.show();
    EXPECT_FALSE(install.close());

    BackdropWindow uninstall(BackdropWindow::Mode::Uninstall);
    EXPECT_EQ(uninstall.label(), u"Désinstallation de ZEP..."_s);
    EXPECT_TRUE(uninstall.timer()->isActive());
    EXPECT_EQ(uninstall.timer()->interval(), 1000);
    QSignalSpy closed(&uninstall, &BackdropWindow::closed);
    uninstall.show();
    EXPECT_TRUE(uninstall.close());
    EXPECT_EQ(closed.size(), 1);
}
