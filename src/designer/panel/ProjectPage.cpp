#include "designer/panel/ProjectPage.h"

#include "common/NumberText.h"
#include "common/Phrases.h"
#include "common/gui/ColourSwatch.h"
#include "designer/panel/ClickableLabel.h"
#include "designer/panel/FileChoosers.h"
#include "designer/panel/PanelForm.h"
#include "designer/panel/PanelRules.h"
#include "designer/panel/WrapCheckBox.h"
#include "project/StartupAction.h"
#include "prompt/Prompter.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace panelform;

namespace {

void setChecked(QCheckBox *box, int value)
{
    const QSignalBlocker blocker(box);
    box->setChecked(value != 0);
}

} // namespace

ProjectPage::ProjectPage(PanelContext context, QWidget *parent) : QWidget(parent), m_ctx(std::move(context))
{
    setObjectName(u"PageProjet"_s);
    build();
    connectControls();
    connect(&m_ctx.project, &MenuProject::settingChanged, this, &ProjectPage::refresh);
    connect(&m_ctx.project, &MenuProject::projectReset, this, &ProjectPage::refreshAll);
    refreshAll();
}

void ProjectPage::build()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    layout->addWidget(caption(u"LabelImageFond"_s, u"Image de fond :"_s, this));
    m_background = field(u"ImageFond"_s, this);
    row(layout, {m_background, smallButton(u"ChoisirImageFond"_s, u"..."_s, this),
                 smallButton(u"EffacerImageFond"_s, u"X"_s, this)});

    m_fullScreen = new QCheckBox(u"Plein écran"_s, this);
    m_fullScreen->setObjectName(u"PleinEcran"_s);
    layout->addWidget(m_fullScreen);

    layout->addWidget(caption(u"LabelTaille"_s, u"Taille :"_s, this));
    m_width = field(u"Largeur"_s, this);
    m_height = field(u"Hauteur"_s, this);
    m_applySize = smallButton(u"AppliquerTaille"_s, u"OK"_s, this);
    row(layout, {m_width, new QLabel(u"x"_s, this), m_height, m_applySize});

    m_fit = button(u"AjusterImage"_s, u"Ajuster à l'image de fond"_s, this);
    layout->addWidget(m_fit);

    layout->addWidget(caption(u"LabelZoom"_s, u"Zoom (en gardant les proportions) :"_s, this));
    row(layout, {smallButton(u"ZoomMoins"_s, u"-"_s, this), smallButton(u"ZoomPlus"_s, u"+"_s, this)}, true);

    m_contours = new QCheckBox(u"Contours"_s, this);
    m_contours->setObjectName(u"Contours"_s);
    layout->addWidget(m_contours);

    m_backColour = new ColourSwatch(u"CouleurFond"_s, this);
    row(layout, {caption(u"LabelCouleurFond"_s, u"Couleur de fond :"_s, this), m_backColour}, true);

    layout->addWidget(caption(u"LabelActionDemarrage"_s, u"Action à effectuer au démarrage :"_s, this));
    m_startup = new QComboBox(this);
    m_startup->setObjectName(u"ActionDemarrage"_s);
    m_startup->addItems({u"Rien"_s, u"Lancer un fichier multimédia"_s, u"Exécuter du code VBS"_s});
    m_startup->setMinimumContentsLength(8);
    m_startup->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    layout->addWidget(m_startup);
    m_startupLabel = new QLabel(this);
    m_startupLabel->setObjectName(u"ActionDemarrageTexte"_s);
    m_startupLabel->setMinimumWidth(20);
    m_startupModify = smallButton(u"ModifActionDemarrage"_s, u"&Modif."_s, this);
    row(layout, {m_startupLabel, m_startupModify});

    layout->addWidget(caption(u"LabelMusique"_s, u"Musique de fond :"_s, this));
    m_music = field(u"Musique"_s, this);
    row(layout,
        {m_music, smallButton(u"ChoisirMusique"_s, u"..."_s, this), smallButton(u"EffacerMusique"_s, u"X"_s, this)});

    layout->addWidget(caption(u"LabelIcone"_s, u"Icône du CD :"_s, this));
    m_icon = field(u"Icone"_s, this);
    row(layout,
        {m_icon, smallButton(u"ChoisirIcone"_s, u"..."_s, this), smallButton(u"IconeParDefaut"_s, u"D"_s, this)});

    m_handCursor =
        new WrapCheckBox(u"CurseurMain"_s, u"Curseur \"main\" au survol   des boutons (à l'exécution)"_s, this);
    layout->addWidget(m_handCursor);

    layout->addWidget(caption(u"LabelGlobal"_s, u"Déclarations VBS globales :"_s, this));
    row(layout, {button(u"ModifGlobal"_s, u"&Modif."_s, this), new ClickableLabel(u"AideGlobal"_s, u"[?]"_s, this)},
        true);

    m_timer = new QCheckBox(u"Minuteur"_s, this);
    m_timer->setObjectName(u"Minuteur"_s);
    layout->addWidget(m_timer);
    m_timerFrame = new QFrame(this);
    m_timerFrame->setObjectName(u"CadreMinuteur"_s);
    m_timerFrame->setFrameShape(QFrame::StyledPanel);
    auto *timer = new QVBoxLayout(m_timerFrame);
    timer->setContentsMargins(4, 4, 4, 4);
    timer->setSpacing(3);
    m_interval = field(u"Intervalle"_s, m_timerFrame);
    m_interval->installEventFilter(this);
    row(timer, {label(u"LabelToutesLes"_s, u"Toutes les"_s, m_timerFrame), m_interval,
                label(u"LabelMs"_s, u"ms"_s, m_timerFrame)});
    timer->addWidget(label(u"LabelCodeMinuteur"_s, u"exécuter ce code VBS :"_s, m_timerFrame));
    row(timer, {button(u"ModifMinuteur"_s, u"&Modif."_s, m_timerFrame)}, true);
    layout->addWidget(m_timerFrame);

    m_contextMenu = new WrapCheckBox(u"MenuContextuel"_s, u"Menu contextuel à l'exécution"_s, this);
    layout->addWidget(m_contextMenu);

    layout->addWidget(caption(u"LabelSurvolFenetre"_s, u"Actions au survol :"_s, this));
    row(layout, {button(u"ModifSurvolFenetre"_s, u"Modif."_s, this)}, true);
    layout->addStretch();
}

