#pragma once

#include "common/ZepError.h"
#include "document/ItemSelection.h"
#include "project/MenuProject.h"
#include "project/ProjectLocation.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>

class ProjectStorage;
class Prompter;

// The open project as the designer edits it: the model, the item the author has turned
// to, its undo stack, its file and folder. Every edit made in a designer window is one
// command made here, so it can be undone; reading, reset and saving are not edits.
class DesignerDocument : public QObject
{
    Q_OBJECT

public:
    // unsavedFolder: where the bare file names of a never-saved project lie.
    DesignerDocument(Prompter &prompter, QString unsavedFolder, QObject *parent = nullptr);
    ~DesignerDocument() override;

    MenuProject &project() { return m_project; }
    const MenuProject &project() const { return m_project; }
    ItemSelection &selection() { return m_selection; }
    const ItemSelection &selection() const { return m_selection; }
    QUndoStack &undoStack() { return m_undo; }
    ProjectStorage &storage() { return *m_storage; }

    const QString &path() const { return m_project.path(); }
    // Beside the project file; for a project never saved, in the folder given when the
    // document was made (the folder the designer started in).
    ProjectLocation location() const;
    QString folder() const { return location().folder(); }
    QString resolve(const QString &reference) const { return location().resolve(reference); }

    // Changed since the last read, reset or save; undoing back to that point is no change.
    bool isModified() const { return !m_undo.isClean(); }

    // Not undoable. Reading asks its questions through the prompter.
    bool open(const QString &path);
    // The caller shows a failure (ProjectStorage::saveFailure).
    ZepError save(const QString &path);
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
    ItemSelection m_selection{m_project};
    QUndoStack m_undo;
    std::unique_ptr<ProjectStorage> m_storage;
    int m_burst = 1;
};
