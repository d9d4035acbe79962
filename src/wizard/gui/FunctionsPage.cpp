#include "wizard/gui/FunctionsPage.h"

#include "prompt/Prompter.h"
#include "wizard/WizardProject.h"
#include "wizard/WizardPrompts.h"
#include "wizard/gui/ButtonsPage.h"
#include "wizard/gui/StartupPage.h"
#include "wizard/gui/WizardWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FunctionsPage::FunctionsPage(WizardProject &project, Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_project(project), m_prompter(prompter)
{
    setObjectName(u"etape4"_s);
    m_list = named(new QListWidget, u"liste_fonctions"_s);
    m_choices[WizardButton::OpenTarget] =
        named(new QRadioButton(u"Ouvrir un document, un programme, une page web..."_s), u"fonction_ouvrir"_s);
    m_choices[WizardButton::ShowMessage] = named(new QRadioButton(u"Afficher un message"_s), u"fonction_message"_s);
    m_choices[WizardButton::QuitMenu] = named(new QRadioButton(u"Quitter le menu"_s), u"fonction_quitter"_s);
    m_choices[WizardButton::PlayMultimedia] =
        named(new QRadioButton(u"Jouer un fichier multimédia :"_s), u"fonction_multimedia"_s);
    m_file = named(new QLineEdit, u"Text_chemin_fonction"_s);
    m_target = named(new QLabel, u"cible_fonction"_s);
    m_target->setTextFormat(Qt::PlainText);
    m_preview = named(new QPushButton(u"Aperçu"_s), u"apercu_fonction"_s);

    m_functions = named(new QGroupBox(u"Fonctions possibles :"_s), u"fonctions_possibles"_s);
    auto *grid = new QGridLayout(m_functions);
    grid->setColumnMinimumWidth(0, 20);
    grid->addWidget(m_choices[WizardButton::OpenTarget], 0, 0, 1, 3);
    grid->addWidget(m_target, 1, 1, 1, 2);
    grid->addWidget(m_choices[WizardButton::ShowMessage], 2, 0, 1, 2);
    grid->addWidget(m_preview, 2, 2, Qt::AlignRight);
    grid->addWidget(m_choices[WizardButton::QuitMenu], 3, 0, 1, 3);
    grid->addWidget(m_choices[WizardButton::PlayMultimedia], 4, 0, 1, 3);
    grid->addWidget(m_file, 5, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    auto *listBox = new QVBoxLayout;
    listBox->addWidget(named(new QLabel(u"Les boutons :"_s), u"label_boutons"_s));
    listBox->addWidget(m_list);
    auto *middle = new QHBoxLayout;
    middle->addLayout(listBox, 2);
    middle->addWidget(m_functions, 3);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(wizardwidgets::stepLabel(u"Etape 4:"_s), u"etape_4"_s));
    layout->addWidget(named(wizardwidgets::paragraph(u"Il faut maintenant attribuer une fonction à chaque boutons :"_s),
                            u"intro_fonctions"_s));
    layout->addLayout(middle, 1);
    layout->addWidget(named(wizardwidgets::paragraph(StartupPage::kNote), u"note_fonctions"_s));

    for (int function = 0; function < 4; ++function)
        connect(m_choices[function], &QRadioButton::clicked, this, [this, function] { choose(function); });
    connect(m_list, &QListWidget::currentItemChanged, this, &FunctionsPage::showSelected);
    connect(m_file, &QLineEdit::textChanged, this, [this](const QString &text) {
        WizardButton *b = selected();
        if (b && !m_showing && m_choices[WizardButton::PlayMultimedia]->isChecked()) {
            b->function = WizardButton::PlayMultimedia;
            b->argument1 = text;
        }
    });
    wizardwidgets::refuseReserved(m_file, m_prompter);
    connect(m_preview, &QPushButton::clicked, this, &FunctionsPage::preview);
    m_functions->hide();
}

void FunctionsPage::enter()
{
    m_showing = true;
    ButtonsPage::fillList(m_list, m_project);
    m_showing = false;
    m_functions->hide();
}

WizardButton *FunctionsPage::selected() const
{
    const int position = ButtonsPage::positionOf(m_list->currentItem());
    return position < 0 ? nullptr : &m_project.buttons[position];
}

void FunctionsPage::showSelected()
{
    const WizardButton *b = selected();
    if (!b)
        return;
    m_showing = true;
    const int function = b->function == WizardButton::NoFunction ? WizardButton::PlayMultimedia : b->function;
    m_choices[function]->setChecked(true);
    m_file->setText(function == WizardButton::PlayMultimedia ? b->argument1 : QString());
    m_file->setEnabled(function == WizardButton::PlayMultimedia);
    m_target->setText(function == WizardButton::OpenTarget ? b->argument1 : QString());
    m_preview->setEnabled(function == WizardButton::ShowMessage);
    m_functions->show();
    m_showing = false;
}

void FunctionsPage::fallBackToMultimedia(WizardButton &b)
{
    b.function = WizardButton::PlayMultimedia;
    b.argument1.clear();
    b.argument2.clear();
}

void FunctionsPage::choose(int function)
{
    WizardButton *b = selected();
    if (!b)
        return;
    b->function = function;
    const WizardPrompts prompts(m_prompter);
    if (function == WizardButton::PlayMultimedia) {
        b->argument1 = m_file->text();
    } else if (function == WizardButton::ShowMessage) {
        if (const auto message = prompts.askMessage()) {
            b->argument1 = message->title;
            b->argument2 = message->text;
        } else {
            fallBackToMultimedia(*b);
        }
    } else if (function == WizardButton::OpenTarget) {
        if (const auto target = prompts.askTarget()) {
            b->argument1 = target->target;
            b->argument2 = target->kind;
        } else {
            fallBackToMultimedia(*b);
        }
    }
    showSelected();
}

void FunctionsPage::preview()
{
    if (const WizardButton *b = selected())
        m_prompter.message(b->argument2, b->argument1, MessageIcon::Information);
}
