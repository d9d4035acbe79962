#pragma once

#include "designer/panel/PanelContext.h"
#include "project/ProjectField.h"
#include "script/ScriptSlot.h"

#include <QWidget>

class ColourSwatch;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Feuille de travail" page: the values of the whole project.
class ProjectPage : public QWidget
{
    Q_OBJECT

public:
    explicit ProjectPage(PanelContext context, QWidget *parent = nullptr);

signals:
    void scriptEditorRequested(ScriptSlot slot, const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void connectControls();
    void refreshAll();
    void refresh(ProjectField field);
    void showStartupAction();

    void chooseBackground();
    void applySize();
    void fitToBackground();
    void zoom(bool grow);
    void chooseBackgroundColour();
    void runStartupSelector(int index);
    void checkInterval();
    void setInterval(const QString &text);
    void requestScript(ScriptOpener opener);

    PanelContext m_ctx;
    QLineEdit *m_background = nullptr;
    QCheckBox *m_fullScreen = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QPushButton *m_applySize = nullptr;
    QPushButton *m_fit = nullptr;
    QCheckBox *m_contours = nullptr;
    ColourSwatch *m_backColour = nullptr;
    QComboBox *m_startup = nullptr;
    QLabel *m_startupLabel = nullptr;
    QPushButton *m_startupModify = nullptr;
    QLineEdit *m_music = nullptr;
    QLineEdit *m_icon = nullptr;
    QCheckBox *m_handCursor = nullptr;
    QCheckBox *m_timer = nullptr;
    QFrame *m_timerFrame = nullptr;
    QLineEdit *m_interval = nullptr;
    QCheckBox *m_contextMenu = nullptr;
    bool m_inStartupSelector = false;
    bool m_checkingInterval = false;
};
