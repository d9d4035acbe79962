#pragma once

#include <QString>

#include <functional>

class DesignerDocument;
class Prompter;

// The life of the one open project: new, open, save, refresh, source and quit, each
// asking to save first where the project would be lost.
class DocumentLifecycle
{
public:
    struct Hooks
    {
        std::function<void()> openWizard;
        std::function<bool()> wizardOpen;
        std::function<void(const QString &path)> openInTextEditor;
        std::function<void()> shutDown;
    };

    DocumentLifecycle(DesignerDocument &document, Prompter &prompter, Hooks hooks);

    // "enr", "non" or "annule".
    QString askToSave(bool systemModal = false);
    bool save();
    // caption: the menu entry's, which titles the dialog.
    bool saveAs(const QString &caption = QStringLiteral("Enregistrer &Sous"));

    void newBlank();
    void newWithWizard();
    void open(const QString &caption = QStringLiteral("&Ouvrir"));
    void openRecent(const QString &path);
    void refresh();
    void showSource();
    // False while the program must go on.
    bool quit();

private:
    bool saveTo(const QString &target);
    bool goOn(); // asks to save; false on "annule"

    DesignerDocument &m_document;
    Prompter &m_prompter;
    Hooks m_hooks;
};
