#pragma once

#include "project/AuthorInfo.h"

#include <QDialog>

#include <functional>

class MenuProject;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Form19, "Propriétés": facts about the project file on disk and the four author
// fields, which "&Valider" hands to the apply function when they changed.
class FilePropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    using Apply = std::function<void(const AuthorInfo &author)>;

    FilePropertiesDialog(const MenuProject &project, Apply apply, QWidget *parent = nullptr);

    // "&Valider"
    void validate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void notesEdited();

    const MenuProject &m_project;
    Apply m_apply;
    QLineEdit *m_website;
    QLineEdit *m_email;
    QLineEdit *m_name;
    QPlainTextEdit *m_notes;
    QPushButton *m_validate;
};