void ProjectPage::connectControls()
{
    auto clicked = [this](const QString &name, auto handler) {
        connect(findChild<QPushButton *>(name), &QPushButton::clicked, this, handler);
    };
    connect(m_background, &QLineEdit::editingFinished, this,
            [this] { m_ctx.document.setSetting(&ProjectSettings::backgroundImage, m_background->text()); });
    clicked(u"ChoisirImageFond"_s, [this] { chooseBackground(); });
    clicked(u"EffacerImageFond"_s, [this] { m_ctx.document.setSetting(&ProjectSettings::backgroundImage, QString()); });
    connect(m_fullScreen, &QCheckBox::clicked, this,
            [this](bool on) { m_ctx.document.setSetting(&ProjectSettings::fullScreen, on ? 1 : 0); });
    connect(m_applySize, &QPushButton::clicked, this, [this] { applySize(); });
    connect(m_fit, &QPushButton::clicked, this, [this] { fitToBackground(); });
    clicked(u"ZoomMoins"_s, [this] { zoom(false); });
    clicked(u"ZoomPlus"_s, [this] { zoom(true); });
    connect(m_contours, &QCheckBox::clicked, this,
            [this](bool on) { m_ctx.document.setSetting(&ProjectSettings::contours, on ? 1 : 0); });
    connect(m_backColour, &ColourSwatch::clicked, this, [this] { chooseBackgroundColour(); });
    connect(m_startup, &QComboBox::activated, this, [this](int index) { runStartupSelector(index); });
    connect(m_startupModify, &QPushButton::clicked, this, [this] { runStartupSelector(m_startup->currentIndex()); });

    connect(m_music, &QLineEdit::editingFinished, this,
            [this] { m_ctx.document.setSetting(&ProjectSettings::backgroundMusic, m_music->text()); });
    clicked(u"ChoisirMusique"_s, [this] {
        if (const auto file = filechoosers::chooseFile(m_ctx.prompter, Phrases::text(Phrase::BackgroundMusicEllipsis),
                                                       filechoosers::musicFilter()))
            m_ctx.document.setSetting(&ProjectSettings::backgroundMusic, *file);
    });
    clicked(u"EffacerMusique"_s, [this] { m_ctx.document.setSetting(&ProjectSettings::backgroundMusic, QString()); });
    connect(m_icon, &QLineEdit::editingFinished, this, [this] { m_ctx.document.setSetting(&ProjectSettings::icon, m_icon->text()); });
    clicked(u"ChoisirIcone"_s, [this] {
        if (const auto file = filechoosers::chooseFile(m_ctx.prompter, Phrases::text(Phrase::CdIconEllipsis),
                                                       filechoosers::iconFilter()))
            m_ctx.document.setSetting(&ProjectSettings::icon, *file);
    });
    clicked(u"IconeParDefaut"_s, [this] {
        m_ctx.document.setSetting(&ProjectSettings::icon, Phrases::packActive() ? ProjectSettings::defaultIconMarker()
                                                                                : ProjectSettings::kIconResetMarker);
    });
    connect(m_handCursor, &QCheckBox::clicked, this, [this](bool on) { m_ctx.document.setSetting(&ProjectSettings::handCursor, on ? 1 : 0); });

    clicked(u"ModifGlobal"_s, [this] { requestScript(ScriptOpener::GlobalScript); });
    connect(findChild<ClickableLabel *>(u"AideGlobal"_s), &ClickableLabel::clicked, this, [this] {
        m_ctx.prompter.message(Phrases::text(Phrase::GlobalScriptHelp), Phrases::text(Phrase::QuickHelp),
                               MessageIcon::Information);
    });
    connect(m_timer, &QCheckBox::clicked, this,
            [this](bool on) { m_ctx.document.setSetting(&ProjectSettings::timerEnabled, on ? 1 : 0); });
    connect(m_interval, &QLineEdit::textEdited, this, [this](const QString &text) { setInterval(text); });
    clicked(u"ModifMinuteur"_s, [this] { requestScript(ScriptOpener::TimerScript); });
    connect(m_contextMenu, &QCheckBox::clicked, this, [this](bool on) { m_ctx.document.setSetting(&ProjectSettings::contextMenu, on ? 1 : 0); });
    clicked(u"ModifSurvolFenetre"_s, [this] { requestScript(ScriptOpener::WindowHover); });
}

