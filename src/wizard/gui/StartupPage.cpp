#include "wizard/gui/StartupPage.h"

#include "prompt/Prompter.h"
#include "wizard/WizardProject.h"
#include "wizard/WizardPrompts.h"
#include "wizard/gui/WizardWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

StartupPage::StartupPage(WizardProject &project, Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_project(project), m_prompter(prompter)
{
    setObjectName(u"etape2"_s);
    m_nothing = named(new QRadioButton(u"Rien"_s), u"demarrage_rien"_s);
    m_multimedia = named(new QRadioButton(u"Démarrer un fichier multimédia :"_s), u"demarrage_fichier"_s);
    m_file = named(new QLineEdit(project.startupFile), u"Text_chemin_demarrage"_s);
    m_open = named(new QRadioButton(u"Ouvrir un document, un programme, une page internet ..."_s), u"demarrage_ouvrir"_s);
    m_target = named(new QLabel, u"cible_demarrage"_s);
    m_target->setTextFormat(Qt::PlainText);
    m_message = named(new QRadioButton(u"Afficher un message"_s), u"demarrage_message"_s);
    m_preview = named(new QPushButton(u"Apercu"_s), u"apercu_message"_s);

    auto *choices = new QGridLayout;
    choices->setColumnMinimumWidth(0, 20);
    choices->addWidget(m_nothing, 0, 0, 1, 3);
    choices->addWidget(m_multimedia, 1, 0, 1, 3);
    choices->addWidget(m_file, 2, 1, 1, 2);
    choices->addWidget(m_open, 3, 0, 1, 3);
    choices->addWidget(m_target, 4, 1, 1, 2);
    choices->addWidget(m_message, 5, 0, 1, 2);
    choices->addWidget(m_preview, 5, 2, Qt::AlignRight);
    choices->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(wizardwidgets::stepLabel(u"Etape 2:"_s), u"etape_2"_s));
    layout->addWidget(named(wizardwidgets::paragraph(u"Au démarrage du menu, que faire ?"_s), u"question_demarrage"_s));
    layout->addLayout(choices);
    layout->addStretch();
    layout->addWidget(named(wizardwidgets::paragraph(kNote), u"note_demarrage"_s));

    connect(m_nothing, &QRadioButton::clicked, this, &StartupPage::chooseNothing);
    connect(m_multimedia, &QRadioButton::clicked, this, &StartupPage::chooseMultimedia);
    connect(m_open, &QRadioButton::clicked, this, &StartupPage::chooseOpen);
    connect(m_message, &QRadioButton::clicked, this, &StartupPage::chooseMessage);
    connect(m_preview, &QPushButton::clicked, this, &StartupPage::preview);
    connect(m_file, &QLineEdit::textChanged, this, [this](const QString &text) { m_project.startupFile = text; });
    wizardwidgets::refuseReserved(m_file, m_prompter);
    refresh();
}

void StartupPage::refresh()
{
    using Startup = WizardProject::Startup;
    const Startup s = m_project.startup;
    m_nothing->setChecked(s == Startup::Nothing);
    m_multimedia->setChecked(s == Startup::Multimedia);
    m_open->setChecked(s == Startup::Open);
    m_message->setChecked(s == Startup::Message);
    m_file->setEnabled(s == Startup::Multimedia);
    m_target->setText(s == Startup::Open ? m_project.startupTarget : QString());
    m_preview->setEnabled(s == Startup::Message);
}

void StartupPage::fallBack()
{
    m_project.startup = WizardProject::Startup::Nothing;
    refresh();
}

void StartupPage::chooseNothing()
{
    fallBack();
}

void StartupPage::chooseMultimedia()
{
    m_project.startup = WizardProject::Startup::Multimedia;
    refresh();
    m_file->setFocus();
}

void StartupPage::chooseOpen()
{
    const std::optional<WizardPrompts::Target> target = WizardPrompts(m_prompter).askTarget();
    if (!target)
        return fallBack();
    m_project.startup = WizardProject::Startup::Open;
    m_project.startupTarget = target->target;
    m_project.startupTargetKind = target->kind;
    refresh();
}

void StartupPage::chooseMessage()
{
    const std::optional<WizardPrompts::Message> message =
        WizardPrompts(m_prompter).askMessage(m_project.startupTitle, m_project.startupMessage);
    if (!message)
        return fallBack();
    m_project.startup = WizardProject::Startup::Message;
    m_project.startupTitle = message->title;
    m_project.startupMessage = message->text;
    refresh();
}

void StartupPage::preview()
{
    m_prompter.message(m_project.startupMessage, m_project.startupTitle, MessageIcon::Information);
}
