#pragma once

#include "common/gui/ToolWindow.h"
#include "script/AssistantAction.h"
#include "script/AssistantMenu.h"
#include "script/ProcedureList.h"
#include "script/ScriptSlot.h"

#include <functional>
#include <optional>

class CodeBox;
class DesignerDocument;
class ItemSelection;
class MenuProject;
class NewProcedurePanel;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
struct Snippet;

// Form5: edits one script slot of the project at a time; every change is stored at once.
class ScriptEditorWindow : public ToolWindow
{
    Q_OBJECT

public:
    ScriptEditorWindow(DesignerDocument &document, Prompter &prompter, std::function<void()> testRun,
                       QWidget *parent = nullptr);

    std::optional<ScriptSlot> targetSlot() const { return m_target; }
    QString cursorTarget() const { return m_cursorTarget; }

    // The panel the test run shows while it prepares the menu.
    void setWaitPanelVisible(bool visible);
    QWidget *waitPanel() const;
    // After the window took a theme: the code box gets its own font and colour back.
    void restoreCodeLook();

public slots:
    // Shows the window, sets the caption, targets the slot and puts its text in the box.
    void openSlot(ScriptSlot slot, const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    // Entries are named after the menu and their place in it, counting from 1:
    // "assistant_vbs_3", then "assistant_vbs_3_1" in that sub-menu.
    QMenu *buildMenu(const QString &name, const QString &title, const QList<AssistantMenuItem> &items);
    void buildCursorMenu();
    void watchKeys(QWidget *widget);
    void layOut();

    void retarget(ScriptSlot slot, const QString &caption);
    void followSelection();
    QString storedValue(ScriptSlot slot) const;
    void followUndo();
    void codeChanged();
    void store(const QString &text);

    void runAssistant(AssistantAction action);
    void insertSnippet(const Snippet &snippet);
    void startCursorPrompt(const QString &target);
    void openCursorMenu();
    void chooseCursor(int pointer);

    void formatPass();
    void refreshProcedures();
    void chooseProcedure(int index);

    DesignerDocument &m_document;
    MenuProject &m_project;
    ItemSelection &m_selection;
    Prompter &m_prompter;
    std::function<void()> m_testRun;

    std::optional<ScriptSlot> m_target;
    QString m_cursorTarget;
    ProcedureList m_procedureList;

    QPushButton *m_testButton;
    QPushButton *m_assistantButton;
    QPushButton *m_newProcedureButton;
    QCheckBox *m_autoFormat;
    QWidget *m_band;
    QLabel *m_cursorPrompt;
    QComboBox *m_procedures;
    CodeBox *m_code;
    NewProcedurePanel *m_newProcedure;
    QLabel *m_waitPanel;
    QMenu *m_assistantMenu;
    QMenu *m_cursorMenu;

    QTimer *m_formatTimer;
    QTimer *m_procedureTimer;
    QTimer *m_blinkTimer;
};
