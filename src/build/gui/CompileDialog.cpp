#include "build/gui/CompileDialog.h"

#include "common/PathText.h"
#include "common/Phrases.h"
#include "common/gui/NamedWidget.h"
#include "common/gui/ScreenMetrics.h"
#include "project/MenuProject.h"
#include "prompt/Prompter.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString colourStyle(int colour)
{
    const QColor c(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return u"color: "_s + c.name() + u';';
}

} // namespace

CompileDialog::CompileDialog(const MenuProject &project, const QString &projectFolder, Prompter &prompter,
                             const QString &programFolder, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_engine(project, projectFolder, programFolder)
{
    setObjectName(u"Form6"_s);
    setWindowTitle(u"Création pour graver"_s);
    setModal(true);
    m_engine.setProgress(this);
    m_engine.setReplaceDecision([this](const QString &cdFolder) { return mayReplace(cdFolder); });
    const CompileRequest defaults = CompileRequest::defaultsFor(project);

    m_instructions = named(new QLabel(u"Indiquez ci-dessous votre répertoire 'à graver', dans lequel seront placés "
                                      u"tous les fichiers à graver. Le fichier 'autorun.inf' et le dossier 'zep' "
                                      u"devront être copié à la racine du CD-R (c'est à dire dans aucun "
                                      u"dossier/sous dossier) :"_s),
                           u"instructions"_s);
    m_instructions->setWordWrap(true);
    m_instructions->setTextFormat(Qt::PlainText);
    m_folder = named(new QLineEdit, u"repertoire"_s);
    m_browse = named(new QPushButton(u"..."_s), u"parcourir"_s);
    m_projectName = named(new QLineEdit(defaults.projectName), u"nom_projet"_s);
    m_author = named(new QLineEdit(defaults.author), u"auteur_projet"_s);
    m_light = named(new QCheckBox(u"Ne pas copier les fichiers 'RUNTIME'"_s), u"leger"_s);
    m_infos = named(new QLabel(u"<a href=\"#\">[Infos]</a>"_s), u"infos"_s);
    m_subMenu = named(new QCheckBox(u"Sous menu    Nom :"_s), u"sous_menu"_s);
    m_subMenuName = named(new QLineEdit(CompileRequest::kDefaultSubMenuName), u"nom_sous_menu"_s);
    m_subMenuName->setEnabled(false);
    m_status = named(new QLabel(u"En attente de validation du répertoire..."_s), u"etat"_s);
    m_step = named(new QLabel, u"etape"_s);
    m_icon = named(new QLabel, u"icone"_s);
    m_icon->setFixedSize(40, 40);
    m_icon->setAlignment(Qt::AlignCenter);
    m_validate = named(new QPushButton(u"&Valider"_s), u"valider"_s);

    const QString &icon = project.settings().icon;
    const QString iconFile =
        ProjectSettings::isIconMarker(icon) ? QDir(programFolder).filePath(u"autorun.ico"_s) : m_engine.resolve(icon);
    if (const QPixmap picture(iconFile); !picture.isNull())
        m_icon->setPixmap(picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder);
    folderRow->addWidget(m_browse);
    auto *fields = new QGridLayout;
    fields->addWidget(named(new QLabel(u"Nom du projet :"_s), u"label_nom"_s), 0, 0);
    fields->addWidget(m_projectName, 0, 1);
    fields->addWidget(named(new QLabel(u"Auteur du projet :"_s), u"label_auteur"_s), 1, 0);
    fields->addWidget(m_author, 1, 1);
    auto *lightRow = new QHBoxLayout;
    lightRow->addWidget(m_light);
    lightRow->addWidget(m_infos);
    lightRow->addStretch();
    auto *subRow = new QHBoxLayout;
    subRow->addWidget(m_subMenu);
    subRow->addWidget(m_subMenuName);
    auto *progress = named(new QGroupBox(u"Progression"_s), u"progression"_s);
    auto *progressLayout = new QVBoxLayout(progress);
    progressLayout->addWidget(m_status);
    progressLayout->addWidget(m_step);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_icon);
    bottom->addStretch();
    bottom->addWidget(m_validate);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_instructions);
    layout->addLayout(folderRow);
    layout->addLayout(fields);
    layout->addLayout(lightRow);
    layout->addLayout(subRow);
    layout->addWidget(progress);
    layout->addLayout(bottom);
    resize(520, sizeHint().height());

    connect(m_validate, &QPushButton::clicked, this, &CompileDialog::compile);
    connect(m_browse, &QPushButton::clicked, this, &CompileDialog::browse);
    connect(m_infos, &QLabel::linkActivated, this, &CompileDialog::showRuntimeInfo);
    connect(m_subMenu, &QCheckBox::clicked, this, &CompileDialog::subMenuClicked);
}

