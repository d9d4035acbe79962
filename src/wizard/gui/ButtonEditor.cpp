#include "wizard/gui/ButtonEditor.h"

#include "common/Phrases.h"
#include "common/ProgramVersion.h"
#include "common/gui/ColourSwatch.h"
#include "prompt/Prompter.h"
#include "wizard/WizardPrompts.h"
#include "wizard/gui/GeneralPage.h"
#include "wizard/gui/WizardWidgets.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

enum Page { TypePage, TextPage, ImagePage };

// The three pictures' captions are phrases from this one on.
constexpr Phrase kFirstImageTitlePhrase = Phrase::WhenButtonNormal;
const QString kImageNames[] = {u"image_normale"_s, u"image_survol"_s, u"image_clique"_s};

// The picture of the button-drawing program: a button being drawn.
QIcon drawingIcon()
{
    QPixmap pixmap(56, 28);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 28);
    fill.setColorAt(0, QColor(250, 200, 80));
    fill.setColorAt(1, QColor(220, 120, 30));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(120, 60, 10), 1.5));
    painter.drawRoundedRect(QRectF(2, 4, 40, 20), 6, 6);
    painter.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(38, 26), QPointF(53, 6));
    return QIcon(pixmap);
}

} // namespace

ButtonEditor::ButtonEditor(Prompter &prompter, QString programFolder, QWidget *parent)
    : QGroupBox(u"Ajouter... "_s, parent), m_prompter(prompter), m_programFolder(std::move(programFolder)),
      m_launcher([](const QString &program) { return QProcess::startDetached(program, {}); })
{
    setObjectName(u"ajout_bouton"_s);
    m_pages = named(new QStackedWidget, u"pages_ajout"_s);
    m_pages->addWidget(makeTypePage());
    m_pages->addWidget(makeTextPage());
    m_pages->addWidget(makeImagePage());
    auto *cancel = named(new QPushButton(u"Annuler"_s), u"annuler_ajout"_s);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cancel);
    layout->addLayout(bottom);
    connect(cancel, &QPushButton::clicked, this, &ButtonEditor::cancelled);
}

QWidget *ButtonEditor::makeTypePage()
{
    auto *page = new QWidget;
    m_textType = named(new QRadioButton(u"Texte"_s), u"type_texte"_s);
    m_imageType = named(new QRadioButton(u"Graphique"_s), u"type_graphique"_s);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(new QLabel(u"Type :"_s), u"label_type"_s));
    layout->addWidget(m_textType);
    layout->addWidget(m_imageType);
    layout->addStretch();
    connect(m_textType, &QRadioButton::clicked, this, [this] { m_pages->setCurrentIndex(TextPage); });
    connect(m_imageType, &QRadioButton::clicked, this, [this] { m_pages->setCurrentIndex(ImagePage); });
    return page;
}

QWidget *ButtonEditor::makeTextPage()
{
    auto *page = new QWidget;
    m_text = named(new QLineEdit, u"Text_texte_bouton"_s);
    m_textColour = wizardwidgets::keepDesign(new ColourSwatch(u"couleur_texte"_s));
    m_backColour = wizardwidgets::keepDesign(new ColourSwatch(u"couleur_fond_bouton"_s));
    auto *font = named(new QPushButton(u"Police"_s), u"police"_s);
    m_transparent = named(new QCheckBox(u"Fond transparent"_s), u"fond_transparent"_s);
    auto *preview = named(new QPushButton(u"Aperçu"_s), u"apercu_texte"_s);
    auto *validate = named(new QPushButton(u"Valider"_s), u"valider_texte"_s);
    auto *back = named(new QPushButton(u"<---"_s), u"retour_texte"_s);

    auto *textRow = new QHBoxLayout;
    textRow->addWidget(named(new QLabel(u"Texte :"_s), u"label_texte"_s));
    textRow->addWidget(m_text, 1);
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(named(new QLabel(u"Couleur du texte :"_s), u"label_couleur_texte"_s));
    colourRow->addWidget(m_textColour);
    colourRow->addSpacing(24);
    colourRow->addWidget(named(new QLabel(u"Couleur de fond :"_s), u"label_couleur_fond"_s));
    colourRow->addWidget(m_backColour);
    colourRow->addStretch();
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(font);
    fontRow->addSpacing(24);
    fontRow->addWidget(m_transparent);
    fontRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(preview);
    buttons->addWidget(validate);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(textRow);
    layout->addLayout(colourRow);
    layout->addLayout(fontRow);
    layout->addStretch();
    layout->addLayout(buttons);

    wizardwidgets::refuseReserved(m_text, m_prompter);
    connect(m_textColour, &ColourSwatch::clicked, this, [this] { chooseColour(m_textColour); });
    connect(m_backColour, &ColourSwatch::clicked, this, [this] { chooseColour(m_backColour); });
    connect(font, &QPushButton::clicked, this, &ButtonEditor::chooseFont);
    connect(m_transparent, &QCheckBox::clicked, this, &ButtonEditor::transparentClicked);
    connect(preview, &QPushButton::clicked, this, [this] { emit previewRequested(button()); });
    connect(validate, &QPushButton::clicked, this, &ButtonEditor::validate);
    connect(back, &QPushButton::clicked, this, &ButtonEditor::showType);
    return page;
}

