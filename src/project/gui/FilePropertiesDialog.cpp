#include "project/gui/FilePropertiesDialog.h"

#include "common/Fold.h"
#include "project/MenuProject.h"
#include "project/ProjectFileFacts.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *readOnlyField(const QString &name, const QString &text, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setCursorPosition(0);
    // Facts of the file look apart from what the author may change.
    QPalette p = field->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    field->setPalette(p);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QLineEdit *editableField(const QString &name, const QString &text, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setCursorPosition(0);
    return field;
}

} // namespace

FilePropertiesDialog::FilePropertiesDialog(const MenuProject &project, Apply apply, QWidget *parent)
    : QDialog(parent), m_project(project), m_apply(std::move(apply))
{
    setObjectName(u"Form19"_s);
    setWindowTitle(u"Propriétés"_s);
    setModal(true);

    const ProjectFileFacts facts = ProjectFileFacts::read(project.path());
    const AuthorInfo &author = project.author();
    m_website = editableField(u"site"_s, author.website, this);
    m_email = editableField(u"email"_s, author.email, this);
    m_name = editableField(u"auteur"_s, author.name, this);
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(u"notes"_s);
    m_notes->setTabChangesFocus(true);
    m_notes->setPlainText(QString(author.notes).replace(u"\r\n"_s, u"\n"_s));
    m_notes->installEventFilter(this);
    connect(m_notes, &QPlainTextEdit::textChanged, this, &FilePropertiesDialog::notesEdited);

    auto *form = new QFormLayout;
    form->addRow(u"Editeur :"_s, readOnlyField(u"editeur"_s, facts.editor, this));
    form->addRow(u"Version :"_s, readOnlyField(u"version"_s, facts.version, this));
    form->addRow(u"Version fichier :"_s, readOnlyField(u"version_fichier"_s, facts.fileVersion, this));
    form->addRow(readOnlyField(u"fichier"_s, facts.file, this));
    form->addRow(u"Site internet :"_s, m_website);
    form->addRow(u"Adresse e-mail :"_s, m_email);
    form->addRow(u"Nom de l'auteur :"_s, m_name);
    form->addRow(u"Notes :"_s, m_notes);
    for (const QString &field :
         {u"editeur"_s, u"version"_s, u"version_fichier"_s, u"site"_s, u"email"_s, u"auteur"_s, u"notes"_s})
        form->labelForField(findChild<QWidget *>(field))->setObjectName(u"label_"_s + field);

    auto *buttons = new QDialogButtonBox(this);
    m_validate = buttons->addButton(u"&Valider"_s, QDialogButtonBox::AcceptRole);
    m_validate->setObjectName(u"valider"_s);
    m_validate->setDefault(true);
    QPushButton *cancel = buttons->addButton(u"&Annuler"_s, QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"annuler"_s);
    connect(m_validate, &QPushButton::clicked, this, &FilePropertiesDialog::validate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());
    m_website->setFocus();
}

void FilePropertiesDialog::validate()
{
    AuthorInfo author;
    author.website = m_website->text();
    author.email = m_email->text();
    author.name = m_name->text();
    author.notes = m_notes->toPlainText().replace(u'\n', u"\r\n"_s);
    if (author != m_project.author() && m_apply)
        m_apply(author);
    accept();
}

void FilePropertiesDialog::notesEdited()
{
    // "¤" folds line breaks in the project file, so it cannot stand in the notes.
    QTextDocument *document = m_notes->document();
    const QSignalBlocker blocker(m_notes);
    const QString mark(fold::kFoldMark);
    for (QTextCursor found = document->find(mark); !found.isNull(); found = document->find(mark, found))
        found.insertText(u"*"_s);
}

bool FilePropertiesDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Enter makes a new line in the notes; elsewhere it validates.
    if (watched == m_notes && event->type() == QEvent::FocusIn)
        m_validate->setDefault(false);
    else if (watched == m_notes && event->type() == QEvent::FocusOut)
        m_validate->setDefault(true);
    return QDialog::eventFilter(watched, event);
}
