#pragma once

#include "project/ItemField.h"
#include "project/ProjectContent.h"
#include "project/ProjectField.h"

#include <QObject>

// The one menu being designed. Windows read it and change it only through these
// methods, and follow its signals.
class MenuProject : public QObject
{
    Q_OBJECT

public:
    static constexpr int kButtonSlots = ProjectContent::kButtonSlots;
    static constexpr int kMaxButtonSlotsInUse = ProjectContent::kMaxButtonSlotsInUse;
    static constexpr int kMaxTextSlotsInUse = ProjectContent::kMaxTextSlotsInUse;

    explicit MenuProject(QObject *parent = nullptr);

    // The icon marker a reset puts back; a language pack words it differently.
    void setDefaultIconMarker(const QString &marker) { m_defaultIconMarker = marker; }
    const QString &defaultIconMarker() const { return m_defaultIconMarker; }
    void reset();
    // Takes a whole project at once, as read from a file; one projectReset tells the views.
    void replace(const ProjectContent &content, const QString &path);
    const ProjectContent &content() const { return m_c; }

    // File identity
    const QString &path() const { return m_path; }
    void setPath(const QString &path);
    const QString &formatVersion() const { return m_c.formatVersion; }
    const AuthorInfo &author() const { return m_c.author; }
    void setAuthor(const AuthorInfo &author);

    // Project-level values
    const ProjectSettings &settings() const { return m_c.settings; }
    // Signals settingChanged once for every field that differs.
    void setSettings(const ProjectSettings &settings);
    void setSize(float width, float height);
    void setIcon(const QString &icon);

    // The outline, 1-based: entry 0 holds no vertex.
    const QList<ShapePoint> &shape() const { return m_c.shape; }
    int shapeVertexCount() const { return int(m_c.shape.size()) - 1; }
    void setShapeVertices(const QList<ShapePoint> &vertices);

    // Buttons: slots 1 to buttonSlotsInUse() - 1
    int buttonSlotsInUse() const { return m_c.buttonSlotsInUse; }
    const MenuButton &button(int slot) const { return m_c.buttons[slot]; }
    bool canAddButton() const { return m_c.canAddButton(); }
    // A new button of the given kind at 200, 200; -1 when 99 exist.
    int addButton(ButtonKind kind);
    void setButton(int slot, const MenuButton &button);
    void deleteButton(int slot);
    // A deleted button back with its kind.
    void restoreButton(int slot, ButtonKind kind);

    // Texts: slots 1 to textSlotsInUse() - 1
    int textSlotsInUse() const { return int(m_c.texts.size()); }
    const MenuText &text(int slot) const { return m_c.texts[slot]; }
    // A new text from the template at 200, 200 with its placeholder content.
    int addText();
    void setText(int slot, const MenuText &text);
    void deleteText(int slot);
    // A deleted text back with its content.
    void restoreText(int slot);

signals:
    void projectReset();
    void pathChanged();
    void authorChanged();
    void settingChanged(ProjectField field);
    void shapeChanged();
    void buttonAdded(int slot);
    void buttonChanged(int slot, ButtonFields fields);
    void textAdded(int slot);
    void textChanged(int slot, TextFields fields);

private:
    QString m_path;
    ProjectContent m_c;
    QString m_defaultIconMarker = ProjectSettings::kDefaultIconMarker;
};
