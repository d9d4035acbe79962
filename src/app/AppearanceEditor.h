#pragma once

#include "app/core/Appearance.h"

#include <QList>
#include <QWidget>

class AppearanceFile;
class Prompter;
class QLineEdit;
class QListWidget;
class QPushButton;

// The "Apparences" panel of the main window: pick, try, load and save appearances.
class AppearanceEditor : public QWidget
{
    Q_OBJECT

public:
    AppearanceEditor(AppearanceFile &file, Prompter &prompter, QWidget *parent = nullptr);

    // Fills the list and shows the appearance in use.
    void open(const Appearance &inUse, const Appearance &systemDefault);
    Appearance swatches() const;
    QListWidget *list() const { return m_list; }
    QLineEdit *newName() const { return m_newName; }

    void tryOut();  // "&Tester"
    void load();    // "&Charger"
    void saveNew(); // "&Sauver"

signals:
    void tryRequested(const Appearance &appearance);
    void loadRequested(const Appearance &appearance);
    void closeRequested();

private:
    QPushButton *swatch(const QString &name);
    void setSwatch(QPushButton *button, int colour);
    void pickColour(QPushButton *button);
    void pickFont();
    void showAppearance(const Appearance &a);

    AppearanceFile &m_file;
    Prompter &m_prompter;
    Appearance m_systemDefault;
    QList<Appearance> m_appearances;
    QListWidget *m_list;
    QPushButton *m_windowSwatch;
    QPushButton *m_fieldSwatch;
    QPushButton *m_textSwatch;
    QLineEdit *m_font;
    QLineEdit *m_newName;
};
