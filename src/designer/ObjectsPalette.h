#pragma once

#include "common/gui/ToolWindow.h"
#include "project/ButtonKind.h"

class DesignerDocument;
class Prompter;
class QGroupBox;
class QLabel;
class QPushButton;
class ResourcesWindow;

// Form1: the tool window from which buttons and texts are added to the menu.
class ObjectsPalette : public ToolWindow
{
    Q_OBJECT

public:
    explicit ObjectsPalette(QWidget *parent = nullptr);

    // Additions are edits of the document; Ctrl+Z and Ctrl+Y undo and redo them.
    void attach(DesignerDocument &document, Prompter &prompter, ResourcesWindow &resources);

    // Refused past 99 buttons, deleted ones counted.
    void addButton(ButtonKind kind);
    void addText();
    void openTransparencyMenu();
    // The palette shows the transparency image in place of its frames until clicked.
    void showTransparencyImage();
    void restore();

    QPushButton *command(const QString &name) const;
    QLabel *imageArea() const { return m_imageArea; }

signals:
    void shapeEditorRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // commands: script name and caption of each
    QGroupBox *frame(const QString &name, const QString &caption, const QList<std::pair<QString, QString>> &commands);
    void transparencyChosen(const QString &entry);
    DesignerDocument *m_document = nullptr;
    Prompter *m_prompter = nullptr;
    ResourcesWindow *m_resources = nullptr;
    QList<QGroupBox *> m_frames;
    QLabel *m_imageArea;
    QSize m_normalSize;
};
