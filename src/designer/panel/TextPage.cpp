#include "designer/panel/TextPage.h"

#include "common/NumberText.h"
#include "common/Phrases.h"
#include "common/gui/ColourSwatch.h"
#include "designer/panel/PanelForm.h"
#include "designer/panel/PanelRules.h"
#include "designer/panel/WrapCheckBox.h"
#include "prompt/Prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace panelform;

TextPage::TextPage(PanelContext context, QWidget *parent) : QWidget(parent), m_ctx(std::move(context))
{
    setObjectName(u"PageTexte"_s);
    build();
    connectControls();
    connect(&m_ctx.project, &MenuProject::textChanged, this, [this](int slot) {
        if (slot == m_slot)
            fill();
    });
}

void TextPage::build()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    m_backColour = new ColourSwatch(u"CouleurFondTexte"_s, this);
    row(layout, {caption(u"LabelCouleurFondTexte"_s, u"Couleur de fond :"_s, this), m_backColour}, true);
    m_textColour = new ColourSwatch(u"CouleurTexte"_s, this);
    row(layout, {caption(u"LabelCouleurTexte"_s, u"Couleur du texte :"_s, this), m_textColour}, true);
    layout->addWidget(caption(u"LabelPolice"_s, u"Police, style, taille : "_s, this));
    row(layout, {button(u"ModifPolice"_s, u"Modif."_s, this)}, true);

    layout->addWidget(caption(u"LabelTailleTexte"_s, u"Taille :"_s, this));
    m_width = field(u"LargeurTexte"_s, this);
    m_height = field(u"HauteurTexte"_s, this);
    row(layout, {m_width, new QLabel(u"x"_s, this), m_height, smallButton(u"AppliquerTailleTexte"_s, u"OK"_s, this)});

    layout->addWidget(button(u"ModifPositionTexte"_s, u"Modifier la position"_s, this));
    layout->addWidget(button(u"ModifPositionTextePx"_s, u"Modifier la position (px)"_s, this));
    m_locked = new WrapCheckBox(u"Verrouiller"_s, u"Vérouiller l'édition (à l'exécution)"_s, this);
    layout->addWidget(m_locked);
    m_scrollBar = new WrapCheckBox(u"BarreDefilement"_s, u"Barre de défilement"_s, this);
    layout->addWidget(m_scrollBar);
    layout->addWidget(button(u"SupprimerTexte"_s, u"Supprimer le Texte"_s, this));
    layout->addStretch();
}

void TextPage::connectControls()
{
    const auto clicked = [this](const QString &name, auto handler) {
        connect(findChild<QPushButton *>(name), &QPushButton::clicked, this, handler);
    };
    connect(m_backColour, &ColourSwatch::clicked, this, [this] { chooseColour(&MenuText::backColour); });
    connect(m_textColour, &ColourSwatch::clicked, this, [this] { chooseColour(&MenuText::textColour); });
    clicked(u"ModifPolice"_s, [this] { chooseFont(); });
    clicked(u"AppliquerTailleTexte"_s, [this] { applySize(); });
    clicked(u"ModifPositionTexte"_s, [this] { movePosition(PositionUnit::Twips); });
    clicked(u"ModifPositionTextePx"_s, [this] { movePosition(PositionUnit::Pixels); });
    connect(m_locked, &QCheckBox::clicked, this, &TextPage::storeFlags);
    connect(m_scrollBar, &QCheckBox::clicked, this, &TextPage::storeFlags);
    clicked(u"SupprimerTexte"_s, [this] { deleteText(); });
}

void TextPage::showText(int slot)
{
    m_slot = slot;
    fill();
}

void TextPage::fill()
{
    if (m_slot <= 0 || m_slot >= m_ctx.project.textSlotsInUse())
        return;
    const MenuText &t = m_ctx.project.text(m_slot);
    m_backColour->setColour(t.backColour);
    m_textColour->setColour(t.textColour);
    setText(m_width, numtext::format(t.width));
    setText(m_height, numtext::format(t.height));
    m_locked->setChecked(t.isReadOnly());
    m_scrollBar->setChecked(t.hasScrollBar());
}

void TextPage::edit(const std::function<void(MenuText &)> &change)
{
    if (m_slot <= 0 || m_slot >= m_ctx.project.textSlotsInUse())
        return;
    MenuText t = m_ctx.project.text(m_slot);
    change(t);
    m_ctx.document.editText(m_slot, t);
}

void TextPage::chooseColour(int MenuText::*colour)
{
    if (m_slot <= 0)
        return;
    if (const std::optional<int> chosen = m_ctx.prompter.colour({m_ctx.project.text(m_slot).*colour}))
        edit([&](MenuText &t) { t.*colour = *chosen; });
}

void TextPage::chooseFont()
{
    if (m_slot <= 0)
        return;
    const MenuText &t = m_ctx.project.text(m_slot);
    const FontChoice initial{t.fontName, t.fontSize, t.bold, t.italic, t.strikethrough, t.underline};
    if (const std::optional<FontChoice> font = m_ctx.prompter.font(initial)) {
        edit([&](MenuText &changed) {
            changed.fontName = font->name;
            changed.fontSize = font->size;
            changed.bold = font->bold;
            changed.italic = font->italic;
            changed.strikethrough = font->strikethrough;
            changed.underline = font->underline;
        });
    }
}

void TextPage::applySize()
{
    const std::optional<QSizeF> size = panelrules::parseSize(m_width->text(), m_height->text());
    if (!size) {
        m_ctx.prompter.message(Phrases::text(Phrase::EnterValidNumbers), Phrases::text(Phrase::ErrorBang),
                               MessageIcon::Critical);
        return;
    }
    edit([&](MenuText &t) {
        t.width = float(size->width());
        t.height = float(size->height());
    });
}

void TextPage::movePosition(PositionUnit unit)
{
    if (m_slot <= 0)
        return;
    const MenuText &t = m_ctx.project.text(m_slot);
    if (const auto position =
            askPosition(m_ctx.prompter, Phrases::text(Phrase::TextWord), unit, QPointF(t.left, t.top), m_ctx.tpp)) {
        edit([&](MenuText &changed) {
            changed.left = float(position->x());
            changed.top = float(position->y());
        });
    }
}

void TextPage::storeFlags()
{
    edit([this](MenuText &t) { t.flags = panelrules::textFlags(m_scrollBar->isChecked(), m_locked->isChecked()); });
}

void TextPage::deleteText()
{
    if (m_slot <= 0)
        return;
    const Answer answer = m_ctx.prompter.message(
        Phrases::text(Phrase::DeleteTextQuestion) + QString::number(m_slot) + Phrases::text(Phrase::SpaceQuestionMark),
        Phrases::text(Phrase::DeleteTitle), MessageIcon::Question, MessageButtons::YesNo);
    if (answer == Answer::Yes)
        m_ctx.document.deleteText(m_slot);
}
