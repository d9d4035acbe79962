#include "SurfaceFixture.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

SurfaceFixture::SurfaceFixture()
{
    m_worksheet.setPrompter(&m_prompter);
    m_palette.attach(m_document, m_prompter, m_resources);
    m_project.setSize(9600, 7200);
    m_worksheet.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_worksheet));
}

QString SurfaceFixture::image(const QString &name, QSize size, Qt::GlobalColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = m_dir.filePath(name);
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
}

int SurfaceFixture::addButton(ButtonKind kind, const QString &normal, const QString &hover, const QString &click)
{
    m_prompter.expectOpenFile({u"Image normale"_s, kImageFilter, QString()}, normal);
    m_prompter.expectOpenFile({u"Image au survol"_s, kImageFilter, QString()}, hover);
    m_prompter.expectOpenFile({u"Image clique"_s, kImageFilter, QString()}, click);
    const QString caption = kind == ButtonKind::Code   ? u"Code VBS"_s
                            : kind == ButtonKind::Quit ? u"Quitter"_s
                                                       : u"Multimédia"_s;
    this->click(caption);
    return m_document.selection().selectedButton();
}

void SurfaceFixture::click(const QString &caption)
{
    QPushButton *button = nullptr;
    for (QPushButton *candidate : m_palette.findChildren<QPushButton *>()) {
        if (candidate->text() == caption)
            button = candidate;
    }
    EXPECT_NE(button, nullptr) << caption.toStdString();
    if (button)
        button->click();
}

void SurfaceFixture::mouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                           Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}
