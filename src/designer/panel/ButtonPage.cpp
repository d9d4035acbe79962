#include "designer/panel/ButtonPage.h"

#include "build/TransparencyRenderer.h"
#include "common/Phrases.h"
#include "common/gui/ColourSwatch.h"
#include "designer/panel/ClickableLabel.h"
#include "designer/panel/FileChoosers.h"
#include "designer/panel/PanelForm.h"
#include "prompt/Prompter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace panelform;

ButtonPage::ButtonPage(PanelContext context, QWidget *parent) : QWidget(parent), m_ctx(std::move(context))
{
    setObjectName(u"PageBouton"_s);
    build();
    connectControls();
    connect(&m_ctx.project, &MenuProject::buttonChanged, this, [this](int slot) {
        if (slot == m_slot)
            fill();
    });
    connect(&m_ctx.project, &MenuProject::settingChanged, this, [this](ProjectField field) {
        if (field == ProjectField::HoverSound || field == ProjectField::ClickSound)
            refreshSounds();
    });
    connect(&m_ctx.project, &MenuProject::projectReset, this, &ButtonPage::refreshSounds);
    refreshSounds();
}

void ButtonPage::build()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    const auto imageRow = [&](const QString &text, const QString &name, QLineEdit *&edit) {
        layout->addWidget(caption(u"Label"_s + name, text, this));
        edit = field(name, this);
        row(layout, {edit, smallButton(u"Choisir"_s + name, u"..."_s, this)});
    };
    imageRow(u"Image normale :"_s, u"ImageNormale"_s, m_normal);
    imageRow(u"Image au survol :"_s, u"ImageSurvol"_s, m_hover);
    imageRow(u"Image clique :"_s, u"ImageClique"_s, m_click);

    const auto soundRow = [&](const QString &text, const QString &name, QLineEdit *&edit) {
        layout->addWidget(caption(u"Label"_s + name, text, this));
        edit = field(name, this);
        row(layout,
            {edit, smallButton(u"Choisir"_s + name, u"..."_s, this), smallButton(u"Effacer"_s + name, u"X"_s, this)});
    };
    soundRow(u"Son 'survol' :"_s, u"SonSurvol"_s, m_hoverSound);
    soundRow(u"Son 'clique' :"_s, u"SonClique"_s, m_clickSound);

    layout->addWidget(button(u"ModifPosition"_s, u"Modifier la position"_s, this));
    layout->addWidget(button(u"ModifPositionPx"_s, u"Modifier la position (px)"_s, this));
    layout->addWidget(caption(u"LabelSurvolBouton"_s, u"Actions au survol :"_s, this));
    row(layout, {button(u"ModifSurvolBouton"_s, u"Modif."_s, this)}, true);

    auto *frame = new QGroupBox(u"Transparence"_s, this);
    frame->setObjectName(u"Transparence"_s);
    auto *transparency = new QVBoxLayout(frame);
    transparency->setContentsMargins(4, 4, 4, 4);
    transparency->setSpacing(3);
    m_transparent = new QCheckBox(u"Activée"_s, frame);
    m_transparent->setObjectName(u"TransparenceActivee"_s);
    transparency->addWidget(m_transparent);
    m_transparentColour = new ColourSwatch(u"CouleurTransparente"_s, frame);
    row(transparency, {label(u"LabelCouleurTransparente"_s, u"Couleur :"_s, frame), m_transparentColour}, true);
    row(transparency,
        {button(u"ApercuRapide"_s, u"Aperçu rapide"_s, frame),
         new ClickableLabel(u"InfosTransparence"_s, u"[Infos]"_s, frame)},
        true);
    layout->addWidget(frame);

    m_multimediaPage = new QWidget(this);
    m_multimediaPage->setObjectName(u"PageMultimedia"_s);
    auto *multimedia = new QVBoxLayout(m_multimediaPage);
    multimedia->setContentsMargins(0, 0, 0, 0);
    multimedia->setSpacing(3);
    multimedia->addWidget(caption(u"LabelFichierMultimedia"_s, u"Nom du fichier mutimédia :"_s, m_multimediaPage));
    m_multimedia = field(u"FichierMultimedia"_s, m_multimediaPage);
    m_multimediaChoose = smallButton(u"PlacerMultimedia"_s, u"..."_s, m_multimediaPage);
    row(multimedia,
        {m_multimedia, m_multimediaChoose, new ClickableLabel(u"AideMultimedia"_s, u"[?]"_s, m_multimediaPage)});
    layout->addWidget(m_multimediaPage);

    m_placementMenu = new QMenu(this);
    m_placementMenu->setObjectName(u"MenuPlacementMultimedia"_s);
    const auto placement = [this](const QString &name, const QString &text, panelrules::Placement where) {
        QAction *action = m_placementMenu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, where] { placeMultimedia(where); });
    };
    placement(u"PlacementRacine"_s, u"Le fichier sera dans le répertoire racine du CD"_s, panelrules::Placement::Root);
    placement(u"PlacementRepertoires"_s, u"Le fichier sera dans un (ou des) répertoire(s) du CD"_s,
              panelrules::Placement::Folders);
    placement(u"PlacementActuel"_s, u"Le fichier sera la où il est actuellement"_s, panelrules::Placement::AsIs);
    m_placementMenu->addSeparator();
    m_placementMenu->addAction(u"Annuler"_s)->setObjectName(u"PlacementAnnuler"_s);

    m_codePage = new QWidget(this);
    m_codePage->setObjectName(u"PageCode"_s);
    auto *code = new QVBoxLayout(m_codePage);
    code->setContentsMargins(0, 0, 0, 0);
    code->addWidget(button(u"ModifCode"_s, u"Modifier le code VBS"_s, m_codePage));
    layout->addWidget(m_codePage);
    layout->addStretch();
}