QWidget *ButtonEditor::makeImagePage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(named(new QLabel(u"Les boutons graphiques sont composés de trois images :"_s), u"trois_images"_s),
                    0, 0, 1, 3);
    for (int n = 0; n < 3; ++n) {
        m_images[n] = named(new QLineEdit, u"Text_"_s + kImageNames[n]);
        auto *browse = named(new QPushButton(u"..."_s), u"parcourir_"_s + kImageNames[n]);
        browse->setFixedWidth(32);
        grid->addWidget(
            named(new QLabel(Phrases::text(phraseAfter(kFirstImageTitlePhrase, n))), u"label_"_s + kImageNames[n]),
            n + 1, 0);
        grid->addWidget(m_images[n], n + 1, 1);
        grid->addWidget(browse, n + 1, 2);
        wizardwidgets::refuseReserved(m_images[n], m_prompter);
        connect(browse, &QPushButton::clicked, this,
                [this, n] { chooseImage(m_images[n], Phrases::text(phraseAfter(kFirstImageTitlePhrase, n))); });
    }
    auto *preview = named(new QPushButton(u"Apercu"_s), u"apercu_graphique"_s);
    auto *validate = named(new QPushButton(u"Valider"_s), u"valider_graphique"_s);
    auto *back = named(new QPushButton(u"<---"_s), u"retour_graphique"_s);
    auto *drawing = named(new QToolButton, u"assistant_bouton"_s);
    drawing->setIcon(drawingIcon());
    drawing->setIconSize(QSize(56, 28));
    drawing->setAutoRaise(true);
    drawing->setCursor(Qt::PointingHandCursor);
    auto *hint = named(wizardwidgets::paragraph(
                           u"Vous pouvez créer ces images avec un éditeur d'images ou avec  l'assistant bouton."_s),
                       u"astuce_images"_s);

    auto *helpRow = new QHBoxLayout;
    helpRow->addWidget(hint, 1);
    helpRow->addWidget(drawing);
    grid->addLayout(helpRow, 4, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(preview);
    buttons->addWidget(validate);
    grid->addLayout(buttons, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(preview, &QPushButton::clicked, this, [this] { emit previewRequested(button()); });
    connect(validate, &QPushButton::clicked, this, &ButtonEditor::validate);
    connect(back, &QPushButton::clicked, this, &ButtonEditor::showType);
    connect(drawing, &QToolButton::clicked, this, &ButtonEditor::startDrawingProgram);
    return page;
}

void ButtonEditor::reset(int backColour)
{
    m_text->clear();
    m_textColour->setColour(0);
    m_backColour->setColour(backColour);
    m_font = WizardButton().font;
    m_transparent->setChecked(false);
    for (QLineEdit *field : m_images)
        field->clear();
    showType();
}

void ButtonEditor::showType()
{
    // Neither type stays chosen, so either can be picked again.
    for (QRadioButton *type : {m_textType, m_imageType}) {
        type->setAutoExclusive(false);
        type->setChecked(false);
        type->setAutoExclusive(true);
    }
    m_pages->setCurrentIndex(TypePage);
}

WizardButton ButtonEditor::button() const
{
    WizardButton b;
    b.style = m_pages->currentIndex() == ImagePage ? WizardButton::Style::Graphic : WizardButton::Style::Text;
    b.text = m_text->text();
    b.textColour = m_textColour->colour();
    b.backColour = m_backColour->colour();
    b.font = m_font;
    b.transparent = m_transparent->isChecked();
    b.normalImage = m_images[0]->text();
    b.hoverImage = m_images[1]->text();
    b.clickImage = m_images[2]->text();
    return b;
}

void ButtonEditor::chooseColour(ColourSwatch *swatch)
{
    if (const std::optional<int> colour = m_prompter.colour({swatch->colour()}))
        swatch->setColour(*colour);
}

void ButtonEditor::chooseFont()
{
    if (std::optional<FontChoice> font = m_prompter.font(m_font)) {
        font->size = std::floor(font->size);
        m_font = *font;
    }
}

void ButtonEditor::transparentClicked()
{
    if (m_transparent->isChecked() && m_textColour->colour() == m_backColour->colour()) {
        m_prompter.message(Phrases::text(Phrase::ColoursMustDiffer), Phrases::text(Phrase::WizardTitle),
                           MessageIcon::Exclamation);
        m_transparent->setChecked(false);
    }
}

void ButtonEditor::chooseImage(QLineEdit *field, const QString &title)
{
    const QString file = m_prompter.openFile({title, GeneralPage::imageFilter(), QString()});
    if (!file.isEmpty())
        field->setText(file);
}

void ButtonEditor::validate()
{
    const WizardButton b = button();
    if (b.style == WizardButton::Style::Text && b.text.isEmpty()) {
        m_prompter.message(Phrases::text(Phrase::EnterButtonText), Phrases::text(Phrase::WizardTitle),
                           MessageIcon::Exclamation);
        return;
    }
    if (b.style == WizardButton::Style::Graphic &&
        (b.normalImage.isEmpty() || b.hoverImage.isEmpty() || b.clickImage.isEmpty())) {
        m_prompter.message(Phrases::text(Phrase::EnterEveryButtonImage), Phrases::text(Phrase::WizardTitle),
                           MessageIcon::Exclamation);
        return;
    }
    emit validated(b);
}

void ButtonEditor::startDrawingProgram()
{
    const QString program = m_programFolder + kDrawingProgram;
    if (QFileInfo(program).isFile() && m_launcher(program))
        return;
    m_prompter.message(Phrases::text(Phrase::ButtonAssistantMissing) + version::website(),
                       Phrases::text(Phrase::WizardTitle), MessageIcon::Information);
}
