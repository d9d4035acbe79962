#include "WizardWindowFixture.h"

#include "WizardFixtures.h"
#include "support/TestFiles.h"
#include "wizard/gui/ButtonEditor.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;

WizardWindowFixture::WizardWindowFixture()
{
    QDir().mkpath(sources());
    QDir().mkpath(saveFolder());
    m_wizard = new WizardWindow({m_prompter, m_dir.filePath(u"programme/"_s),
                                 [this](const QString &file) { m_opened << file; }});
    m_wizard->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_wizard));
}

WizardWindowFixture::~WizardWindowFixture()
{
    EXPECT_TRUE(m_prompter.allAnswered());
    if (m_wizard && m_wizard->isOpen()) {
        m_prompter.expectMessage({u"Quitter l'assistant ?"_s, kCaption, MessageIcon::Question, MessageButtons::YesNo, 2},
                                 Answer::Yes);
        m_wizard->close();
    }
    delete m_wizard;
}

void WizardWindowFixture::click(const QString &name) const
{
    if (auto *button = child<QAbstractButton>(name)) {
        EXPECT_TRUE(button->isEnabled()) << name.toStdString();
        button->click();
    }
}

void WizardWindowFixture::type(const QString &name, const QString &text) const
{
    if (auto *field = child<QLineEdit>(name))
        field->setText(text);
}

void WizardWindowFixture::expectWarning(const QString &text)
{
    m_prompter.expectMessage(text, kCaption, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
}

void WizardWindowFixture::addTextButton(const QString &text)
{
    click(u"ajouter"_s);
    click(u"type_texte"_s);
    type(u"Text_texte_bouton"_s, text);
    click(u"valider_texte"_s);
}

void WizardWindowFixture::addGraphicButton(const QString &stem, QSize size)
{
    const WizardButton b = wizardfixtures::graphicButton(0, sources(), stem, size);
    click(u"ajouter"_s);
    click(u"type_graphique"_s);
    type(u"Text_image_normale"_s, b.normalImage);
    type(u"Text_image_survol"_s, b.hoverImage);
    type(u"Text_image_clique"_s, b.clickImage);
    click(u"valider_graphique"_s);
}

void WizardWindowFixture::selectButton(const QString &list, int row) const
{
    if (auto *widget = child<QListWidget>(list))
        widget->setCurrentRow(row);
}
