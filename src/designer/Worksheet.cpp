#include "designer/Worksheet.h"

#include "common/ColourValue.h"
#include "common/Phrases.h"
#include "common/gui/ScreenMetrics.h"
#include "common/gui/UndoShortcuts.h"
#include "designer/worksheet/ButtonItem.h"
#include "designer/worksheet/SurfaceOverlay.h"
#include "designer/worksheet/SurfaceRules.h"
#include "designer/worksheet/TextItem.h"
#include "document/DesignerDocument.h"
#include "project/MenuProject.h"
#include "prompt/Prompter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMarkerPixels = 7;

bool modifierHeld(const QMouseEvent *event)
{
    return event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

QPointF wholeTwips(const QPointF &twips)
{
    return {std::round(twips.x()), std::round(twips.y())};
}

} // namespace

Worksheet::Worksheet(DesignerDocument &document, QWidget *parent)
    : ToolWindow(u"Form3"_s, u"Feuille de travail - taille réduite"_s, parent), m_document(document),
      m_project(document.project()), m_selection(document.selection()), m_tpp(screenmetrics::twipsPerPixel()),
      m_overlay(new SurfaceOverlay(this)), m_waitPanel(new QLabel(u"Veuillez patienter..."_s, this))
{
    setMouseTracking(true);
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);

    for (int i = 0; i < kCornerMarkers; ++i) {
        auto *marker = new QLabel(this);
        marker->setObjectName(u"POINT_BORD"_s);
        marker->setProperty("index", i);
        // Black with a white rim, to be seen on dark and light backgrounds alike.
        marker->setAutoFillBackground(true);
        marker->setFrameShape(QFrame::Box);
        QPalette p = marker->palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::white);
        marker->setPalette(p);
        marker->resize(kMarkerPixels, kMarkerPixels);
        marker->hide();
        m_markers[i] = marker;
    }
    m_waitPanel->setObjectName(u"attente"_s);
    m_waitPanel->setAlignment(Qt::AlignCenter);
    m_waitPanel->setFrameShape(QFrame::Box);
    m_waitPanel->setAutoFillBackground(true);
    m_waitPanel->resize(200, 40);
    m_waitPanel->hide();

    connect(&m_project, &MenuProject::projectReset, this, &Worksheet::rebuild);
    connect(&m_project, &MenuProject::settingChanged, this, &Worksheet::followSetting);
    connect(&m_project, &MenuProject::buttonAdded, this, [this](int slot) { followButton(slot); });
    connect(&m_project, &MenuProject::buttonChanged, this, &Worksheet::followButton);
    connect(&m_project, &MenuProject::textAdded, this, &Worksheet::followText);
    connect(&m_project, &MenuProject::textChanged, this, &Worksheet::followText);
    connect(&m_selection, &ItemSelection::selectionChanged, this, &Worksheet::followSelection);
    connect(&m_selection, &ItemSelection::entriesChanged, this, &Worksheet::followSelection);
    connect(&m_project, &MenuProject::shapeChanged, this, &Worksheet::followShape);
    addUndoShortcuts(this, &m_document.undoStack());
    rebuild();
}

QWidget *Worksheet::waitPanel() const
{
    return m_waitPanel;
}

void Worksheet::rebuild()
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    qDeleteAll(m_texts);
    m_texts.clear();
    m_drag = {};
    m_overlay->setDragOutline({});
    m_pressed = false;
    m_background = QPixmap();
    for (QWidget *marker : m_markers)
        marker->hide();
    for (int slot = 1; slot < m_project.buttonSlotsInUse(); ++slot)
        followButton(slot);
    for (int slot = 1; slot < m_project.textSlotsInUse(); ++slot)
        followText(slot);
    followSetting(ProjectField::BackgroundImage);
    followShape();
    followSize();
    placeCornerMarkers();
    update();
}

QString Worksheet::resolve(const QString &reference) const
{
    return m_document.resolve(reference);
}

void Worksheet::followSetting(ProjectField field)
{
    switch (field) {
    case ProjectField::BackgroundImage:
        m_background = QPixmap();
        if (const QString file = resolve(m_project.settings().backgroundImage); !file.isEmpty())
            m_background.load(file);
        update();
        break;
    case ProjectField::BackgroundColour:
        update();
        break;
    case ProjectField::Size:
        followSize();
        break;
    case ProjectField::FullScreen:
        refreshCaption();
        break;
    default:
        break;
    }
}

