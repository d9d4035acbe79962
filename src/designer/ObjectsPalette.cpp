#include "designer/ObjectsPalette.h"

#include "common/Phrases.h"
#include "common/gui/UndoShortcuts.h"
#include "designer/ResourcesWindow.h"
#include "designer/panel/FileChoosers.h"
#include "document/DesignerDocument.h"
#include "project/PictureFileCheck.h"
#include "prompt/Prompter.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Pixels: the transparency image is shown over at least this square, so it can be clicked.
constexpr int kSmallestImageArea = 16;

} // namespace

ObjectsPalette::ObjectsPalette(QWidget *parent)
    : ToolWindow(u"Form1"_s, u"Objets"_s, parent), m_imageArea(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    // Commands are found by script name: a language pack changes their captions.
    layout->addWidget(frame(u"Frame1"_s, u"Boutons"_s,
                            {{u"bouton_multimedia"_s, u"Multimédia"_s},
                             {u"bouton_code"_s, u"Code VBS"_s},
                             {u"bouton_quitter"_s, u"Quitter"_s}}));
    layout->addWidget(frame(u"Frame2"_s, u"Boîte de texte"_s, {{u"texte_creer"_s, u"Créer"_s}}));
    layout->addWidget(frame(u"Frame3"_s, u"Forme du menu"_s,
                            {{u"forme_editeur"_s, u"Editeur"_s}, {u"forme_transparence"_s, u"Transparence"_s}}));
    layout->addStretch();
    m_imageArea->setObjectName(u"Image1"_s);
    m_imageArea->installEventFilter(this);
    m_imageArea->hide();
    resize(199, sizeHint().height()); // as wide as the parameters panel below it

    connect(command(u"bouton_multimedia"_s), &QPushButton::clicked, this,
            [this] { addButton(ButtonKind::Multimedia); });
    connect(command(u"bouton_code"_s), &QPushButton::clicked, this, [this] { addButton(ButtonKind::Code); });
    connect(command(u"bouton_quitter"_s), &QPushButton::clicked, this, [this] { addButton(ButtonKind::Quit); });
    connect(command(u"texte_creer"_s), &QPushButton::clicked, this, &ObjectsPalette::addText);
    connect(command(u"forme_editeur"_s), &QPushButton::clicked, this, &ObjectsPalette::shapeEditorRequested);
    connect(command(u"forme_transparence"_s), &QPushButton::clicked, this, &ObjectsPalette::openTransparencyMenu);
}

QGroupBox *ObjectsPalette::frame(const QString &name, const QString &caption,
                                 const QList<std::pair<QString, QString>> &commands)
{
    auto *box = new QGroupBox(caption, this);
    box->setObjectName(name);
    auto *layout = new QVBoxLayout(box);
    for (const auto &[commandName, commandCaption] : commands) {
        auto *button = new QPushButton(commandCaption, box);
        button->setObjectName(commandName);
        layout->addWidget(button);
    }
    m_frames.append(box);
    return box;
}

QPushButton *ObjectsPalette::command(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

void ObjectsPalette::attach(DesignerDocument &document, Prompter &prompter, ResourcesWindow &resources)
{
    m_document = &document;
    m_prompter = &prompter;
    m_resources = &resources;
    addUndoShortcuts(this, &document.undoStack());
    connect(resources.transparencyMenu(), &QMenu::triggered, this,
            [this](QAction *action) { transparencyChosen(action->data().toString()); });
}

void ObjectsPalette::addButton(ButtonKind kind)
{
    if (!m_document)
        return;
    const MenuProject &project = m_document->project();
    if (!project.canAddButton()) {
        m_prompter->message(Phrases::text(Phrase::ButtonLimitReached), Phrases::text(Phrase::TooManyButtons),
                            MessageIcon::Critical);
        return;
    }
    // A cancelled image dialog leaves the panel's field as it was: the images of the
    // button it showed last.
    const int shown = m_document->selection().selectedButton();
    const MenuButton previous = shown >= 1 ? project.button(shown) : MenuButton{};
    m_document->addButton(kind, [&](MenuButton &b) {
        const auto ask = [this](const QString &title, const QString &fieldValue) {
            return filechoosers::chooseImage(*m_prompter, title).value_or(fieldValue);
        };
        b.normalImage = ask(Phrases::text(Phrase::NormalImage), previous.normalImage);
        b.hoverImage = ask(Phrases::text(Phrase::HoverImage), previous.hoverImage);
        b.clickImage = ask(Phrases::text(Phrase::ClickImage), previous.clickImage);
    });
}

void ObjectsPalette::addText()
{
    if (m_document)
        m_document->addText();
}

void ObjectsPalette::openTransparencyMenu()
{
    if (!m_resources)
        return;
    QPushButton *button = command(u"forme_transparence"_s);
    m_resources->transparencyMenu()->popup(button->mapToGlobal(button->rect().bottomLeft()));
}

void ObjectsPalette::transparencyChosen(const QString &entry)
{
    if (entry == u"Choisir une image..."_s) {
        if (const auto path =
                filechoosers::chooseFile(*m_prompter, Phrases::text(Phrase::TransparencyImageEllipsis),
                                         Phrases::text(Phrase::TransparencyImageFilter) + u" | *.bmp;*.gif"_s))
            m_document->setSetting(&ProjectSettings::transparencyImage, *path);
    } else if (entry == u"Voir l'image actuelle"_s) {
        showTransparencyImage();
    } else if (entry == u"Ne pas utiliser la transparence"_s) {
        m_document->setSetting(&ProjectSettings::transparencyImage, QString());
    } else if (entry == u"Informations"_s) {
        m_prompter->message(Phrases::text(Phrase::TransparencyHelp), Phrases::text(Phrase::TransparencyInfoTitle),
                            MessageIcon::Information);
    }
}

void ObjectsPalette::showTransparencyImage()
{
    const QString image = m_document->project().settings().transparencyImage;
    if (image.isEmpty()) {
        m_prompter->message(Phrases::text(Phrase::NoImageSet), QString(), MessageIcon::Exclamation);
        return;
    }
    // A picture that cannot be shown would leave nothing to click to get the palette back.
    const QString file = m_document->resolve(image);
    if (const ZepError error = PictureFileCheck::check(file); error.isError()) {
        m_prompter->message(Phrases::text(Phrase::CannotShowImageOpen) + image + u"' ("_s + error.description + u')',
                            Phrases::text(Phrase::ErrorBang), MessageIcon::Critical);
        return;
    }
    const QPixmap picture(file);
    if (!m_imageArea->isVisible())
        m_normalSize = size();
    for (QGroupBox *box : std::as_const(m_frames))
        box->hide();
    const QSize area = picture.size().expandedTo(QSize(kSmallestImageArea, kSmallestImageArea));
    m_imageArea->setPixmap(picture);
    m_imageArea->setGeometry(QRect(QPoint(0, 0), area));
    m_imageArea->show();
    m_imageArea->raise();
    resize(area);
    m_prompter->message(Phrases::text(Phrase::ClickImageToReturn), QString(), MessageIcon::Information);
}

void ObjectsPalette::restore()
{
    if (!m_imageArea->isVisible())
        return;
    m_imageArea->hide();
    m_imageArea->clear();
    for (QGroupBox *box : std::as_const(m_frames))
        box->show();
    resize(m_normalSize);
}

bool ObjectsPalette::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_imageArea && event->type() == QEvent::MouseButtonPress) {
        restore();
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}
