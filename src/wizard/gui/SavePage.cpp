#include "wizard/gui/SavePage.h"

#include "common/Phrases.h"
#include "prompt/Prompter.h"
#include "wizard/WizardProject.h"
#include "wizard/gui/WizardWidgets.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SavePage::SavePage(WizardProject &project, Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_project(project), m_prompter(prompter)
{
    setObjectName(u"etape5"_s);
    auto *choose = named(new QPushButton(u"Enregistrer le menu dans..."_s), u"enregistrer_dans"_s);
    m_folder = named(new QLabel, u"dossier"_s);
    m_folder->setTextFormat(Qt::PlainText);
    m_folder->setWordWrap(true);
    m_folder->setFrameShape(QFrame::StyledPanel);
    m_folder->setMinimumHeight(m_folder->fontMetrics().height() + 8);
    QFont congratulations = font();
    congratulations.setPointSizeF(congratulations.pointSizeF() * 1.3);
    congratulations.setBold(true);
    auto *title = named(wizardwidgets::paragraph(u"Félicitations !"_s), u"felicitations"_s);
    title->setFont(congratulations);

    auto *chooseRow = new QHBoxLayout;
    chooseRow->addWidget(choose);
    chooseRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(wizardwidgets::stepLabel(u"Etape 5:"_s), u"etape_5"_s));
    layout->addWidget(title);
    layout->addWidget(named(wizardwidgets::paragraph(u"Votre menu est terminé, cliquez sur le bouton ci-dessous pour "
                                                     u"choisir le répertoire dans lequel il sera enregistré puis sur "
                                                     u"Terminer pour finir."_s),
                            u"fin_1"_s));
    layout->addLayout(chooseRow);
    layout->addWidget(m_folder);
    layout->addSpacing(8);
    layout->addWidget(named(
        wizardwidgets::paragraph(u"Ensuite vous allez retourner sous ZEP où vous pourrez modifier quelques détails "
                                 u"comme la position des boutons, la taille du menu, l'ajout ou non de boites de texte "
                                 u"pour insérer vos commentaires..."_s),
        u"fin_2"_s));
    layout->addWidget(
        named(wizardwidgets::paragraph(
                  u"Enfin, pour créer votre menu, vous devrez cliquer sur Créer > Compiler > en autorun."_s),
              u"fin_3"_s));
    layout->addStretch();

    connect(choose, &QPushButton::clicked, this, &SavePage::chooseFolder);
}

void SavePage::enter()
{
    if (m_project.saveFolder.isEmpty())
        m_project.saveFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    refresh();
}

void SavePage::refresh()
{
    m_folder->setText(QDir::toNativeSeparators(m_project.saveFolder));
}

void SavePage::chooseFolder()
{
    const QString folder = m_prompter.folder({Phrases::text(Phrase::ChooseMenuFolder)});
    if (folder.isEmpty())
        return;
    m_project.saveFolder = folder;
    refresh();
}