void Worksheet::followButton(int slot, ButtonFields fields)
{
    if (slot < 1)
        return;
    const MenuButton &button = m_project.button(slot);
    ButtonItem *item = buttonItem(slot);
    if (!item) {
        item = new ButtonItem(slot, this);
        item->installEventFilter(this);
        item->resize(32, 32);
        item->setFrameShape(QFrame::Box);
        m_buttons.insert(slot, item);
        item->raise();
        raiseOverlays();
    }
    if (fields & (ButtonField::NormalImage | ButtonField::Transparency)) {
        item->setTransparentKey(button.transparent ? std::optional(button.transparentColour) : std::nullopt);
        if (item->showImageFile(resolve(button.normalImage)))
            item->setFrameShape(QFrame::NoFrame);
        item->setState(surface::ImageState::Normal);
    } else if (fields & ButtonField::HoverImage && item->state() == surface::ImageState::Hover) {
        item->showImageFile(resolve(button.hoverImage));
    } else if (fields & ButtonField::ClickImage && item->state() == surface::ImageState::Click) {
        item->showImageFile(resolve(button.clickImage));
    } else if (!item->pixmap().isNull()) {
        item->setFrameShape(QFrame::NoFrame);
    }
    item->move(qRound(m_tpp.toPixelsX(button.left)), qRound(m_tpp.toPixelsY(button.top)));
    item->setVisible(!button.isDeleted());
    if (item == selectedItem())
        placeCornerMarkers();
}

void Worksheet::followText(int slot)
{
    if (slot < 1)
        return;
    TextItem *item = textItem(slot);
    if (!item) {
        item = new TextItem(slot, this);
        item->viewport()->installEventFilter(this);
        item->setContextMenuPolicy(Qt::NoContextMenu);
        connect(item, &QPlainTextEdit::textChanged, this, [this, item] { textEdited(item); });
        m_texts.insert(slot, item);
        item->raise();
        raiseOverlays();
    }
    item->follow(m_project.text(slot), m_tpp);
    if (item == selectedItem())
        placeCornerMarkers();
}

void Worksheet::followShape()
{
    m_overlay->setShape(surface::shapeInPixels(m_project.shape().mid(1), m_tpp));
}

void Worksheet::raiseOverlays()
{
    m_overlay->raise();
    for (QWidget *marker : m_markers)
        marker->raise();
    m_waitPanel->raise();
}

QPixmap Worksheet::itemsPicture() const
{
    QPixmap picture(size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    // Children are listed from the back to the front.
    for (QObject *child : children()) {
        auto *item = qobject_cast<QWidget *>(child);
        if (item && item->isVisibleTo(this) && (qobject_cast<ButtonItem *>(item) || qobject_cast<TextItem *>(item)))
            item->render(&painter, item->pos(), QRegion(), QWidget::DrawChildren);
    }
    return picture;
}

void Worksheet::followSelection()
{
    // Any choice in the chooser ends a resize mode, the chosen text's own included.
    for (TextItem *item : std::as_const(m_texts)) {
        if (item->isResizing())
            item->setResizing(false);
    }
    placeCornerMarkers();
}

QSize Worksheet::menuPixels() const
{
    return {qRound(m_tpp.toPixelsX(m_project.settings().width)), qRound(m_tpp.toPixelsY(m_project.settings().height))};
}

void Worksheet::followSize()
{
    // The inside is the whole menu: a window manager's frame comes on top of it.
    const QSize client = menuPixels();
    if (client != size() && client.isValid()) {
        m_applyingSize = true;
        resize(client);
        m_applyingSize = false;
    }
    refreshCaption();
}

void Worksheet::refreshCaption()
{
    const ProjectSettings &s = m_project.settings();
    setWindowTitle(surface::caption(s.width, s.height, m_tpp, s.fullScreen != 0));
}

void Worksheet::resizeEvent(QResizeEvent *event)
{
    ToolWindow::resizeEvent(event);
    const QSize inside = size();
    // The model keeps its own value while the window only rounds it to pixels.
    // The layout made before the window is shown is no edit of the author's.
    if (!m_applyingSize && inside != menuPixels()) {
        const float width = float(m_tpp.toTwipsX(inside.width()));
        const float height = float(m_tpp.toTwipsY(inside.height()));
        if (isVisible())
            m_document.setSize(width, height);
        else
            m_project.setSize(width, height);
    }
    m_overlay->setGeometry(rect());
    m_waitPanel->move((width() - m_waitPanel->width()) / 2, (height() - m_waitPanel->height()) / 2);
    refreshCaption();
}

void Worksheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colourvalue::toColor(m_project.settings().backgroundColour));
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
}

