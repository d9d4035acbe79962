#include "build/gui/PrintPreview.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QImage menuPicture()
{
    QImage image(QSize(320, 240), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(QRect(40, 30, 100, 60), Qt::blue);
    return image;
}

class PrintPreviewTest : public ::testing::Test
{
protected:
    std::unique_ptr<PrintPreview> open(PrintPreview::Entry entry = PrintPreview::Entry::Bmp)
    {
        auto preview = std::make_unique<PrintPreview>(m_picture, entry, m_prompter, captureFile());
        preview->show();
        return preview;
    }

    QString captureFile() const { return m_dir.filePath(u"tmp_impression.bmp"_s); }

    template<typename T = QPushButton>
    static T *child(const PrintPreview &preview, const QString &name)
    {
        return preview.findChild<T *>(name);
    }

    QTemporaryDir m_dir;
    QImage m_picture = menuPicture();
    ScriptedPrompter m_prompter;
};

} // namespace

TEST_F(PrintPreviewTest, TheEntryDecidesTheFocusAndTheCaptureFileLivesAsLongAsTheWindow)
{
    const QString focused[] = {u"enregistrer"_s, u"presse_papier"_s, u"imprimer"_s};
    for (int entry = 0; entry < 3; ++entry) {
        const auto preview = open(PrintPreview::Entry(entry));
        EXPECT_EQ(preview->objectName(), u"Form18"_s);
        EXPECT_EQ(preview->windowTitle(), u"Imprimer..."_s);
        EXPECT_EQ(preview->focusWidget()->objectName(), focused[entry]);
        EXPECT_EQ(QImage(captureFile()).size(), m_picture.size());
        QTest::mouseClick(child(*preview, u"fermer"_s), Qt::LeftButton);
        EXPECT_FALSE(preview->isVisible());
        EXPECT_FALSE(QFile::exists(captureFile()));
    }
    const auto preview = open();
    QStringList texts;
    for (const QString &name : {u"imprimer"_s, u"zoom_plus"_s, u"zoom_moins"_s, u"fermer"_s, u"enregistrer"_s,
                                u"presse_papier"_s})
        texts << child(*preview, name)->text();
    EXPECT_EQ(texts, (QStringList{u"Imprimer"_s, u"Zoom +"_s, u"Zoom -"_s, u"Fermer"_s, u"Enregistrer"_s,
                                  u"Presse papier"_s}));
    EXPECT_EQ(child<QLabel>(*preview, u"apercu_titre"_s)->text(), u"Aperçu :"_s);
    preview->close();
    EXPECT_FALSE(QFile::exists(captureFile())) << "closed otherwise than by Fermer";
}

TEST_F(PrintPreviewTest, ZoomScrollAndLayout)
{
    const auto preview = open();
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(child(*preview, u"zoom_moins"_s), Qt::LeftButton);
    const QSize shown = child<QLabel>(*preview, u"image"_s)->size();
    EXPECT_NEAR(shown.width(), 320 * std::pow(0.95, 10), 1) << "about 60 %";
    EXPECT_NEAR(shown.height(), 240 * std::pow(0.95, 10), 1);
    QTest::mouseClick(child(*preview, u"zoom_plus"_s), Qt::LeftButton);
    EXPECT_NEAR(child<QLabel>(*preview, u"image"_s)->width(), 320 * std::pow(0.95, 9), 1);

    auto *horizontal = child<QScrollBar>(*preview, u"defilement_horizontal"_s);
    auto *vertical = child<QScrollBar>(*preview, u"defilement_vertical"_s);
    EXPECT_EQ(horizontal->maximum(), std::lround(preview->shownSize().width() * 15.0 / 800));
    EXPECT_EQ(vertical->maximum(), std::lround(preview->shownSize().height() * 15.0 / 800));
    horizontal->setValue(2);
    vertical->setValue(1);
    EXPECT_EQ(child<QLabel>(*preview, u"image"_s)->pos(), QPoint(-107, -53)) << "800 twips a step";
    QTest::mouseClick(child(*preview, u"coin"_s), Qt::LeftButton);
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(vertical->value(), 0);

    preview->resize(700, 500);
    QWidget *viewport = preview->findChild<QWidget *>(u"apercu"_s);
    const QRect v = viewport->geometry();
    EXPECT_EQ(v.right() + 1 + vertical->width(), 700);
    EXPECT_EQ(v.bottom() + 1 + horizontal->height(), 500);
    EXPECT_EQ(vertical->geometry().left(), v.right() + 1);
    EXPECT_EQ(horizontal->geometry().top(), v.bottom() + 1);
    EXPECT_EQ(child(*preview, u"coin"_s)->geometry().topLeft(), QPoint(v.right() + 1, v.bottom() + 1));
}

TEST_F(PrintPreviewTest, SaveAndClipboardTakeTheFullSizeCapture)
{
    const auto preview = open();
    preview->zoomOut();
    const QString before = QDir::currentPath();
    m_prompter.expectSaveFile({u"Enregistrer"_s, u"Image *.bmp | *.bmp"_s, QString()}, m_dir.filePath(u"menu"_s));
    QTest::mouseClick(child(*preview, u"enregistrer"_s), Qt::LeftButton);
    EXPECT_TRUE(testfiles::readBytes(m_dir.filePath(u"menu.bmp"_s)).startsWith("BM"));
    EXPECT_EQ(QImage(m_dir.filePath(u"menu.bmp"_s)).size(), m_picture.size());
    EXPECT_EQ(QDir::currentPath(), before);

    m_prompter.expectSaveFile({u"Enregistrer"_s, u"Image *.bmp | *.bmp"_s, QString()}, QString());
    preview->save();
    m_prompter.expectSaveFile({u"Enregistrer"_s, u"Image *.bmp | *.bmp"_s, QString()},
                              m_dir.filePath(u"absent/menu.bmp"_s));
    m_prompter.expectMessage(u"Impossible d'enregistrer l'image "_s + m_dir.filePath(u"absent/menu.bmp"_s) + u" !"_s,
                             u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    preview->save();

    m_prompter.expectMessage(u"Image copiée dans le presse papier !"_s, u"Imprimer"_s, MessageIcon::Information,
                             MessageButtons::Ok, Answer::Ok);
    QTest::mouseClick(child(*preview, u"presse_papier"_s), Qt::LeftButton);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), m_picture.size());
    EXPECT_EQ(copied.pixelColor(50, 40), QColor(Qt::blue));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(PrintPreviewTest, PrintingPutsThePictureOnAPage)
{
    const auto preview = open(PrintPreview::Entry::Paper);
    const QString pdf = m_dir.filePath(u"menu.pdf"_s);
    preview->setPrinterChoice([](QPrinter &) { return false; });
    QTest::mouseClick(child(*preview, u"imprimer"_s), Qt::LeftButton);

    preview->setPrinterChoice([&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    QTest::mouseClick(child(*preview, u"imprimer"_s), Qt::LeftButton);
    const QByteArray bytes = testfiles::readBytes(pdf);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1)
        << "one page";
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    EXPECT_TRUE(bytes.contains("/Width 320"));
    EXPECT_TRUE(bytes.contains("/Height 240"));
    EXPECT_TRUE(m_prompter.allAnswered());
}