void ButtonPage::connectControls()
{
    const auto clicked = [this](const QString &name, auto handler) {
        connect(findChild<QPushButton *>(name), &QPushButton::clicked, this, handler);
    };
    const auto imageField = [this, clicked](QLineEdit *line, const QString &title, QString MenuButton::*image) {
        connect(line, &QLineEdit::editingFinished, this,
                [this, line, image] { edit([&](MenuButton &b) { b.*image = line->text(); }); });
        clicked(u"Choisir"_s + line->objectName(), [this, title, image] { chooseImage(title, image); });
    };
    imageField(m_normal, Phrases::text(Phrase::NormalImage), &MenuButton::normalImage);
    imageField(m_hover, Phrases::text(Phrase::HoverImage), &MenuButton::hoverImage);
    imageField(m_click, Phrases::text(Phrase::ClickImage), &MenuButton::clickImage);

    const auto soundField = [this, clicked](QLineEdit *line, const QString &title, QString ProjectSettings::*sound) {
        connect(line, &QLineEdit::editingFinished, this,
                [this, line, sound] { m_ctx.document.setSetting(sound, line->text()); });
        clicked(u"Choisir"_s + line->objectName(), [this, title, sound] {
            if (const auto file = filechoosers::chooseFile(m_ctx.prompter, title, filechoosers::soundFilter()))
                m_ctx.document.setSetting(sound, *file);
        });
        clicked(u"Effacer"_s + line->objectName(), [this, sound] { m_ctx.document.setSetting(sound, QString()); });
    };
    soundField(m_hoverSound, Phrases::text(Phrase::HoverSoundEllipsis), &ProjectSettings::hoverSound);
    soundField(m_clickSound, Phrases::text(Phrase::ClickSoundEllipsis), &ProjectSettings::clickSound);

    clicked(u"ModifPosition"_s, [this] { movePosition(PositionUnit::Twips); });
    clicked(u"ModifPositionPx"_s, [this] { movePosition(PositionUnit::Pixels); });
    clicked(u"ModifSurvolBouton"_s, [this] {
        const ScriptOpening opening = scriptOpening(ScriptOpener::ButtonHover, m_slot);
        emit scriptEditorRequested(opening.slot, opening.caption);
    });
    clicked(u"ModifCode"_s, [this] {
        const ScriptOpening opening = scriptOpening(ScriptOpener::ButtonScript, m_slot);
        emit scriptEditorRequested(opening.slot, opening.caption);
    });

    connect(m_transparent, &QCheckBox::clicked, this, [this](bool on) {
        edit([&](MenuButton &b) {
            b.transparent = on;
            b.transparentColour = m_transparentColour->colour();
        });
    });
    connect(m_transparentColour, &ColourSwatch::clicked, this, [this] { chooseTransparentColour(); });
    clicked(u"ApercuRapide"_s, [this] { quickPreview(); });
    connect(findChild<ClickableLabel *>(u"InfosTransparence"_s), &ClickableLabel::clicked, this, [this] {
        m_ctx.prompter.message(Phrases::text(Phrase::ButtonTransparencyHelp),
                               Phrases::text(Phrase::ButtonTransparencyTitle), MessageIcon::Information);
    });

    connect(m_multimedia, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_slot > 0 && m_multimediaPage->isVisibleTo(this))
            edit([&](MenuButton &b) { b.code = text; }, u"multimedia"_s);
    });
    connect(m_multimediaChoose, &QPushButton::clicked, this, [this] {
        m_placementMenu->popup(m_multimediaChoose->mapToGlobal(QPoint(0, m_multimediaChoose->height())));
    });
    connect(findChild<ClickableLabel *>(u"AideMultimedia"_s), &ClickableLabel::clicked, this, [this] {
        m_ctx.prompter.message(Phrases::text(Phrase::MediaFileHelp), u"[?]"_s, MessageIcon::Information);
    });
}

