#pragma once

#include "project/MenuProject.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>

class ProjectStorage;
class Prompter;

// The open project as the designer edits it: the model, its undo stack, its file and
// folder. Every edit made in a designer window is one command made here, so it can
// be undone; reading, reset and saving are not edits.
class DesignerDocument : public QObject
{
    Q_OBJECT

public:
    // unsavedFolder: where the bare file names of a never-saved project lie.
    DesignerDocument(Prompter &prompter, QString unsavedFolder, QObject *parent = nullptr);
    ~DesignerDocument() override;

    MenuProject &project() { return m_project; }
    const MenuProject &project() const { return m_project; }
    QUndoStack &undoStack() { return m_undo; }
    ProjectStorage &storage() { return *m_storage; }

    const QString &path() const { return m_project.path(); }
    // The folder of the project file, ending with "/"; for a project never saved, the
    // folder given when the document was made (the folder the designer started in).
    QString folder() const;
    // A file reference ready to open: a bare name lies in folder(); empty stays empty.
    QString resolve(const QString &reference) const;
    // The one rule, for a project file anywhere: its folder, or unsavedFolder without one.
    static QString folderOf(const QString &projectPath, const QString &unsavedFolder);

    // Changed since the last read, reset or save; undoing back to that point is no change.
    bool isModified() const { return !m_undo.isClean(); }

    // Not undoable. Reading asks its questions through the prompter.
    bool open(const QString &path);
    bool save(const QString &path);
    void reset();
    void replaceProject(const ProjectContent &content, const QString &path);

    // Project-level values
    template<typename T>
    void setSetting(T ProjectSettings::*member, const T &value)
    {
        ProjectSettings after = m_project.settings();
        after.*member = value;
        editSettings(after);
    }
    void editSettings(const ProjectSettings &after, const QString &burstKey = QString());
    void setSize(float width, float height, const QString &burstKey = QString());
    void setShape(const QList<ShapePoint> &vertices);
    void setAuthorInfo(const AuthorInfo &author);

    // Items
    void editButton(int slot, const MenuButton &after, const QString &burstKey = QString());
    void editText(int slot, const MenuText &after, const QString &burstKey = QString());
    // A new button of that kind, then the images chosen for it, as one step; -1 when
    // no slot is left. chooseImages runs once the button exists and is selected.
    int addButton(ButtonKind kind, const std::function<void(MenuButton &)> &chooseImages = {});
    int addText();
    void deleteButton(int slot);
    void deleteText(int slot);

    // Edits given a burst key until endBurst() merge into one step.
    void endBurst() { ++m_burst; }

signals:
    void modifiedChanged(bool modified);

private:
    void markUnmodified();
    int burstFor(const QString &key) const { return key.isEmpty() ? 0 : m_burst; }
    static QString itemKey(const QString &item, int slot, const QString &field);

    MenuProject m_project;
    QUndoStack m_undo;
    std::unique_ptr<ProjectStorage> m_storage;
    QString m_unsavedFolder;
    int m_burst = 1;
};
