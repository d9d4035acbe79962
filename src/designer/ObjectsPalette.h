#pragma once

#include "common/gui/ToolWindow.h"

class MenuProject;
class Prompter;
class QGroupBox;
class QLabel;
class QPushButton;
class QUndoStack;
class ResourcesWindow;

// Form1: the tool window from which buttons and texts are added to the menu.
class ObjectsPalette : public ToolWindow
{
    Q_OBJECT

public:
    explicit ObjectsPalette(QWidget *parent = nullptr);

    void attach(MenuProject &project, Prompter &prompter, ResourcesWindow &resources);
    // Additions go on this stack; Ctrl+Z and Ctrl+Y undo and redo.
    void setUndoStack(QUndoStack *stack);

    // Kind "vidéo", "code" or "quitter"; refused past 99 buttons, deleted ones counted.
    void addButton(const QString &kind);
    void addText();
    void openTransparencyMenu();
    // The palette shows the transparency image in place of its frames until clicked.
    void showTransparencyImage();
    void restore();

    QPushButton *command(const QString &caption) const;
    QLabel *imageArea() const { return m_imageArea; }

signals:
    void shapeEditorRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *frame(const QString &name, const QString &caption, const QStringList &commands);
    void transparencyChosen(const QString &entry);
    QString resolve(const QString &reference) const;

    MenuProject *m_project = nullptr;
    Prompter *m_prompter = nullptr;
    ResourcesWindow *m_resources = nullptr;
    QList<QGroupBox *> m_frames;
    QLabel *m_imageArea;
    QSize m_normalSize;
    QUndoStack *m_undo = nullptr;
};