void ButtonPage::showButton(int slot)
{
    m_slot = slot;
    const ButtonKind kind = m_ctx.project.button(slot).kind;
    m_multimediaPage->setVisible(kind == ButtonKind::Multimedia);
    m_codePage->setVisible(kind == ButtonKind::Code);
    fill();
}

void ButtonPage::fill()
{
    if (m_slot <= 0 || m_slot >= m_ctx.project.buttonSlotsInUse())
        return;
    const MenuButton &b = m_ctx.project.button(m_slot);
    setText(m_normal, b.normalImage);
    setText(m_hover, b.hoverImage);
    setText(m_click, b.clickImage);
    m_transparent->setChecked(b.transparent);
    m_transparentColour->setColour(b.transparentColour);
    if (m_multimediaPage->isVisibleTo(this))
        setText(m_multimedia, b.code);
}

void ButtonPage::refreshSounds()
{
    setText(m_hoverSound, m_ctx.project.settings().hoverSound);
    setText(m_clickSound, m_ctx.project.settings().clickSound);
}

void ButtonPage::edit(const std::function<void(MenuButton &)> &change, const QString &burstKey)
{
    if (m_slot <= 0 || m_slot >= m_ctx.project.buttonSlotsInUse())
        return;
    MenuButton b = m_ctx.project.button(m_slot);
    change(b);
    m_ctx.document.editButton(m_slot, b, burstKey);
}

void ButtonPage::chooseImage(const QString &title, QString MenuButton::*image)
{
    if (const auto file = filechoosers::chooseImage(m_ctx.prompter, title))
        edit([&](MenuButton &b) { b.*image = *file; });
}

void ButtonPage::movePosition(PositionUnit unit)
{
    if (m_slot <= 0)
        return;
    const MenuButton &b = m_ctx.project.button(m_slot);
    if (const auto position =
            askPosition(m_ctx.prompter, Phrases::text(Phrase::ButtonWord), unit, QPointF(b.left, b.top), m_ctx.tpp)) {
        edit([&](MenuButton &changed) {
            changed.left = float(position->x());
            changed.top = float(position->y());
        });
    }
}

void ButtonPage::chooseTransparentColour()
{
    if (const std::optional<int> colour = m_ctx.prompter.colour({m_transparentColour->colour()})) {
        m_transparentColour->setColour(*colour);
        edit([&](MenuButton &b) {
            b.transparent = m_transparent->isChecked();
            b.transparentColour = *colour;
        });
    }
}

void ButtonPage::quickPreview()
{
    if (m_slot <= 0 || !m_transparent->isChecked())
        return;
    TransparencyRenderer renderer(m_ctx.project, m_ctx.document.folder(), m_ctx.tpp);
    renderer.setClientSize(m_ctx.clientSize());
    emit transparencyPreviewed(m_slot, renderer.preview(m_slot));
}

void ButtonPage::placeMultimedia(panelrules::Placement placement)
{
    const auto file = filechoosers::chooseFile(m_ctx.prompter, Phrases::text(Phrase::FindMediaFile),
                                               filechoosers::multimediaFilter());
    if (!file)
        return;
    QString folders;
    if (placement == panelrules::Placement::Folders) {
        InputRequest request;
        request.prompt = Phrases::text(Phrase::EnterFolderNames);
        folders = m_ctx.prompter.input(request);
        if (folders.isEmpty())
            return;
    }
    m_multimedia->setText(panelrules::placedName(placement, *file, folders));
}
