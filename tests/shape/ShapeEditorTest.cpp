#include "shape/gui/ShapeEditor.h"
#include "common/Phrases.h"
#include "project/MenuProject.h"
#include "shape/ShapeFile.h"
#include "shape/gui/ShapeToolbar.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"Editeur de forme"_s;
const QPoint A(20, 30);
const QPoint B(300, 40);
const QPoint C(150, 250);

// A pointer move with no button held; QTest would only move the cursor.
void hover(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

ShapePoint twips(QPoint pixels)
{
    return ShapePoint{pixels.x() * 15, pixels.y() * 15};
}

class ShapeEditorTest : public ::testing::Test
{
protected:
    ShapeEditorTest()
    {
        for (QWidget *w : {&m_palette, &m_main, &m_panel, &m_mousePosition, &m_worksheet})
            w->resize(200, 100);
        m_worksheet.resize(400, 300);
        m_palette.move(10, 20);
        m_worksheet.move(250, 40);
        for (QWidget *w : {&m_palette, &m_main, &m_panel, &m_worksheet})
            w->show();
        m_background = QPixmap(400, 300);
        m_background.fill(Qt::white);
        m_project.setShapeVertices({{0, 0}, {3000, 0}, {0, 3000}, {0, 0}});
        m_editor = std::make_unique<ShapeEditor>(host(), m_prompter);
    }

    ShapeEditor::Host host()
    {
        ShapeEditor::Host h;
        h.palette = &m_palette;
        h.worksheet = &m_worksheet;
        h.designerWindows = {&m_palette, &m_main, &m_panel, &m_mousePosition};
        h.look = [this] {
            return ShapeSurface::Look{m_worksheet.size(), QColor(Qt::yellow),       m_background,
                                      TwipsPerPixel{},    m_project.shape().mid(1), m_items};
        };
        h.setShape = [this](const QList<ShapePoint> &shape) { m_project.setShapeVertices(shape); };
        h.transparencyImageSet = [this] { return m_transparency; };
        return h;
    }

    ShapeSurface *surface() const { return m_editor->surface(); }
    QPushButton *command(const QString &caption) const { return m_editor->toolbar()->command(caption); }
    void click(const QString &caption) { QTest::mouseClick(command(caption), Qt::LeftButton); }
    void leftClick(QPoint at)
    {
        hover(surface(), at);
        QTest::mouseClick(surface(), Qt::LeftButton, {}, at);
    }
    void rightClick(QPoint at) { QTest::mouseClick(surface(), Qt::RightButton, {}, at); }
    QList<ShapePoint> shape() const { return m_project.shape().mid(1); }
    void expectWarning(const QString &text)
    {
        m_prompter.expectMessage(text, kTitle, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
    }
    void expectQuestion(const QString &text, Answer answer)
    {
        m_prompter.expectMessage(text, kTitle, MessageIcon::Question, MessageButtons::YesNo, answer);
    }
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(u"forme.zfm"_s);
        testfiles::writeBytes(path, bytes);
        return path;
    }
    // expectAnswer queues what the load shows after its dialog.
    void load(const QString &path, const std::function<void()> &expectAnswer = {})
    {
        m_prompter.expectOpenFile(FileRequest{u"Charger une forme..."_s, QString(), QString()}, path);
        if (expectAnswer)
            expectAnswer();
        click(u"Charger"_s);
    }

    QWidget m_palette, m_main, m_panel, m_mousePosition, m_worksheet;
    QPixmap m_background;
    QPixmap m_items;
    bool m_transparency = false;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    QTemporaryDir m_dir;
    std::unique_ptr<ShapeEditor> m_editor;
};

TEST_F(ShapeEditorTest, TheEditorTakesTheDesignersPlaceAndGivesItBack)
{
    m_editor->open();
    ASSERT_TRUE(m_editor->isOpen());
    for (QWidget *w : {&m_palette, &m_main, &m_panel, &m_mousePosition})
        EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(m_worksheet.isMinimized());

    EXPECT_EQ(surface()->objectName(), u"Form16"_s);
    EXPECT_TRUE(surface()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(surface()->pos(), m_worksheet.mapToGlobal(QPoint(0, 0)));
    EXPECT_EQ(surface()->size(), QSize(400, 300));
    EXPECT_EQ(surface()->hint()->text(), u"Bouton droit pour fermer le polygone"_s);
    EXPECT_EQ(surface()->drawing().existingLines().size(), 3);
    EXPECT_EQ(m_editor->toolbar()->objectName(), u"Form17"_s);
    EXPECT_EQ(m_editor->toolbar()->windowTitle(), u"Forme"_s);
    EXPECT_EQ(m_editor->toolbar()->pos(), m_palette.pos());
    EXPECT_FALSE(command(u"Aperçu"_s)->isEnabled());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(surface()->hint(), &enter);
    EXPECT_FALSE(surface()->hint()->isVisible());

    m_editor->toolbar()->close();
    EXPECT_FALSE(m_editor->isOpen());
    for (QWidget *w : {&m_palette, &m_main, &m_panel})
        EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(m_mousePosition.isVisible()) << "a window hidden before stays hidden";
    EXPECT_FALSE(m_worksheet.isMinimized());
    EXPECT_EQ(shape().size(), 4);
}

TEST_F(ShapeEditorTest, TheSurfaceShowsTheMenusItemsOverTheBackground)
{
    m_items = QPixmap(400, 300);
    m_items.fill(Qt::transparent);
    {
        QPainter painter(&m_items);
        painter.fillRect(QRect(200, 150, 40, 20), Qt::red);
    }
    m_editor->open();
    const QImage shown = surface()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(210, 160), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(150, 250), QColor(Qt::white)) << "the background shows around the items";
    EXPECT_EQ(surface()->shownBackground().pixelColor(210, 160), QColor(Qt::white)) << "tracing sees no item";
}

TEST_F(ShapeEditorTest, ATriangleDrawnWithTheMouseIsStoredAsABCA)
{
    m_editor->open();
    leftClick(A);
    hover(surface(), QPoint(100, 100));
    EXPECT_EQ(surface()->drawing().rubberBand(), QLine(QPoint(300, 450), QPoint(1500, 1500)));
    leftClick(B);
    leftClick(C);
    EXPECT_FALSE(command(u"Aperçu"_s)->isEnabled());
    rightClick(QPoint(5, 5));
    EXPECT_TRUE(command(u"Aperçu"_s)->isEnabled());
    leftClick(QPoint(60, 60));
    EXPECT_EQ(surface()->drawing().points().size(), 4) << "a closed polygon takes no more vertices";

    click(u"Valider"_s);
    EXPECT_EQ(shape(), (QList<ShapePoint>{twips(A), twips(B), twips(C), twips(A)}));
    EXPECT_FALSE(m_editor->isOpen());
}

TEST_F(ShapeEditorTest, ARightClickAfterOneLeftClickGivesTwoEqualVertices)
{
    m_editor->open();
    rightClick(A);
    EXPECT_FALSE(surface()->drawing().isClosed()) << "a right click before any vertex does nothing";
    leftClick(B);
    rightClick(C);
    click(u"Valider"_s);
    EXPECT_EQ(shape(), (QList<ShapePoint>{twips(B), twips(B)}));
}

TEST_F(ShapeEditorTest, ValiderWithNothingDrawnKeepsTheShape)
{
    const QList<ShapePoint> before = shape();
    m_editor->open();
    click(u"Valider"_s);
    EXPECT_EQ(shape(), before);
    EXPECT_FALSE(m_editor->isOpen());
}

TEST_F(ShapeEditorTest, CommandsWaitForTheOpenPolygonToBeClosed)
{
    m_editor->open();
    leftClick(A);
    leftClick(B);
    expectWarning(u"Veuillez terminer la forme en cours avant de Valider (clique droit) !"_s);
    click(u"Valider"_s);
    expectWarning(u"Veuillez terminer la forme en cours avant de Charger(clique droit) !"_s);
    click(u"Charger"_s);
    expectWarning(u"Veuillez terminer la forme en cours avant de la Sauver (clique droit) !"_s);
    click(u"Sauver"_s);
    expectWarning(u"Veuillez terminer la forme en cours avant de Tracer depuis l'image (clique droit) !"_s);
    click(u"Tracer depuis l'image"_s);
    EXPECT_TRUE(m_editor->isOpen());
    EXPECT_EQ(surface()->drawing().points().size(), 2);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShapeEditorTest, SavingWithNothingDrawnWritesTheProjectsShape)
{
    const QString folder = QDir::currentPath();
    m_editor->open();
    const QString path = m_dir.filePath(u"projet.zfm"_s);
    const FileRequest request{u"Enregistrer la forme sous..."_s, u"Fichier Forme ZEP *.zfm | *.zfm"_s, QString()};
    m_prompter.expectSaveFile(request, QString());
    click(u"Sauver"_s);
    EXPECT_FALSE(QFile::exists(path)) << "a cancelled dialog writes nothing";

    m_prompter.expectSaveFile(request, path);
    click(u"Sauver"_s);
    EXPECT_EQ(testfiles::readBytes(path), shapefile::toBytes(shape()));
    EXPECT_EQ(QDir::currentPath(), folder);

    m_editor->close();
    m_project.setShapeVertices({});
    m_editor->open();
    const QString empty = m_dir.filePath(u"vide.zfm"_s);
    m_prompter.expectSaveFile(request, empty);
    click(u"Sauver"_s);
    EXPECT_TRUE(QFile::exists(empty));
    EXPECT_TRUE(testfiles::readBytes(empty).isEmpty());

    m_prompter.expectSaveFile(request, m_dir.filePath(u"absent/forme.zfm"_s));
    m_prompter.expectMessage(u"Erreur : Chemin introuvable"_s, u"Erreur n°76"_s, MessageIcon::Critical,
                             MessageButtons::Ok, Answer::Ok);
    click(u"Sauver"_s);

    leftClick(A);
    rightClick(A);
    m_prompter.expectSaveFile(request, empty);
    click(u"Sauver"_s);
    EXPECT_EQ(testfiles::readBytes(empty), shapefile::toBytes({twips(A), twips(A)}));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShapeEditorTest, LoadingReadsAfterEachLinesFirstTwoCharacters)
{
    m_editor->open();
    load(write("[FormeMenu]\r\nab300\r\ncd450\r\nX=4500\r\nzz600\r\n--1500\r\n..3750\r\n[/FormeMenu]\r\n"));
    const ShapeDrawing &drawing = surface()->drawing();
    EXPECT_EQ(drawing.points(), (QList<ShapePoint>{{300, 450}, {4500, 600}, {1500, 3750}}));
    EXPECT_EQ(drawing.edges().size(), 2) << "no closing edge is added";
    EXPECT_EQ(drawing.existingLines().size(), 3);
    EXPECT_TRUE(drawing.isClosed());
    EXPECT_TRUE(command(u"Aperçu"_s)->isEnabled());

    leftClick(A);
    EXPECT_EQ(drawing.points().size(), 3);
    click(u"Valider"_s);
    EXPECT_EQ(shape(), (QList<ShapePoint>{{300, 450}, {4500, 600}, {1500, 3750}}));
}

TEST_F(ShapeEditorTest, AFailedLoadShowsItsErrorAndKeepsTheDrawing)
{
    m_editor->open();
    leftClick(A);
    rightClick(A);
    const auto expectError = [this](const QString &text, int number) {
        m_prompter.expectMessage(text, u"Erreur n°"_s + QString::number(number), MessageIcon::Critical,
                                 MessageButtons::Ok, Answer::Ok);
    };
    load(QString());
    load(m_dir.filePath(u"absent.zfm"_s), [&] { expectError(u"Erreur : Fichier introuvable !"_s, 999); });
    load(write(QByteArray()), [&] { expectError(u"Erreur : Fichier Invalide"_s, 999); });
    load(write("[FormeMenu]\r\nX=15\r\nY=30\r\nX=45\r\n"),
         [&] { expectError(u"Erreur : Lecture au-delà de la fin du fichier"_s, 62); });
    EXPECT_EQ(surface()->drawing().points(), (QList<ShapePoint>{twips(A), twips(A)}));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShapeEditorTest, APreviewShapesTheSurfaceOnWholePixels)
{
    m_editor->open();
    load(write("[FormeMenu]\r\nX=7\r\nY=8\r\nX=3007\r\nY=22\r\nX=1522\r\nY=2993\r\nX=7\r\nY=8\r\n[/FormeMenu]\r\n"));
    click(u"Aperçu"_s);
    EXPECT_FALSE(command(u"Aperçu"_s)->isEnabled());
    for (const ShapePoint &p : surface()->drawing().points()) {
        EXPECT_EQ(p.x % 15, 0);
        EXPECT_EQ(p.y % 15, 0);
    }
    EXPECT_EQ(surface()->drawing().points(), (QList<ShapePoint>{{0, 15}, {3000, 15}, {1515, 3000}, {0, 15}}));
    EXPECT_EQ(surface()->mask(),
              QRegion(QPolygon({QPoint(0, 1), QPoint(200, 1), QPoint(101, 200), QPoint(0, 1)}), Qt::WindingFill));
    EXPECT_TRUE(surface()->drawing().existingLines().isEmpty());

    const QPoint before = surface()->pos();
    QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseMove(surface(), QPoint(130, 90));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(130, 90));
    EXPECT_EQ(surface()->pos(), before + QPoint(30, 40));
    click(u"Valider"_s);
    EXPECT_EQ(shape(), (QList<ShapePoint>{{0, 15}, {3000, 15}, {1515, 3000}, {0, 15}}));
}