void Worksheet::resetHoverImages(int except)
{
    for (ButtonItem *item : std::as_const(m_buttons)) {
        if (item->state() == surface::ImageState::Normal || item->slot() == except)
            continue;
        item->showImageFile(resolve(m_project.button(item->slot()).normalImage));
        item->setState(surface::ImageState::Normal);
    }
}

void Worksheet::setCornerMarkersShown(bool on)
{
    m_markersShown = on;
    if (on)
        placeCornerMarkers();
    else
        for (QWidget *marker : m_markers)
            marker->hide();
}

QWidget *Worksheet::selectedItem() const
{
    switch (m_selection.chosen().kind) {
    case ItemKind::Button:
        return buttonItem(m_selection.selectedButton());
    case ItemKind::Text:
        return textItem(m_selection.selectedText());
    case ItemKind::Project:
        break;
    }
    return nullptr;
}

void Worksheet::placeCornerMarkers()
{
    QWidget *item = selectedItem();
    if (!m_markersShown || !item || !item->isVisibleTo(this)) {
        for (QWidget *marker : m_markers)
            marker->hide();
        return;
    }
    const QRect r = item->geometry();
    const int w = kMarkerPixels;
    const QPoint places[kCornerMarkers] = {{r.x() - w, r.y() - w},
                                           {r.x() + r.width(), r.y() - w},
                                           {r.x() - w, r.y() + r.height()},
                                           {r.x() + r.width(), r.y() + r.height()}};
    for (int i = 0; i < kCornerMarkers; ++i) {
        m_markers[i]->move(places[i]);
        m_markers[i]->raise();
        m_markers[i]->show();
    }
}

void Worksheet::setPrecisePointer(bool on)
{
    if (on)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

void Worksheet::setWaitPanelShown(bool on)
{
    m_waitPanel->raise();
    m_waitPanel->setVisible(on);
}

QPointF Worksheet::twipsAt(QWidget *widget, const QPointF &position) const
{
    const QPointF pixels = widget == this ? position : widget->mapTo(this, position);
    return wholeTwips({m_tpp.toTwipsX(pixels.x()), m_tpp.toTwipsY(pixels.y())});
}

void Worksheet::pointerAt(const QPointF &twips)
{
    emit pointerMoved(twips.x(), twips.y());
}

bool Worksheet::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return ToolWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *mouse = static_cast<QMouseEvent *>(event);
    auto *button = qobject_cast<ButtonItem *>(watched);
    auto *text = widget ? qobject_cast<TextItem *>(widget->parentWidget()) : nullptr;
    if (!button && !text)
        return ToolWindow::eventFilter(watched, event);
    const QPointF twips = twipsAt(widget, mouse->position());

    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        if (button) {
            buttonPressed(button, mouse);
            return true;
        }
        textPressed(text, mouse);
        return m_drag.item || text->isResizing();
    }
    if (type == QEvent::MouseMove) {
        pointerAt(twips);
        if (m_drag.item)
            showDragOutline(widget->mapTo(this, mouse->position()));
        if (button)
            buttonMoved(button, twips);
        else if (!m_drag.item)
            resetHoverImages();
        resizeStep(twips, mouse->buttons());
        // Unaccepted moves would reach the background, which resets the hover images.
        return button || m_drag.item || text->isResizing();
    }
    if (m_drag.item) {
        // Let go outside the worksheet, the drag ends where it started.
        if (rect().contains(widget->mapTo(this, mouse->position()).toPoint()))
            drop(twips);
        else
            m_drag = {};
        m_overlay->setDragOutline({});
        return true;
    }
    if (mouse->button() == Qt::RightButton && resizingText()) {
        endResize();
        return true;
    }
    if (button)
        m_pressed = false;
    return false;
}

void Worksheet::buttonPressed(ButtonItem *item, QMouseEvent *event)
{
    setFocus();
    const MenuButton &b = m_project.button(item->slot());
    m_selection.choose(ItemRef::button(item->slot()));
    if (modifierHeld(event)) {
        m_drag = {item, twipsAt(item, event->position()) - twipsAt(item, {0, 0})};
        showDragOutline(item->mapTo(this, event->position()));
        return;
    }
    item->showImageFile(resolve(b.clickImage));
    item->setState(surface::ImageState::Click);
    m_pressed = true;
}

void Worksheet::buttonMoved(ButtonItem *item, const QPointF &)
{
    if (m_drag.item || item->state() == surface::ImageState::Hover || m_pressed)
        return;
    item->showImageFile(resolve(m_project.button(item->slot()).hoverImage));
    item->setState(surface::ImageState::Hover);
    resetHoverImages(item->slot());
}

