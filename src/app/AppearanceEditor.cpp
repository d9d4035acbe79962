#include "app/AppearanceEditor.h"

#include "app/core/AppearanceFile.h"
#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QPushButton *command(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

AppearanceEditor::AppearanceEditor(AppearanceFile &file, Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_file(file), m_prompter(prompter), m_list(new QListWidget(this)),
      m_windowSwatch(swatch(u"Couleur_fenetres"_s)), m_fieldSwatch(swatch(u"Couleur_champs"_s)),
      m_textSwatch(swatch(u"Couleur_texte"_s)), m_font(new QLineEdit(this)), m_newName(new QLineEdit(this))
{
    setObjectName(u"Frame_apparences"_s);
    m_list->setObjectName(u"Liste_apparences"_s);
    m_font->setObjectName(u"Text_police"_s);
    m_newName->setObjectName(u"Text_nom"_s);

    auto *fontButton = command(this, u"Modif_police"_s, u"Modif."_s);
    auto *tryButton = command(this, u"Tester_apparence"_s, u"&Tester"_s);
    auto *loadButton = command(this, u"Charger_apparence"_s, u"&Charger"_s);
    auto *saveButton = command(this, u"Sauver_apparence"_s, u"&Sauver"_s);
    auto *closeButton = command(this, u"Fermer_apparences"_s, u"&Fermer"_s);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label(this, u"Label_liste"_s, u"Liste des apparences enregistrées :"_s), 0, 0);
    grid->addWidget(m_list, 1, 0, 6, 1);
    grid->addWidget(label(this, u"Label_fenetres"_s, u"Fond des fenêtres : "_s), 1, 1);
    grid->addWidget(m_windowSwatch, 1, 2);
    grid->addWidget(label(this, u"Label_champs"_s, u"Fond des champs : "_s), 2, 1);
    grid->addWidget(m_fieldSwatch, 2, 2);
    grid->addWidget(label(this, u"Label_texte"_s, u"Texte : "_s), 3, 1);
    grid->addWidget(m_textSwatch, 3, 2);
    grid->addWidget(label(this, u"Label_police"_s, u"Police :"_s), 4, 1);
    grid->addWidget(m_font, 4, 2);
    grid->addWidget(fontButton, 4, 3);
    grid->addWidget(tryButton, 5, 1);
    grid->addWidget(loadButton, 5, 2);
    grid->addWidget(label(this, u"Label_ajouter"_s, u"Ajouter une apparence :"_s), 6, 1);
    grid->addWidget(m_newName, 6, 2);
    grid->addWidget(saveButton, 6, 3);
    grid->addWidget(closeButton, 7, 3);

    connect(m_windowSwatch, &QPushButton::clicked, this, [this] { pickColour(m_windowSwatch); });
    connect(m_fieldSwatch, &QPushButton::clicked, this, [this] { pickColour(m_fieldSwatch); });
    connect(m_textSwatch, &QPushButton::clicked, this, [this] { pickColour(m_textSwatch); });
    connect(fontButton, &QPushButton::clicked, this, &AppearanceEditor::pickFont);
    connect(tryButton, &QPushButton::clicked, this, &AppearanceEditor::tryOut);
    connect(loadButton, &QPushButton::clicked, this, &AppearanceEditor::load);
    connect(saveButton, &QPushButton::clicked, this, &AppearanceEditor::saveNew);
    connect(closeButton, &QPushButton::clicked, this, &AppearanceEditor::closeRequested);
}

QPushButton *AppearanceEditor::swatch(const QString &name)
{
    auto *b = new QPushButton(this);
    b->setObjectName(name);
    b->setProperty("tag", u"N_DESIGN"_s); // a swatch shows its own colour, never the theme's
    QPalette own = b->palette();
    own.setColor(QPalette::WindowText, Qt::black);
    own.setColor(QPalette::ButtonText, Qt::black);
    b->setPalette(own);
    b->setFlat(true);
    b->setAutoFillBackground(true);
    b->setFixedSize(48, 20);
    return b;
}

void AppearanceEditor::setSwatch(QPushButton *button, int colour)
{
    button->setProperty("colour", colour);
    QPalette p = button->palette();
    p.setColor(QPalette::Button, Appearance::toColor(colour));
    p.setColor(QPalette::Window, Appearance::toColor(colour));
    button->setPalette(p);
}

void AppearanceEditor::showAppearance(const Appearance &a)
{
    setSwatch(m_windowSwatch, a.windowBackground);
    setSwatch(m_fieldSwatch, a.fieldBackground);
    setSwatch(m_textSwatch, a.textColour);
    m_font->setText(a.font);
}

void AppearanceEditor::open(const Appearance &inUse, const Appearance &systemDefault)
{
    m_systemDefault = systemDefault;
    m_appearances = m_file.load(systemDefault);
    m_list->clear();
    for (const Appearance &a : m_appearances)
        m_list->addItem(a.name);
    m_list->setCurrentRow(0);
    showAppearance(inUse);
}

Appearance AppearanceEditor::swatches() const
{
    Appearance a;
    a.windowBackground = m_windowSwatch->property("colour").toInt();
    a.fieldBackground = m_fieldSwatch->property("colour").toInt();
    a.textColour = m_textSwatch->property("colour").toInt();
    a.font = m_font->text();
    return a;
}

void AppearanceEditor::pickColour(QPushButton *button)
{
    if (const auto colour = m_prompter.colour({button->property("colour").toInt()}))
        setSwatch(button, *colour);
}

void AppearanceEditor::pickFont()
{
    FontChoice start;
    start.name = m_font->text();
    if (const auto chosen = m_prompter.font(start))
        m_font->setText(chosen->name);
}

void AppearanceEditor::tryOut()
{
    emit tryRequested(swatches());
}

void AppearanceEditor::load()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_appearances.size())
        return;
    const Appearance chosen = m_appearances[row];
    showAppearance(chosen);
    emit loadRequested(chosen);
}

void AppearanceEditor::saveNew()
{
    Appearance added = swatches();
    added.name = m_newName->text();
    if (const auto refusal = AppearanceFile::checkNewName(added.name, m_appearances)) {
        m_prompter.message(*refusal);
        return;
    }
    if (const ZepError error = m_file.append(added); error.isError()) {
        m_prompter.message(Phrases::text(Phrase::SaveErrorOpen) + error.description + u')',
                           Phrases::text(Phrase::ErrorBang), MessageIcon::Critical);
        return;
    }
    m_newName->clear();
    open(added, m_systemDefault);
    m_list->setCurrentRow(m_list->count() - 1);
    load();
}
