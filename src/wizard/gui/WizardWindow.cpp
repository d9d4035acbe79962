#include "wizard/gui/WizardWindow.h"

#include "common/PathText.h"
#include "common/Phrases.h"
#include "common/gui/ScreenMetrics.h"
#include "prompt/Prompter.h"
#include "wizard/WizardFinish.h"
#include "wizard/WizardPrompts.h"
#include "wizard/gui/ButtonsPage.h"
#include "wizard/gui/FunctionsPage.h"
#include "wizard/gui/GeneralPage.h"
#include "wizard/gui/SavePage.h"
#include "wizard/gui/StartupPage.h"
#include "wizard/gui/StepIllustration.h"
#include "wizard/gui/WizardWidgets.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QString WizardWindow::title(int step)
{
    return Phrases::text(phraseAfter(kFirstTitlePhrase, step));
}

WizardWindow::WizardWindow(Services services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(std::move(services))
{
    setObjectName(u"Form14"_s);
    setWindowTitle(Phrases::text(Phrase::WizardTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    Prompter &prompter = m_services.prompter;

    m_illustration = wizardwidgets::keepDesign(new StepIllustration(kSteps));
    m_title = named(new QLabel, u"titre"_s);
    m_title->setTextFormat(Qt::PlainText);
    m_title->setWordWrap(true);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    m_buttons = new ButtonsPage(m_project, prompter, m_services.programFolder);
    m_functions = new FunctionsPage(m_project, prompter);
    m_save = new SavePage(m_project, prompter);
    m_pages = named(new QStackedWidget, u"etapes"_s);
    m_pages->addWidget(new GeneralPage(m_project, prompter));
    m_pages->addWidget(new StartupPage(m_project, prompter));
    m_pages->addWidget(m_buttons);
    m_pages->addWidget(m_functions);
    m_pages->addWidget(m_save);

    auto *cancel = named(new QPushButton(u"Annuler"_s), u"annuler"_s);
    m_previous = named(new QPushButton(u"< &Précédent"_s), u"precedent"_s);
    m_next = named(new QPushButton(u"&Suivant >"_s), u"suivant"_s);
    m_finish = named(new QPushButton(u"&Terminer"_s), u"terminer"_s);

    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *content = new QVBoxLayout;
    content->setContentsMargins(16, 12, 16, 12);
    content->setSpacing(6);
    content->addWidget(m_title);
    content->addSpacing(6);
    content->addWidget(m_pages, 1);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(m_illustration);
    body->addLayout(content, 1);
    auto *navigation = new QHBoxLayout;
    navigation->setContentsMargins(12, 8, 12, 12);
    navigation->setSpacing(6);
    navigation->addWidget(cancel);
    navigation->addStretch();
    navigation->addWidget(m_previous);
    navigation->addWidget(m_next);
    navigation->addSpacing(12);
    navigation->addWidget(m_finish);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(line);
    layout->addLayout(navigation);
    resize(720, 560);

    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_previous, &QPushButton::clicked, this, &WizardWindow::previous);
    connect(m_next, &QPushButton::clicked, this, &WizardWindow::next);
    connect(m_finish, &QPushButton::clicked, this, &WizardWindow::finish);
    goTo(0);
}

WizardWindow::~WizardWindow() = default;

void WizardWindow::goTo(int step)
{
    m_step = std::clamp(step, 0, kSteps - 1);
    m_pages->setCurrentIndex(m_step);
    m_illustration->setStep(m_step);
    m_title->setText(title(m_step));
    if (m_step == 3)
        m_functions->enter();
    if (m_step == 4)
        m_save->enter();
    m_previous->setEnabled(m_step > 0);
    m_next->setEnabled(m_step < kSteps - 1);
    m_finish->setEnabled(m_step == kSteps - 1);
}

void WizardWindow::next()
{
    goTo(m_step + 1);
}

void WizardWindow::previous()
{
    goTo(m_step - 1);
}

void WizardWindow::finish()
{
    const WizardFinish::Outcome outcome = WizardFinish(screenmetrics::twipsPerPixel()).run(m_project);
    m_save->refresh();
    if (!outcome.succeeded()) {
        m_services.prompter.message(outcome.problem, Phrases::text(Phrase::WizardTitle), MessageIcon::Exclamation);
        return;
    }
    hide();
    QDir::setCurrent(pathtext::folderOf(outcome.projectFile));
    if (m_services.openProject)
        m_services.openProject(outcome.projectFile);
    m_services.prompter.message(Phrases::text(Phrase::WizardMenuSaved), Phrases::text(Phrase::WizardTitle),
                                MessageIcon::Information);
    m_finished = true;
    close();
}

void WizardWindow::closeEvent(QCloseEvent *event)
{
    if (!m_finished) {
        MessageRequest question{Phrases::text(Phrase::QuitWizardQuestion), Phrases::text(Phrase::WizardTitle),
                                MessageIcon::Question, MessageButtons::YesNo};
        question.defaultButton = 2;
        if (m_services.prompter.message(question) != Answer::Yes) {
            event->ignore();
            return;
        }
    }
    m_project.buttons.clear();
    m_open = false;
    emit closed();
    event->accept();
}
