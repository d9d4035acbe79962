#include "setup/gui/InstallWizard.h"

#include "prompt/Prompter.h"
#include "setup/core/Destination.h"
#include "setup/core/Installation.h"
#include "setup/gui/ProgressBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

InstallWizard::InstallWizard(SetupPlaces places, Prompter &prompter, StartDesigner startDesigner, QWidget *parent)
    : QWidget(parent, Qt::Dialog), m_places(std::move(places)), m_prompter(prompter),
      m_startDesigner(std::move(startDesigner)), m_destination(new QLineEdit(destination::defaultFolder())),
      m_browse(new QPushButton(u"&Parcourir"_s)), m_continue(new QPushButton(u"Continuer >>"_s)),
      m_cancel(new QPushButton(u"&Annuler"_s)), m_progressPanel(new QWidget), m_bar(new ProgressBox),
      m_status1(new QLabel(u"Statut"_s)), m_status2(new QLabel(u"Statut"_s))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Installation de ZEP..."_s);
    setMinimumWidth(520);

    auto *welcome = new QLabel(u"Bienvenue dans l'installation de ZEP"_s);
    QFont big = welcome->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    welcome->setFont(big);
    auto *explanation =
        new QLabel(u"ZEP va être installer dans le répertoire ci-dessous, pour le changer cliquez sur 'Parcourir' :"_s);
    explanation->setWordWrap(true);

    auto *frame = new QGroupBox(u"Destination"_s);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(m_destination, 1);
    frameLayout->addWidget(m_browse);

    for (QLabel *line : {m_status1, m_status2})
        line->setTextInteractionFlags(Qt::NoTextInteraction);
    auto *progressLayout = new QVBoxLayout(m_progressPanel);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    progressLayout->addWidget(m_bar);
    progressLayout->addWidget(m_status1);
    progressLayout->addWidget(m_status2);
    m_progressPanel->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_continue);
    buttons->addWidget(m_cancel);
    m_continue->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(welcome);
    layout->addWidget(explanation);
    layout->addWidget(frame);
    layout->addWidget(m_progressPanel);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_browse, &QPushButton::clicked, this, &InstallWizard::browse);
    connect(m_continue, &QPushButton::clicked, this, &InstallWizard::install);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (confirmQuit())
            emit ended(0);
    });
}

QString InstallWizard::firstStatus() const
{
    return m_status1->text();
}

QString InstallWizard::secondStatus() const
{
    return m_status2->text();
}

void InstallWizard::closeEvent(QCloseEvent *event)
{
    if (m_ending || confirmQuit()) {
        event->accept();
        if (!m_ending)
            emit ended(0);
        return;
    }
    event->ignore();
}

bool InstallWizard::confirmQuit()
{
    return m_prompter.message(u"Quitter l'installation ?"_s, u"Installation..."_s, MessageIcon::Question,
                              MessageButtons::YesNo) == Answer::Yes;
}

void InstallWizard::browse()
{
    QString chosen = m_prompter.folder(
        {u"Veuillez choisir un dossier dans la liste puis cliquer sur 'OK' pour retourner à l'installation de ZEP :"_s});
    chosen.truncate(chosen.indexOf(QChar(0)) == -1 ? chosen.size() : chosen.indexOf(QChar(0)));
    if (!chosen.isEmpty())
        m_destination->setText(chosen);
}

void InstallWizard::install()
{
    const QString folder = withFinalSeparator(m_destination->text());
    m_destination->setText(folder);
    if (const destination::Refusal refusal = destination::check(folder, m_places.sourceFolder);
        refusal != destination::Refusal::None) {
        m_prompter.message(destination::refusalText(refusal, folder), u"Erreur"_s, MessageIcon::Critical);
        return;
    }

    Installation installation(m_places, folder, *this);
    m_continue->setEnabled(false);
    m_progressPanel->show();
    adjustSize();
    repaintNow();
    if (const ZepError error = installation.prepare(); error.isError()) {
        m_prompter.message(error.description + u"\r\n"_s + u"Vérifez que ZEP soit fermé et redémarrez l'installation !"_s,
                           u"Erreur n°"_s + QString::number(error.number), MessageIcon::Critical);
        m_ending = true;
        emit ended(1);
        return;
    }
    installation.install();

    const Answer start = m_prompter.message(
        u"Installation terminée avec succès !\r\n\r\nVoulez-vous démarrer ZEP tout de suite ?"_s,
        u"Installation terminée !"_s, MessageIcon::Question, MessageButtons::YesNo);
    if (start == Answer::Yes)
        m_startDesigner(folder + u"zep"_s, folder);
    m_ending = true;
    emit ended(0);
}

void InstallWizard::copying(int index, int count, const QString &from, const QString &to)
{
    if (index > 0)
        m_bar->setFilledWidth(m_bar->width() * index / count - 2);
    m_status1->setText(u"De "_s + from);
    m_status2->setText(u"Vers "_s + to);
    repaintNow();
}

void InstallWizard::status(const QString &first, const QString &second)
{
    m_status1->setText(first);
    m_status2->setText(second);
}

void InstallWizard::finished()
{
    m_bar->fill();
    repaintNow();
}

void InstallWizard::repaintNow()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