QString CompileDialog::runtimeInfoText()
{
    return Phrases::text(Phrase::NoRuntimeHelp);
}

void CompileDialog::showRuntimeInfo()
{
    m_prompter.message(runtimeInfoText(), Phrases::text(Phrase::QuickHelp), MessageIcon::Information);
}

void CompileDialog::subMenuClicked()
{
    m_subMenuName->setEnabled(m_subMenu->isChecked());
    m_light->setEnabled(!m_subMenuName->isEnabled());
}

void CompileDialog::browse()
{
    QString folder = m_prompter.folder({Phrases::text(Phrase::ChooseCompileFolder)});
    if (const qsizetype nul = folder.indexOf(QChar(0)); nul >= 0)
        folder.truncate(nul);
    if (!folder.isEmpty())
        m_folder->setText(folder);
    m_folder->setFocus();
}

void CompileDialog::compile()
{
    CompileRequest request;
    request.folder = m_folder->text();
    request.projectName = m_projectName->text();
    request.author = m_author->text();
    request.light = m_light->isChecked();
    request.subMenu = m_subMenu->isChecked();
    request.subMenuName = m_subMenuName->text();
    offerToCreate(request.folder);
    m_outcome = m_engine.compile(request);
    if (m_outcome.hasNotice())
        m_prompter.message(m_outcome.notice);
}

void CompileDialog::offerToCreate(const QString &cdFolder)
{
    const QString folder = pathtext::toHost(cdFolder);
    if (folder.trimmed().isEmpty() || QFileInfo::exists(folder))
        return;
    MessageRequest question;
    question.text = Phrases::text(Phrase::TheFolder) + cdFolder + Phrases::text(Phrase::CreateMissingFolder);
    question.title = Phrases::text(Phrase::CompileTitle);
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    // Declined or impossible, the compilation refuses the folder as before.
    if (m_prompter.message(question) == Answer::Yes)
        QDir().mkpath(folder);
}

void CompileDialog::centreOn(const QWidget *window)
{
    move(screenmetrics::centredTopLeft(frameGeometry().size(), window->frameGeometry().center()));
}

bool CompileDialog::mayReplace(const QString &cdFolder)
{
    MessageRequest question;
    question.text = Phrases::text(Phrase::InFolderOpen) + cdFolder + Phrases::text(Phrase::AlreadyCompiledReplace);
    question.title = Phrases::text(Phrase::CompileTitle);
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = 2;
    return m_prompter.message(question) == Answer::Yes;
}

void CompileDialog::status(const QString &text, int colour)
{
    m_status->setText(text);
    if (colour >= 0)
        m_status->setStyleSheet(colourStyle(colour));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CompileDialog::step(const QString &text)
{
    m_step->setText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CompileDialog::fieldsEnabled(bool enabled)
{
    for (QWidget *field :
         {static_cast<QWidget *>(m_validate), static_cast<QWidget *>(m_folder), static_cast<QWidget *>(m_projectName),
          static_cast<QWidget *>(m_author), static_cast<QWidget *>(m_light)})
        field->setEnabled(enabled);
}

void CompileDialog::report(const QString &text)
{
    m_instructions->setText(text);
}

void CompileDialog::folderCompleted(const QString &folder)
{
    m_folder->setText(folder);
}
