#pragma once

#include "common/Twips.h"
#include "common/gui/ToolWindow.h"
#include "project/ItemField.h"
#include "project/MenuText.h"
#include "project/ProjectField.h"

#include <QMap>
#include <QPixmap>
#include <QPointer>

class ButtonItem;
class DesignerDocument;
class ItemSelection;
class MenuProject;
class Prompter;
class QLabel;
class QMouseEvent;
class SurfaceOverlay;
class TextItem;

// Form3: the menu window at its real size, on which the author lays the menu out.
// Everything it shows comes from the project; its gestures are edits of the document.
class Worksheet : public ToolWindow
{
    Q_OBJECT

public:
    static constexpr int kCornerMarkers = 4;

    explicit Worksheet(DesignerDocument &document, QWidget *parent = nullptr);

    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

    // Puts every button but the excepted one back to its normal image.
    void resetHoverImages(int except = -1);
    void setCornerMarkersShown(bool on);
    void placeCornerMarkers();
    void setWaitPanelShown(bool on);
    // "&Pointeur précis": a cross-hair over the worksheet while on.
    void setPrecisePointer(bool on);

    ButtonItem *buttonItem(int slot) const { return m_buttons.value(slot); }
    TextItem *textItem(int slot) const { return m_texts.value(slot); }
    QWidget *cornerMarker(int index) const { return m_markers[index]; }
    QWidget *waitPanel() const;
    const QPixmap &background() const { return m_background; }
    // The buttons and texts as shown, over a transparent picture of the inside's size.
    QPixmap itemsPicture() const;
    SurfaceOverlay *overlay() const { return m_overlay; }
    TwipsPerPixel twipsPerPixel() const { return m_tpp; }

signals:
    void pointerMoved(double xTwips, double yTwips);
    void backgroundHovered();
    void testRequested();
    void helpRequested();
    // Files dropped from the desktop, in the order given.
    void filesDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Drag
    {
        QPointer<QWidget> item;
        QPointF heldAt; // twips inside the item
    };

    void rebuild();
    void followSetting(ProjectField field);
    // Everything is shown again when fields is left out.
    void followButton(int slot, ButtonFields fields = ButtonFields::fromInt(~0));
    void followText(int slot);
    void followSelection();
    QSize menuPixels() const;
    void followSize();
    void followShape();
    void raiseOverlays();
    void refreshCaption();
    QString resolve(const QString &reference) const;
    QWidget *selectedItem() const;

    QPointF twipsAt(QWidget *widget, const QPointF &position) const;
    void pointerAt(const QPointF &twips);
    void buttonPressed(ButtonItem *item, QMouseEvent *event);
    void buttonMoved(ButtonItem *item, const QPointF &twips);
    void textPressed(TextItem *item, QMouseEvent *event);
    void textEdited(TextItem *item);
    void resizeStep(const QPointF &twips, Qt::MouseButtons buttons);
    void endResize();
    // The moved item's outline where a release at pointer (worksheet pixels) puts it.
    void showDragOutline(const QPointF &pointer);
    void drop(const QPointF &twips);
    void deleteSelectedButton();
    TextItem *resizingText() const;

    DesignerDocument &m_document;
    MenuProject &m_project;
    ItemSelection &m_selection;
    Prompter *m_prompter = nullptr;
    TwipsPerPixel m_tpp;
    QPixmap m_background;
    QMap<int, ButtonItem *> m_buttons;
    QMap<int, TextItem *> m_texts;
    SurfaceOverlay *m_overlay;
    QWidget *m_markers[kCornerMarkers];
    QLabel *m_waitPanel;
    bool m_markersShown = true;
    bool m_pressed = false;
    bool m_applyingSize = false;
    Drag m_drag;
};
