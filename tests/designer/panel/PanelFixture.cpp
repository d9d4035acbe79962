#include "PanelFixture.h"

#include <QImage>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

PanelFixture::PanelFixture()
{
    m_panel = std::make_unique<ParametersPanel>(m_document, m_prompter, [this] {
        const ProjectSettings &s = m_project.settings();
        return QSize(int(std::lround(s.width / 15)) - kFrameWidth, int(std::lround(s.height / 15)) - kFrameHeight);
    });
    m_scripts = std::make_unique<QSignalSpy>(m_panel.get(), &ParametersPanel::scriptEditorRequested);
    m_panel->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_panel.get()));
}

PanelFixture::~PanelFixture() = default;

void PanelFixture::click(const QString &name)
{
    QWidget *w = child(name);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisibleTo(m_panel.get())) << name.toStdString() << " is hidden";
    ASSERT_TRUE(w->isEnabled()) << name.toStdString() << " is disabled";
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4));
}

void PanelFixture::type(const QString &name, const QString &text)
{
    auto *edit = child<QLineEdit>(name);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void PanelFixture::choose(const QString &entry)
{
    auto *chooser = child<QComboBox>(u"Combo1"_s);
    const int index = chooser->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    chooser->setCurrentIndex(index);
    emit chooser->activated(index);
}

void PanelFixture::chooseStartup(int index)
{
    auto *selector = child<QComboBox>(u"ActionDemarrage"_s);
    selector->setCurrentIndex(index);
    emit selector->activated(index);
}

QString PanelFixture::makeImage(const QString &name, QSize size, QColor colour) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = m_dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

void PanelFixture::expectError(const QString &text)
{
    m_prompter.expectMessage(text, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
}
