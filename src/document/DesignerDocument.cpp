#include "document/DesignerDocument.h"

#include "document/PresenceCommand.h"
#include "document/ValueCommand.h"
#include "project/ProjectStorage.h"

using namespace Qt::StringLiterals;

DesignerDocument::DesignerDocument(Prompter &prompter, QString unsavedFolder, QObject *parent)
    : QObject(parent), m_storage(std::make_unique<ProjectStorage>(m_project, prompter, std::move(unsavedFolder)))
{
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
    // A project read, reset or written again starts a history of its own.
    connect(&m_project, &MenuProject::projectReset, this, &DesignerDocument::markUnmodified);
    // Typing goes on as one step until the author turns to another item.
    connect(&m_selection, &ItemSelection::selectionChanged, this, [this] { endBurst(); });
}

DesignerDocument::~DesignerDocument() = default;

ProjectLocation DesignerDocument::location() const
{
    return m_storage->location();
}

void DesignerDocument::markUnmodified()
{
    m_undo.clear();
    m_undo.setClean();
}

bool DesignerDocument::open(const QString &path)
{
    return m_storage->open(path);
}

ZepError DesignerDocument::save(const QString &path)
{
    const ZepError error = m_storage->save(path);
    if (!error.isError())
        m_undo.setClean();
    return error;
}

void DesignerDocument::reset()
{
    m_project.reset();
}

void DesignerDocument::replaceProject(const ProjectContent &content, const QString &path)
{
    m_project.replace(content, path);
}

void DesignerDocument::editSettings(const ProjectSettings &after, const QString &burstKey)
{
    const ProjectSettings before = m_project.settings();
    if (before == after)
        return;
    m_undo.push(new ValueCommand<ProjectSettings>(
        u"Paramètres"_s, before, after, [this](const ProjectSettings &s) { m_project.setSettings(s); },
        burstFor(burstKey), burstKey));
}

void DesignerDocument::setSize(float width, float height, const QString &burstKey)
{
    ProjectSettings after = m_project.settings();
    after.width = width;
    after.height = height;
    editSettings(after, burstKey);
}

void DesignerDocument::setShape(const QList<ShapePoint> &vertices)
{
    const QList<ShapePoint> before = m_project.shape().mid(1);
    if (before == vertices)
        return;
    m_undo.push(new ValueCommand<QList<ShapePoint>>(
        u"Forme"_s, before, vertices, [this](const QList<ShapePoint> &v) { m_project.setShapeVertices(v); }));
}

void DesignerDocument::setAuthorInfo(const AuthorInfo &author)
{
    if (m_project.author() == author)
        return;
    m_undo.push(new ValueCommand<AuthorInfo>(u"Propriétés"_s, m_project.author(), author,
                                             [this](const AuthorInfo &a) { m_project.setAuthor(a); }));
}

// Each item command applies its values to its own slot: merging two slots' edits would
// redo one item's content into the other.
QString DesignerDocument::itemKey(const QString &item, int slot, const QString &field)
{
    return field.isEmpty() ? field : item + u' ' + QString::number(slot) + u' ' + field;
}

void DesignerDocument::editButton(int slot, const MenuButton &after, const QString &burstKey)
{
    const MenuButton before = m_project.button(slot);
    if (before == after)
        return;
    m_undo.push(new ValueCommand<MenuButton>(
        u"Bouton"_s, before, after, [this, slot](const MenuButton &b) { m_project.setButton(slot, b); },
        burstFor(burstKey), itemKey(u"bouton"_s, slot, burstKey)));
}

void DesignerDocument::editText(int slot, const MenuText &after, const QString &burstKey)
{
    const MenuText before = m_project.text(slot);
    if (before == after)
        return;
    m_undo.push(new ValueCommand<MenuText>(
        u"Texte"_s, before, after, [this, slot](const MenuText &t) { m_project.setText(slot, t); },
        burstFor(burstKey), itemKey(u"texte"_s, slot, burstKey)));
}

int DesignerDocument::addButton(ButtonKind kind, const std::function<void(MenuButton &)> &chooseImages)
{
    if (!m_project.canAddButton())
        return -1;
    const int slot = m_project.buttonSlotsInUse();
    m_undo.beginMacro(u"Ajouter"_s);
    m_undo.push(new PresenceCommand(m_project, m_selection, ItemRef::button(slot), true, kind, u"Ajouter"_s));
    if (chooseImages) {
        MenuButton b = m_project.button(slot);
        chooseImages(b);
        editButton(slot, b);
    }
    m_undo.endMacro();
    return slot;
}

int DesignerDocument::addText()
{
    const int slot = m_project.textSlotsInUse();
    if (slot >= MenuProject::kMaxTextSlotsInUse)
        return -1;
    m_undo.push(new PresenceCommand(m_project, m_selection, ItemRef::text(slot), true, ButtonKind::None, u"Ajouter"_s));
    return slot;
}

void DesignerDocument::deleteButton(int slot)
{
    m_undo.push(
        new PresenceCommand(m_project, m_selection, ItemRef::button(slot), false, ButtonKind::None, u"Supprimer"_s));
}

void DesignerDocument::deleteText(int slot)
{
    m_undo.push(
        new PresenceCommand(m_project, m_selection, ItemRef::text(slot), false, ButtonKind::None, u"Supprimer"_s));
}