void ProjectPage::refreshAll()
{
    for (int f = int(ProjectField::BackgroundImage); f <= int(ProjectField::WindowHoverCode); ++f)
        refresh(ProjectField(f));
}

void ProjectPage::refresh(ProjectField field)
{
    const ProjectSettings &s = m_ctx.project.settings();
    switch (field) {
    case ProjectField::BackgroundImage:
        setText(m_background, s.backgroundImage);
        break;
    case ProjectField::FullScreen:
        setChecked(m_fullScreen, s.fullScreen);
        for (QWidget *w : std::initializer_list<QWidget *>{m_width, m_height, m_applySize, m_fit})
            w->setEnabled(s.fullScreen == 0);
        break;
    case ProjectField::Size:
        setText(m_width, numtext::format(s.width));
        setText(m_height, numtext::format(s.height));
        break;
    case ProjectField::Contours:
        setChecked(m_contours, s.contours);
        break;
    case ProjectField::Icon:
        setText(m_icon, s.icon);
        break;
    case ProjectField::BackgroundMusic:
        setText(m_music, s.backgroundMusic);
        break;
    case ProjectField::StartupAction:
        if (!m_inStartupSelector) {
            const QSignalBlocker blocker(m_startup);
            m_startup->setCurrentIndex(int(startup::kindOf(s.startupAction)));
        }
        showStartupAction();
        break;
    case ProjectField::BackgroundColour:
        m_backColour->setColour(s.backgroundColour);
        break;
    case ProjectField::ContextMenu:
        setChecked(m_contextMenu, s.contextMenu);
        break;
    case ProjectField::TimerEnabled:
        setChecked(m_timer, s.timerEnabled);
        m_timerFrame->setEnabled(s.timerEnabled != 0);
        break;
    case ProjectField::TimerInterval:
        setText(m_interval, s.timerInterval);
        break;
    case ProjectField::HandCursor:
        setChecked(m_handCursor, s.handCursor);
        break;
    default:
        break;
    }
}

void ProjectPage::showStartupAction()
{
    switch (StartupKind(m_startup->currentIndex())) {
    case StartupKind::Nothing:
        m_startupLabel->clear();
        m_startupModify->hide();
        break;
    case StartupKind::MultimediaFile:
        m_startupLabel->setText(m_ctx.project.settings().startupAction);
        m_startupModify->show();
        break;
    case StartupKind::Script:
        m_startupLabel->setText(Phrases::text(Phrase::ScriptCodeLabel));
        m_startupModify->show();
        break;
    }
}

