#pragma once

#include "designer/panel/PanelContext.h"
#include "designer/panel/PanelRules.h"
#include "designer/panel/PositionDialog.h"
#include "script/ScriptSlot.h"

#include <QImage>
#include <QWidget>

#include <functional>

class ColourSwatch;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;
struct MenuButton;

// The page of one button: its images, position, hover script and transparency, the
// project's two button sounds, and the sub-page of its kind.
class ButtonPage : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonPage(PanelContext context, QWidget *parent = nullptr);

    // Fills the page from the button of the chooser's entry (its kind is the entry's end).
    void showButton(int slot);
    int slot() const { return m_slot; }

    // The transparent images of the page's button, when "Activée" is on.
    void quickPreview();

signals:
    void scriptEditorRequested(ScriptSlot slot, const QString &caption);
    // The composed normal image, for the worksheet to show.
    void transparencyPreviewed(int slot, const QImage &normal);

private:
    void build();
    void connectControls();
    void fill();
    void refreshSounds();
    void edit(const std::function<void(MenuButton &)> &change, const QString &burstKey = QString());
    void chooseImage(const QString &title, QString MenuButton::*image);
    void movePosition(PositionUnit unit);
    void chooseTransparentColour();
    void placeMultimedia(panelrules::Placement placement);

    PanelContext m_ctx;
    int m_slot = 0;
    QLineEdit *m_normal = nullptr;
    QLineEdit *m_hover = nullptr;
    QLineEdit *m_click = nullptr;
    QLineEdit *m_hoverSound = nullptr;
    QLineEdit *m_clickSound = nullptr;
    QCheckBox *m_transparent = nullptr;
    ColourSwatch *m_transparentColour = nullptr;
    QWidget *m_multimediaPage = nullptr;
    QLineEdit *m_multimedia = nullptr;
    QPushButton *m_multimediaChoose = nullptr;
    QMenu *m_placementMenu = nullptr;
    QWidget *m_codePage = nullptr;
};
