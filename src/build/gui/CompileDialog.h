#pragma once

#include "build/CompileEngine.h"
#include "build/CompileProgress.h"

#include <QDialog>

class MenuProject;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Création pour graver": the fields of a compilation and its progress. The caller
// runs the preparation for a build first and makes a new dialog each time, so every
// field starts from its initial value.
class CompileDialog : public QDialog, private CompileProgress
{
    Q_OBJECT

public:
    CompileDialog(const MenuProject &project, const QString &projectFolder, Prompter &prompter,
                  const QString &programFolder, QWidget *parent = nullptr);

    void setRequireMultimediaFiles(bool on) { m_engine.setRequireMultimediaFiles(on); }

    // "&Valider"
    void compile();
    bool compileFailed() const { return m_outcome.isFailed(); }

    // Opens centred on that window, on the screen.
    void centreOn(const QWidget *window);

    // "..." beside the CD folder
    void browse();
    void showRuntimeInfo();

    static QString runtimeInfoText();

private:
    void subMenuClicked();
    // A folder not there yet is made when the author agrees.
    void offerToCreate(const QString &cdFolder);
    bool mayReplace(const QString &cdFolder);

    void status(const QString &text, int colour) override;
    void step(const QString &text) override;
    void fieldsEnabled(bool enabled) override;
    void report(const QString &text) override;
    void folderCompleted(const QString &folder) override;

    Prompter &m_prompter;
    CompileEngine m_engine;
    CompileOutcome m_outcome;
    QLabel *m_instructions;
    QLineEdit *m_folder;
    QPushButton *m_browse;
    QLineEdit *m_projectName;
    QLineEdit *m_author;
    QCheckBox *m_light;
    QLabel *m_infos;
    QCheckBox *m_subMenu;
    QLineEdit *m_subMenuName;
    QLabel *m_status;
    QLabel *m_step;
    QLabel *m_icon;
    QPushButton *m_validate;
};