void ProjectPage::chooseBackground()
{
    if (const auto file = filechoosers::chooseImage(m_ctx.prompter, Phrases::text(Phrase::BackgroundImage)))
        m_ctx.document.setSetting(&ProjectSettings::backgroundImage, *file);
}

void ProjectPage::applySize()
{
    const std::optional<QSizeF> size = panelrules::parseSize(m_width->text(), m_height->text());
    if (!size) {
        m_ctx.prompter.message(Phrases::text(Phrase::EnterValidNumbers), Phrases::text(Phrase::ErrorBang),
                               MessageIcon::Critical);
        return;
    }
    m_ctx.document.setSize(float(size->width()), float(size->height()));
}

void ProjectPage::fitToBackground()
{
    const QString &file = m_ctx.project.settings().backgroundImage;
    if (file.isEmpty())
        return;
    QImageReader reader(m_ctx.document.resolve(file));
    reader.setDecideFormatFromContent(true);
    QSize image = reader.size();
    if (!image.isValid())
        image = reader.read().size();
    if (image.isEmpty())
        return;
    // Each pass follows the worksheet's answer to the one before; all are one edit.
    m_ctx.document.endBurst();
    for (int pass = 0; pass < panelrules::kFitPasses; ++pass) {
        const ProjectSettings &s = m_ctx.project.settings();
        const QSizeF outer = panelrules::fitPass(QSizeF(s.width, s.height), QSizeF(image), QSizeF(m_ctx.clientSize()));
        m_ctx.document.setSize(float(outer.width()), float(outer.height()), u"fit"_s);
    }
    m_ctx.document.endBurst();
}

void ProjectPage::zoom(bool grow)
{
    const ProjectSettings &s = m_ctx.project.settings();
    const QSizeF outer = panelrules::zoomed(QSizeF(s.width, s.height), grow);
    m_ctx.document.setSize(float(outer.width()), float(outer.height()));
}

void ProjectPage::chooseBackgroundColour()
{
    if (const std::optional<int> colour = m_ctx.prompter.colour({m_ctx.project.settings().backgroundColour}))
        m_ctx.document.setSetting(&ProjectSettings::backgroundColour, *colour);
}

void ProjectPage::runStartupSelector(int index)
{
    const QScopedValueRollback guard(m_inStartupSelector, true);
    const QString &action = m_ctx.project.settings().startupAction;
    switch (StartupKind(index)) {
    case StartupKind::Nothing:
        m_ctx.document.setSetting(&ProjectSettings::startupAction, QString());
        break;
    case StartupKind::MultimediaFile: {
        // A script in place is dropped; an empty answer leaves no file either.
        InputRequest request;
        request.prompt = Phrases::text(Phrase::StartupFileHelp);
        request.defaultText = action.startsWith(startup::kScriptPrefix, Qt::CaseInsensitive) ? QString() : action;
        m_ctx.document.setSetting(&ProjectSettings::startupAction, m_ctx.prompter.input(request));
        break;
    }
    case StartupKind::Script:
        requestScript(ScriptOpener::StartupAction);
        break;
    }
    showStartupAction();
}

bool ProjectPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_interval && event->type() == QEvent::FocusOut)
        checkInterval();
    return QWidget::eventFilter(watched, event);
}

void ProjectPage::checkInterval()
{
    if (m_checkingInterval)
        return;
    const QScopedValueRollback guard(m_checkingInterval, true);
    const std::optional<QString> interval = panelrules::checkedInterval(m_interval->text());
    if (!interval) {
        m_ctx.prompter.message(Phrases::text(Phrase::TimerIntervalInvalid), Phrases::text(Phrase::Timer),
                               MessageIcon::Critical);
    }
    const QString kept = interval.value_or(panelrules::kDefaultInterval);
    m_interval->setText(kept);
    setInterval(kept);
    m_ctx.document.endBurst();
}

void ProjectPage::setInterval(const QString &text)
{
    ProjectSettings s = m_ctx.project.settings();
    s.timerInterval = text;
    m_ctx.document.editSettings(s, u"interval"_s);
}

void ProjectPage::requestScript(ScriptOpener opener)
{
    const ScriptOpening opening = scriptOpening(opener);
    emit scriptEditorRequested(opening.slot, opening.caption);
}
