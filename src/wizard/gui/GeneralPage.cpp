#include "wizard/gui/GeneralPage.h"

#include "common/Phrases.h"
#include "common/gui/ColourSwatch.h"
#include "prompt/Prompter.h"
#include "wizard/WizardProject.h"
#include "wizard/gui/WizardWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

GeneralPage::GeneralPage(WizardProject &project, Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_project(project), m_prompter(prompter)
{
    setObjectName(u"etape1"_s);
    m_name = named(new QLineEdit(project.name), u"Text_nom_menu"_s);
    m_colour = named(new QRadioButton(u"Couleur :"_s), u"fond_couleur"_s);
    m_colour->setChecked(!project.backgroundIsImage);
    m_swatch = wizardwidgets::keepDesign(new ColourSwatch(u"couleur_fond"_s));
    m_swatch->setColour(project.backgroundColour);
    m_image = named(new QRadioButton(u"Image :"_s), u"fond_image"_s);
    m_image->setChecked(project.backgroundIsImage);
    m_imagePath = named(new QLineEdit(project.backgroundImage), u"Text_chemin_image"_s);
    m_imageBrowse = named(new QPushButton(u"..."_s), u"parcourir_image"_s);
    m_contours = named(new QCheckBox(u"Afficher des contours fins et noirs autour du menu"_s), u"contours"_s);
    m_contours->setChecked(project.contours);
    m_music = named(new QCheckBox(u"Musique de fond :"_s), u"musique"_s);
    m_music->setChecked(project.musicOn);
    m_musicPath = named(new QLineEdit(project.music), u"Text_chemin_musique"_s);
    m_musicBrowse = named(new QPushButton(u"..."_s), u"parcourir_musique"_s);
    for (QPushButton *browse : {m_imageBrowse, m_musicBrowse})
        browse->setFixedWidth(32);

    auto *background = named(new QGroupBox(u"Arrière plan :"_s), u"arriere_plan"_s);
    auto *backgroundGrid = new QGridLayout(background);
    backgroundGrid->addWidget(m_colour, 0, 0);
    backgroundGrid->addWidget(m_swatch, 0, 1, Qt::AlignLeft);
    backgroundGrid->addWidget(m_image, 1, 0);
    backgroundGrid->addWidget(m_imagePath, 1, 1);
    backgroundGrid->addWidget(m_imageBrowse, 1, 2);
    backgroundGrid->setColumnStretch(1, 1);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(named(new QLabel(u"Nom de votre menu :"_s), u"label_nom"_s));
    nameRow->addWidget(m_name, 1);
    auto *musicRow = new QHBoxLayout;
    musicRow->addWidget(m_music);
    musicRow->addWidget(m_musicPath, 1);
    musicRow->addWidget(m_musicBrowse);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(wizardwidgets::paragraph(u"Cet assistant va vous aider à créer un menu très facilement, "
                                                     u"vous n'aurez qu'a suivre les étapes."_s),
                            u"intro"_s));
    layout->addWidget(
        named(wizardwidgets::paragraph(u"Bien sûr il ne vous montre pas toutes les possibilités de ZEP."_s),
              u"intro_limites"_s));
    layout->addSpacing(8);
    layout->addWidget(named(wizardwidgets::stepLabel(u"Etape 1:"_s), u"etape_1"_s));
    layout->addLayout(nameRow);
    layout->addWidget(background);
    layout->addWidget(m_contours);
    layout->addLayout(musicRow);
    layout->addStretch();

    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &text) { m_project.name = text; });
    connect(m_colour, &QRadioButton::toggled, this, &GeneralPage::backgroundChanged);
    connect(m_swatch, &ColourSwatch::clicked, this, &GeneralPage::chooseColour);
    connect(m_imagePath, &QLineEdit::textChanged, this, [this](const QString &text) { m_project.backgroundImage = text; });
    connect(m_imageBrowse, &QPushButton::clicked, this, &GeneralPage::chooseImage);
    connect(m_contours, &QCheckBox::toggled, this, [this](bool on) { m_project.contours = on; });
    connect(m_music, &QCheckBox::toggled, this, &GeneralPage::musicChanged);
    connect(m_musicPath, &QLineEdit::textChanged, this, [this](const QString &text) { m_project.music = text; });
    connect(m_musicBrowse, &QPushButton::clicked, this, &GeneralPage::chooseMusic);
    for (QLineEdit *field : {m_name, m_imagePath, m_musicPath})
        wizardwidgets::refuseReserved(field, m_prompter);
    backgroundChanged();
    musicChanged();
}

void GeneralPage::backgroundChanged()
{
    m_project.backgroundIsImage = m_image->isChecked();
    m_imagePath->setEnabled(m_project.backgroundIsImage);
    m_imageBrowse->setEnabled(m_project.backgroundIsImage);
}

void GeneralPage::musicChanged()
{
    m_project.musicOn = m_music->isChecked();
    m_musicPath->setEnabled(m_project.musicOn);
    m_musicBrowse->setEnabled(m_project.musicOn);
}

QString GeneralPage::imageFilter()
{
    return Phrases::text(Phrase::ImageFilter) + u" | *.jpg;*.jpeg;*.gif;*.bmp;*.ico"_s;
}

void GeneralPage::chooseColour()
{
    if (const std::optional<int> colour = m_prompter.colour({m_project.backgroundColour})) {
        m_project.backgroundColour = *colour;
        m_swatch->setColour(*colour);
    }
}

void GeneralPage::chooseImage()
{
    const QString file = m_prompter.openFile({Phrases::text(Phrase::OpenImageEllipsis), imageFilter(), QString()});
    if (!file.isEmpty())
        m_imagePath->setText(file);
}

void GeneralPage::chooseMusic()
{
    const QString file =
        m_prompter.openFile({Phrases::text(Phrase::BackgroundMusicEllipsis),
                             Phrases::text(Phrase::SoundFilter) + u" | *.wav;*.mp3;*.mid;*.aif;*.wma"_s, QString()});
    if (!file.isEmpty())
        m_musicPath->setText(file);
}
