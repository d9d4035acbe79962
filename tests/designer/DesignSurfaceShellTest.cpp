#include "app/gui/ShellFixture.h"

#include "app/DesignerSession.h"
#include "document/DesignerDocument.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "designer/MousePositionWindow.h"
#include "designer/ObjectsPalette.h"
#include "designer/ParametersPanel.h"
#include "designer/Worksheet.h"
#include "designer/worksheet/ButtonItem.h"
#include "designer/worksheet/TextItem.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "shape/gui/ShapeEditor.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QString example()
{
    return QDir(testfiles::dataPath(u"../../examples/demo"_s)).absoluteFilePath(u"demo.zep"_s);
}

void dropFiles(QWidget *target, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void expectAskToSave(ScriptedPrompter &prompter, Answer answer)
{
    prompter.expectMessage(u"Voulez-vous enregistrer le fichier en cours ?"_s, u"Enregistrement"_s,
                           MessageIcon::Question, MessageButtons::YesNoCancel, answer);
}

} // namespace

TEST_F(ShellFixture, OpeningTheExampleRebuildsTheWorksheet)
{
    ASSERT_TRUE(start());
    Worksheet *worksheet = session().worksheet();
    session().project().addText();
    ASSERT_TRUE(session().storage().open(example()));

    EXPECT_FALSE(worksheet->background().isNull());
    EXPECT_EQ(worksheet->windowTitle(), u"Feuille de travail - 12000x9000 - 800x600px"_s);
    for (int slot = 1; slot <= 4; ++slot) {
        ButtonItem *item = worksheet->buttonItem(slot);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->isVisibleTo(worksheet));
        EXPECT_FALSE(item->pixmap().isNull());
        EXPECT_EQ(item->size(), item->pixmap().size());
        EXPECT_EQ(item->pos(), QPoint(300, 180 + 80 * (slot - 1)));
    }
    EXPECT_EQ(worksheet->buttonItem(5), nullptr);
    ASSERT_NE(worksheet->textItem(2), nullptr);
    EXPECT_TRUE(worksheet->textItem(1)->toPlainText().startsWith(u"Bienvenue !"_s));
    EXPECT_EQ(worksheet->textItem(3), nullptr);

    // Hover images are found beside the project file.
    ButtonItem *video = worksheet->buttonItem(1);
    const QImage normal = video->pixmap().toImage();
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 10), video->mapToGlobal(QPointF(30, 10)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(video, &move);
    EXPECT_NE(video->pixmap().toImage(), normal);
    EXPECT_EQ(session().mousePosition()->texts(), (QStringList{u"X=4950"_s, u"Y=2850"_s, u"X=330px"_s, u"Y=190px"_s}));
}