void Worksheet::textPressed(TextItem *item, QMouseEvent *event)
{
    m_selection.choose(ItemRef::text(item->slot()));
    if (modifierHeld(event)) {
        m_drag = {item, twipsAt(item, QPointF(item->viewport()->mapTo(item, event->position().toPoint()))) -
                            twipsAt(item, {0, 0})};
        showDragOutline(item->viewport()->mapTo(this, event->position()));
        return;
    }
    if (event->button() == Qt::RightButton) {
        item->setResizing(true);
        m_document.endBurst();
    }
}

TextItem *Worksheet::resizingText() const
{
    TextItem *item = textItem(m_selection.selectedText());
    return item && item->isResizing() ? item : nullptr;
}

void Worksheet::resizeStep(const QPointF &twips, Qt::MouseButtons buttons)
{
    TextItem *item = resizingText();
    if (!item || !(buttons & Qt::RightButton))
        return;
    MenuText t = m_project.text(item->slot());
    const QSizeF size = surface::resizedText({t.width, t.height}, {t.left, t.top}, twips);
    t.width = float(size.width());
    t.height = float(size.height());
    m_document.editText(item->slot(), t, u"resize"_s);
}

void Worksheet::endResize()
{
    if (TextItem *item = resizingText()) {
        item->setResizing(false);
        m_document.endBurst();
        placeCornerMarkers();
    }
}

void Worksheet::showDragOutline(const QPointF &pointer)
{
    const QPointF held(m_tpp.toPixelsX(m_drag.heldAt.x()), m_tpp.toPixelsY(m_drag.heldAt.y()));
    m_overlay->setDragOutline(QRect((pointer - held).toPoint(), m_drag.item->size()));
}

void Worksheet::drop(const QPointF &twips)
{
    QWidget *dragged = m_drag.item;
    const QPointF place = surface::dropPosition(twips, m_drag.heldAt);
    m_drag = {};
    if (auto *button = qobject_cast<ButtonItem *>(dragged)) {
        MenuButton b = m_project.button(button->slot());
        b.left = float(place.x());
        b.top = float(place.y());
        m_document.editButton(button->slot(), b);
    } else if (auto *text = qobject_cast<TextItem *>(dragged)) {
        MenuText t = m_project.text(text->slot());
        t.left = float(place.x());
        t.top = float(place.y());
        m_document.editText(text->slot(), t);
    }
    placeCornerMarkers();
}

void Worksheet::textEdited(TextItem *item)
{
    surface::ReservedFilter filtered = surface::removeReserved(item->content());
    if (!filtered.removed.isEmpty()) {
        for (qsizetype i = 0; i < filtered.removed.size(); ++i) {
            if (m_prompter)
                m_prompter->message(Phrases::text(Phrase::ForbiddenCharacter), Phrases::text(Phrase::ErrorBang),
                                    MessageIcon::Critical);
        }
        const QSignalBlocker blocker(item);
        const int position = item->textCursor().position();
        QString plain = filtered.text;
        plain.replace(u"\r\n"_s, u"\n"_s);
        item->setPlainText(plain);
        QTextCursor cursor = item->textCursor();
        cursor.setPosition(std::min<int>(position, int(plain.size())));
        item->setTextCursor(cursor);
    }
    MenuText t = m_project.text(item->slot());
    t.text = filtered.text;
    m_document.editText(item->slot(), t, u"typing"_s);
}

void Worksheet::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    if (event->button() == Qt::LeftButton)
        m_selection.choose(ItemRef::project());
}

void Worksheet::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF twips = twipsAt(this, event->position());
    resetHoverImages();
    pointerAt(twips);
    emit backgroundHovered();
    resizeStep(twips, event->buttons());
}

void Worksheet::mouseReleaseEvent(QMouseEvent *)
{
    endResize();
}

void Worksheet::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        deleteSelectedButton();
        break;
    case Qt::Key_F5:
        emit testRequested();
        break;
    case Qt::Key_F1:
        emit helpRequested();
        break;
    default:
        ToolWindow::keyPressEvent(event);
    }
}

void Worksheet::deleteSelectedButton()
{
    const int slot = m_selection.selectedButton();
    if (slot < 1 || m_selection.chosen().kind != ItemKind::Button || !m_prompter)
        return;
    if (m_prompter->message(Phrases::text(Phrase::DeleteButtonQuestion) + QString::number(slot) + u" ?"_s,
                            Phrases::text(Phrase::DeleteTitle), MessageIcon::Question,
                            MessageButtons::YesNo) != Answer::Yes)
        return;
    m_document.deleteButton(slot);
}

void Worksheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        resetHoverImages();
    ToolWindow::changeEvent(event);
}

void Worksheet::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Worksheet::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}
