#pragma once

#include "common/Twips.h"
#include "common/gui/ToolWindow.h"
#include "script/ScriptSlot.h"

#include <QImage>

#include <functional>

class ButtonPage;
class DesignerDocument;
class ItemSelection;
class MenuProject;
class ProjectPage;
class Prompter;
class QComboBox;
class QScrollBar;
class TextPage;

// Form4: every parameter of the project and of the selected item.
class ParametersPanel : public ToolWindow
{
    Q_OBJECT

public:
    static constexpr double kWidthTwips = 2985;
    // The worksheet's client size in pixels; by default the project's outer size.
    using ClientSize = std::function<QSize()>;

    ParametersPanel(DesignerDocument &document, Prompter &prompter, ClientSize clientSize = {},
                    QWidget *parent = nullptr);

    // Before a build: nothing selected, and the transparency companions rebuilt.
    void prepareForBuild();

    ProjectPage *projectPage() const { return m_projectPage; }
    ButtonPage *buttonPage() const { return m_buttonPage; }
    TextPage *textPage() const { return m_textPage; }
    QScrollBar *scrollBar() const { return m_scrollBar; }
    QWidget *pagesFrame() const { return m_frame; }

signals:
    // The first time the panel becomes active, the start-up project is opened.
    void firstActivated();
    void scriptEditorRequested(ScriptSlot slot, const QString &caption);
    void transparencyPreviewed(int slot, const QImage &normal);

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refreshChooser();
    void followSelection();
    void layoutPages();
    void scrollPages(int value);

    DesignerDocument &m_document;
    MenuProject &m_project;
    ItemSelection &m_selection;
    TwipsPerPixel m_tpp;
    ClientSize m_clientSize;
    QWidget *m_topBar;
    QComboBox *m_chooser;
    QScrollBar *m_scrollBar;
    QWidget *m_frame;
    ProjectPage *m_projectPage;
    ButtonPage *m_buttonPage;
    TextPage *m_textPage;
    bool m_activated = false;
};