TEST_F(ShapeEditorTest, CommandsRenamedByALanguagePackStillWork)
{
    m_editor->open();
    for (QPushButton *button : m_editor->toolbar()->findChildren<QPushButton *>())
        button->setText(u"Translated "_s + button->text());
    load(write("[FormeMenu]\r\nX=0\r\nY=0\r\nX=3000\r\nY=0\r\nX=0\r\nY=3000\r\nX=0\r\nY=0\r\n[/FormeMenu]\r\n"));
    ASSERT_NE(command(u"Aperçu"_s), nullptr);
    click(u"Aperçu"_s);
    EXPECT_FALSE(surface()->mask().isEmpty());
}

TEST_F(ShapeEditorTest, QuestionsGuardTheWaysOut)
{
    const QList<ShapePoint> before = shape();
    m_editor->open();
    leftClick(A);
    expectQuestion(u"Abandonner la forme en cours ?"_s, Answer::No);
    click(u"Annuler"_s);
    expectQuestion(u"Abandonner la forme en cours ?"_s, Answer::No);
    click(u"Recommencer"_s);
    expectQuestion(u"Effacer la forme du menu en cours ?"_s, Answer::No);
    click(u"Pas de forme"_s);
    EXPECT_EQ(surface()->drawing().points().size(), 1);

    expectQuestion(u"Abandonner la forme en cours ?"_s, Answer::Yes);
    click(u"Recommencer"_s);
    ASSERT_TRUE(m_editor->isOpen());
    EXPECT_TRUE(surface()->drawing().points().isEmpty());
    EXPECT_FALSE(surface()->drawing().isDrawing());

    leftClick(B);
    expectQuestion(u"Abandonner la forme en cours ?"_s, Answer::Yes);
    click(u"Annuler"_s);
    EXPECT_FALSE(m_editor->isOpen());
    EXPECT_EQ(shape(), before);

    m_editor->open();
    expectQuestion(u"Effacer la forme du menu en cours ?"_s, Answer::Yes);
    click(u"Pas de forme"_s);
    EXPECT_FALSE(m_editor->isOpen());
    EXPECT_TRUE(shape().isEmpty());
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShapeEditorTest, UnderAPackRestartingIsTitledByThePalettesCommand)
{
    auto *command = new QPushButton(u"Shape"_s, &m_palette);
    command->setObjectName(u"forme_editeur"_s);
    Phrases::setPackActive(true);
    Phrases::list() = QStringList(130);
    Phrases::list()[3] = u"Abandon the current shape?"_s;
    Phrases::list()[120] = u"Shape editor"_s;
    m_editor->open();
    m_prompter.expectMessage(u"Abandon the current shape?"_s, u"Shape"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::No);
    click(u"Recommencer"_s);
    m_prompter.expectMessage(u"Abandon the current shape?"_s, u"Shape editor"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::Yes);
    click(u"Annuler"_s);
    Phrases::setPackActive(false);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShapeEditorTest, TracingProposesTheBackgroundsOutline)
{
    m_background = QPixmap();
    m_editor->open();
    expectWarning(u"Le menu n'a pas d'image de fond dont suivre le contour."_s);
    click(u"Tracer depuis l'image"_s);
    m_editor->close();

    m_background = QPixmap(200, 150);
    m_background.fill(Qt::white);
    m_editor->open();
    expectWarning(u"Toute l'image de fond a la couleur de l'extérieur : aucun contour à suivre."_s);
    click(u"Tracer depuis l'image"_s);
    m_editor->close();

    // With a transparency image white is outside, whatever colour the corner has.
    m_transparency = true;
    {
        QPainter painter(&m_background);
        painter.fillRect(QRect(0, 0, 5, 5), Qt::green);
        painter.fillRect(QRect(10, 20, 50, 30), Qt::blue);
    }
    m_editor->open();
    click(u"Tracer depuis l'image"_s);
    // The background is stretched twice over the 400 × 300 surface.
    EXPECT_EQ(surface()->drawing().points(), (QList<ShapePoint>{twips({20, 40}), twips({120, 40}), twips({120, 100}),
                                                                twips({20, 100}), twips({20, 40})}));
    EXPECT_TRUE(surface()->drawing().isClosed());
    EXPECT_TRUE(command(u"Aperçu"_s)->isEnabled());
    EXPECT_TRUE(m_prompter.allAnswered());
}

} // namespace
