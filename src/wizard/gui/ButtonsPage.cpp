#include "wizard/gui/ButtonsPage.h"

#include "common/Phrases.h"
#include "prompt/Prompter.h"
#include "wizard/WizardProject.h"
#include "wizard/WizardPrompts.h"
#include "wizard/gui/ButtonEditor.h"
#include "wizard/gui/ButtonPreview.h"
#include "wizard/gui/WizardWidgets.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ButtonsPage::ButtonsPage(WizardProject &project, Prompter &prompter, const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_project(project), m_prompter(prompter)
{
    setObjectName(u"etape3"_s);
    m_list = named(new QListWidget, u"liste_boutons"_s);
    auto *add = named(new QPushButton(u"Ajouter"_s), u"ajouter"_s);
    auto *remove = named(new QPushButton(u"Supprimer"_s), u"supprimer"_s);
    m_preview = wizardwidgets::keepDesign(new ButtonPreview);
    m_editor = new ButtonEditor(prompter, programFolder);
    m_editor->hide();

    auto *present = named(new QGroupBox(u"Les boutons présents"_s), u"boutons_presents"_s);
    auto *presentLayout = new QVBoxLayout(present);
    presentLayout->addWidget(m_list);
    auto *presentButtons = new QHBoxLayout;
    presentButtons->addWidget(add);
    presentButtons->addWidget(remove);
    presentLayout->addLayout(presentButtons);
    auto *previewBox = named(new QGroupBox(u"Aperçu"_s), u"cadre_apercu"_s);
    auto *previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(m_preview);
    auto *top = new QHBoxLayout;
    top->addWidget(present, 3);
    top->addWidget(previewBox, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(wizardwidgets::stepLabel(u"Etape 3:"_s), u"etape_3"_s));
    layout->addWidget(
        named(wizardwidgets::paragraph(u"Nous allons maintenant créer les boutons (style, texte etc...)."_s),
              u"intro_boutons"_s));
    layout->addLayout(top, 1);
    layout->addWidget(m_editor);

    connect(add, &QPushButton::clicked, this, &ButtonsPage::add);
    connect(remove, &QPushButton::clicked, this, &ButtonsPage::remove);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ButtonsPage::previewEntry);
    connect(m_editor, &ButtonEditor::validated, this, &ButtonsPage::append);
    connect(m_editor, &ButtonEditor::previewRequested, m_preview, &ButtonPreview::showButton);
    connect(m_editor, &ButtonEditor::cancelled, m_editor, &QWidget::hide);
}

void ButtonsPage::fillList(QListWidget *list, const WizardProject &project)
{
    list->clear();
    for (int i = 0; i < project.buttons.size(); ++i) {
        if (project.buttons[i].deleted)
            continue;
        auto *item = new QListWidgetItem(project.buttons[i].caption(), list);
        item->setData(Qt::UserRole, i);
    }
}

int ButtonsPage::positionOf(const QListWidgetItem *item)
{
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void ButtonsPage::add()
{
    m_editor->reset(m_project.backgroundIsImage ? 16777215 : m_project.backgroundColour);
    m_editor->show();
}

void ButtonsPage::append(const WizardButton &made)
{
    WizardButton b = made;
    b.number = m_project.nextButtonNumber++;
    m_project.buttons.append(b);
    fillList(m_list, m_project);
    m_editor->hide();
}

void ButtonsPage::remove()
{
    QListWidgetItem *item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        m_prompter.message(Phrases::text(Phrase::SelectButtonToDelete), Phrases::text(Phrase::WizardTitle),
                           MessageIcon::Exclamation);
        return;
    }
    WizardButton &b = m_project.buttons[positionOf(item)];
    const Answer answer =
        m_prompter.message(Phrases::text(Phrase::DeleteButtonNumber) + QString::number(b.shownNumber()) +
                               Phrases::text(Phrase::SpaceQuestionMark),
                           Phrases::text(Phrase::WizardTitle), MessageIcon::Question, MessageButtons::YesNo);
    if (answer != Answer::Yes)
        return;
    b.deleted = true;
    delete item;
    m_preview->clear();
}

void ButtonsPage::previewEntry(QListWidgetItem *item)
{
    if (!m_editor->isHidden()) {
        m_prompter.message(Phrases::text(Phrase::NoPreviewWhileEditing), Phrases::text(Phrase::WizardTitle),
                           MessageIcon::Exclamation);
        return;
    }
    m_preview->showButton(m_project.buttons[positionOf(item)]);
}