TEST_F(ShellFixture, AMissingPictureIsStillAReadingError)
{
    ASSERT_TRUE(start());
    QTemporaryDir dir;
    QByteArray bytes = testfiles::readBytes(example());
    bytes.replace("fond.jpg", "absent.jpg");
    const QDir demo(testfiles::dataPath(u"../../examples/demo"_s));
    for (const QString &name : demo.entryList(QDir::Files))
        QFile::copy(demo.filePath(name), dir.filePath(name));
    const QString path = dir.filePath(u"demo.zep"_s);
    QFile::remove(path);
    testfiles::writeBytes(path, bytes);
    m_prompter.expectMessage(u"Erreur : Fichier introuvable\r\nNuméro d'erreur : 53\r\nParagraphe : [Général]\r\n"
                             u"Ligne suivante : absent.jpg\r\n\r\nContinuer le chargement ?"_s,
                             u"Erreur d'ouverture !"_s, MessageIcon::Critical, MessageButtons::YesNo, Answer::Yes);
    EXPECT_TRUE(session().storage().open(path));
    EXPECT_TRUE(session().worksheet()->background().isNull());
    EXPECT_FALSE(session().worksheet()->buttonItem(1)->pixmap().isNull());
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShellFixture, FilesDroppedOnTheWorksheetOpenTheLastOne)
{
    ASSERT_TRUE(start());
    MenuProject &project = session().project();
    session().document().addButton(ButtonKind::Code); // an edit, so there is something to save

    expectAskToSave(m_prompter, Answer::Cancel);
    dropFiles(session().worksheet(), {u"/nowhere/first.zep"_s, example()});
    EXPECT_EQ(project.buttonSlotsInUse(), 2);
    EXPECT_TRUE(project.path().isEmpty());

    expectAskToSave(m_prompter, Answer::No);
    dropFiles(session().worksheet(), {u"/nowhere/first.zep"_s, example()});
    EXPECT_EQ(project.path(), example());
    EXPECT_EQ(project.buttonSlotsInUse(), 5);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShellFixture, WorksheetKeysAndPaletteReachTheSessionHooks)
{
    ASSERT_TRUE(start());
    QAction *test = session().mainWindow()->menus().test;
    // The entry counts its triggers instead of starting the player.
    QObject::disconnect(test, &QAction::triggered, &session(), nullptr);
    QSignalSpy tests(test, &QAction::triggered);
    QTest::keyClick(session().worksheet(), Qt::Key_F5);
    EXPECT_EQ(tests.count(), 1);
    emit session().palette()->shapeEditorRequested();
    EXPECT_TRUE(session().shapeEditor().isOpen());
    session().shapeEditor().close();

    // F1 opens the manual as the main window's help entry does: with no manual folder
    // known yet, it asks for it.
    m_prompter.expectFolder(
        {u"Veuillez choisir le dossier dans lequel vous avez installé le manuel de ZEP :"_s}, QString());
    QTest::keyClick(session().worksheet(), Qt::Key_F1);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShellFixture, ThePrecisePointerOptionGivesTheWorksheetACrossHair)
{
    ASSERT_TRUE(start());
    QAction *precise = session().mainWindow()->menus().precisePointer;
    ASSERT_FALSE(precise->isChecked());
    precise->trigger();
    EXPECT_EQ(session().worksheet()->cursor().shape(), Qt::CrossCursor);
    precise->trigger();
    EXPECT_EQ(session().worksheet()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ShellFixture, AQuickPreviewOfUnreadableImagesKeepsTheButtonAsItWas)
{
    ASSERT_TRUE(start());
    MenuProject &project = session().project();
    const QString folder = m_user.filePath(u"menu"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    project.setPath(folder + u"/menu.zep"_s);
    QImage green(40, 20, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(folder + u"/survol.bmp"_s, "BMP"));
    testfiles::writeBytes(folder + u"/abime.bmp"_s, "pas une image");

    const int slot = project.addButton(ButtonKind::Code);
    MenuButton b = project.button(slot);
    b.normalImage = u"abime.bmp"_s;
    b.hoverImage = u"survol.bmp"_s;
    b.clickImage = u"absente.bmp"_s;
    b.transparent = true;
    project.setButton(slot, b);
    session().document().selection().choose(ItemRef::project());
    session().document().selection().choose(ItemRef::button(slot));
    ButtonItem *item = session().worksheet()->buttonItem(slot);
    const QSize before = item->size();
    ASSERT_FALSE(before.isEmpty());

    session().parametersPanel()->findChild<QPushButton *>(u"ApercuRapide"_s)->click();
    EXPECT_EQ(item->size(), before) << "neither the hover picture nor an empty one";
    EXPECT_TRUE(item->isVisibleTo(session().worksheet()));

    // With a readable normal image, its composed picture is shown.
    b.normalImage = u"survol.bmp"_s;
    b.hoverImage = u"abime.bmp"_s;
    project.setButton(slot, b);
    session().parametersPanel()->findChild<QPushButton *>(u"ApercuRapide"_s)->click();
    EXPECT_EQ(item->size(), QSize(40, 20));
}
