#pragma once

#include <QList>

class QAction;
class QMenu;
class QWidget;

// The main window's six menus and their entries, each with its script name.
struct MainMenus
{
    explicit MainMenus(QWidget *owner);

    QMenu *file;
    QMenu *newMenu;
    QAction *newWizard;
    QAction *newBlank;
    QAction *undo; // Ctrl+Z
    QAction *redo; // Ctrl+Y
    QAction *open;
    QAction *save;
    QAction *saveAs;
    QMenu *print;
    QAction *printBmp;
    QAction *printClipboard;
    QAction *printPaper;
    QAction *properties;
    QAction *recentStart; // separator before the recent files
    QAction *recentEnd;   // separator after them
    QAction *quit;

    QMenu *source;
    QAction *editSource;
    QAction *refresh;

    QMenu *create;
    QAction *test;
    QMenu *compile;
    QAction *compileAutorun;
    QAction *compileExecutable;
    QAction *compileScreenSaver;
    QAction *compileHtml;
    QAction *compileIso;

    QMenu *misc;

    QMenu *options;
    QAction *precisePointer;
    QAction *mousePosition;
    QAction *cornerMarkers;
    QAction *wizardAtStart;
    QAction *requireMultimediaFile;
    QAction *associate;
    QMenu *language;
    QAction *french;
    QAction *appearances;

    QMenu *help;
    QAction *manual;
    QAction *faq;
    QAction *examples;
    QAction *tips;
    QAction *support;
    QAction *reportBug;
    QAction *latestVersion;
    QAction *about;

    QList<QMenu *> bar() const { return {file, source, create, misc, options, help}; }
    // The entries whose keys work from every designer window.
    QList<QAction *> designerKeys() const { return {newBlank, open, save, saveAs, printPaper, test}; }
};
