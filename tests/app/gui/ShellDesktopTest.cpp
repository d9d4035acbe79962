#include "ShellFixture.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "designer/MousePositionWindow.h"
#include "designer/ObjectsPalette.h"
#include "designer/ParametersPanel.h"
#include "designer/Worksheet.h"
#include "document/DesignerDocument.h"
#include "project/MenuProject.h"
#include "prompt/gui/QtDialogLanguage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What a user of any desktop program expects of the designer's windows: titles that
// say which file is open and whether it changed, the usual keys, Qt's own texts in
// the designer's language.

TEST_F(ShellFixture, TheMainWindowsTitleNamesTheProjectAndMarksUnsavedChanges)
{
    ASSERT_TRUE(start());
    MainWindow *main = session().mainWindow();
    const QString caption = u"ZEP v2.0 - créateur de menus"_s;
    EXPECT_EQ(main->windowTitle(), caption);

    session().document().addText();
    EXPECT_EQ(main->windowTitle(), caption + u" *"_s);

    const QString target = m_user.filePath(u"Mon CD.zep"_s);
    m_prompter.expectSaveFile({u"Enregistrer &Sous"_s, u"Fichier ZEP v1.1 (*.zep) | *.zep"_s, QString()}, target);
    main->menus().saveAs->trigger();
    EXPECT_EQ(main->windowTitle(), caption + u" — Mon CD.zep"_s);

    session().document().setSetting(&ProjectSettings::contours, 0);
    EXPECT_EQ(main->windowTitle(), caption + u" — Mon CD.zep *"_s);
    session().document().undoStack().undo();
    EXPECT_EQ(main->windowTitle(), caption + u" — Mon CD.zep"_s) << "back to the saved state";
}

TEST_F(ShellFixture, F5TestsFromEveryDesignerWindowAndTheFileKeysAreShownInTheMenu)
{
    ASSERT_TRUE(start());
    DesignerSession &s = session();
    // The entry counts its triggers instead of starting the player.
    QObject::disconnect(s.mainWindow()->menus().test, &QAction::triggered, &s, nullptr);
    QSignalSpy tests(s.mainWindow()->menus().test, &QAction::triggered);
    for (QWidget *window : std::initializer_list<QWidget *>{s.mainWindow(), s.palette(), s.worksheet(),
                                                            s.parametersPanel(), s.mousePosition()}) {
        const qsizetype before = tests.count();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
        QTest::keyClick(window, Qt::Key_F5);
        EXPECT_EQ(tests.count(), before + 1) << window->objectName().toStdString();
    }

    const MainMenus &menus = s.mainWindow()->menus();
    const QList<std::pair<QAction *, QString>> keys{{menus.newBlank, u"Ctrl+N"_s},   {menus.open, u"Ctrl+O"_s},
                                                    {menus.save, u"Ctrl+S"_s},       {menus.saveAs, u"Ctrl+Maj+S"_s},
                                                    {menus.printPaper, u"Ctrl+P"_s}, {menus.test, u"F5"_s}};
    for (const auto &[action, key] : keys)
        EXPECT_EQ(action->shortcut().toString(QKeySequence::NativeText), key) << action->objectName().toStdString();

    // Ctrl+S from the worksheet saves, as the menu entry does.
    const QString target = m_user.filePath(u"clavier.zep"_s);
    m_prompter.expectSaveFile({u"Enregistrer &Sous"_s, u"Fichier ZEP v1.1 (*.zep) | *.zep"_s, QString()}, target);
    s.worksheet()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.worksheet()));
    QTest::keyClick(s.worksheet(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(s.project().path(), target);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShellFixture, QtsOwnButtonsAndDialogsSpeakFrench)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Oui"_s);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Annuler"_s);
    EXPECT_EQ(QCoreApplication::translate("QColorDialog", "Select Color"), u"Sélectionner une couleur"_s);
}

TEST(QtDialogLanguage, TranslationsComeFromTheFirstFolderHoldingThem)
{
    QTemporaryDir empty, runtime;
    const QStringList system = qtdialoglanguage::folders(runtime.path());
    ASSERT_EQ(system.size(), 2);
    EXPECT_EQ(system[1], runtime.filePath(u"linux-runtime/lib/translations"_s)) << "beside the program";
    QDir().mkpath(system[1]);
    ASSERT_TRUE(QFile::copy(system[0] + u"/qtbase_fr.qm"_s, system[1] + u"/qtbase_fr.qm"_s));

    QObject owner;
    EXPECT_FALSE(qtdialoglanguage::install(u"fr"_s, {empty.path()}, &owner));
    EXPECT_TRUE(qtdialoglanguage::install(u"en"_s, {empty.path()}, &owner)) << "Qt's own language";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_s);
    EXPECT_TRUE(qtdialoglanguage::install(u"fr"_s, {empty.path(), system[1]}, &owner));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Annuler"_s);
}
