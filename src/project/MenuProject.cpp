#include "project/MenuProject.h"

#include "common/Phrases.h"

using namespace Qt::StringLiterals;

namespace {

// Every project-level field with the test of whether it differs between two values.
bool differs(ProjectField field, const ProjectSettings &a, const ProjectSettings &b)
{
    switch (field) {
    case ProjectField::BackgroundImage: return a.backgroundImage != b.backgroundImage;
    case ProjectField::FullScreen: return a.fullScreen != b.fullScreen;
    case ProjectField::Size: return a.width != b.width || a.height != b.height;
    case ProjectField::Contours: return a.contours != b.contours;
    case ProjectField::Icon: return a.icon != b.icon;
    case ProjectField::BackgroundMusic: return a.backgroundMusic != b.backgroundMusic;
    case ProjectField::StartupAction: return a.startupAction != b.startupAction;
    case ProjectField::BackgroundColour: return a.backgroundColour != b.backgroundColour;
    case ProjectField::ContextMenu: return a.contextMenu != b.contextMenu;
    case ProjectField::TimerEnabled: return a.timerEnabled != b.timerEnabled;
    case ProjectField::TimerInterval: return a.timerInterval != b.timerInterval;
    case ProjectField::TimerCode: return a.timerCode != b.timerCode;
    case ProjectField::GlobalCode: return a.globalCode != b.globalCode;
    case ProjectField::HandCursor: return a.handCursor != b.handCursor;
    case ProjectField::ClickSound: return a.clickSound != b.clickSound;
    case ProjectField::HoverSound: return a.hoverSound != b.hoverSound;
    case ProjectField::TransparencyImage: return a.transparencyImage != b.transparencyImage;
    case ProjectField::WindowHoverCode: return a.windowHoverCode != b.windowHoverCode;
    }
    return false;
}

} // namespace

MenuProject::MenuProject(QObject *parent) : QObject(parent)
{
}

void MenuProject::reset()
{
    replace(ProjectContent::fresh(m_c, m_defaultIconMarker), QString());
}

void MenuProject::replace(const ProjectContent &content, const QString &path)
{
    m_c = content;
    const bool pathChanges = m_path != path;
    m_path = path;
    emit projectReset();
    if (pathChanges)
        emit pathChanged();
}

void MenuProject::setPath(const QString &path)
{
    if (m_path == path)
        return;
    m_path = path;
    emit pathChanged();
}

void MenuProject::setAuthor(const AuthorInfo &author)
{
    if (m_c.author == author)
        return;
    m_c.author = author;
    emit authorChanged();
}

void MenuProject::setSettings(const ProjectSettings &settings)
{
    const ProjectSettings before = std::exchange(m_c.settings, settings);
    for (int f = int(ProjectField::BackgroundImage); f <= int(ProjectField::WindowHoverCode); ++f) {
        if (differs(ProjectField(f), before, settings))
            emit settingChanged(ProjectField(f));
    }
}

void MenuProject::setIcon(const QString &icon)
{
    ProjectSettings s = m_c.settings;
    s.icon = icon;
    setSettings(s);
}

void MenuProject::setSize(float width, float height)
{
    ProjectSettings s = m_c.settings;
    s.width = width;
    s.height = height;
    setSettings(s);
}

void MenuProject::setShapeVertices(const QList<ShapePoint> &vertices)
{
    QList<ShapePoint> shape{ShapePoint{}};
    shape.append(vertices);
    if (shape == m_c.shape)
        return;
    m_c.shape = shape;
    emit shapeChanged();
}

int MenuProject::addButton(ButtonKind kind)
{
    const int slot = m_c.appendButtonSlot();
    if (slot < 0)
        return -1;
    emit buttonAdded(slot);
    MenuButton b = m_c.buttons[slot];
    b.kind = kind;
    if (kind == ButtonKind::Code)
        b.code = MenuButton::codeTemplate(slot);
    setButton(slot, b);
    return slot;
}

void MenuProject::setButton(int slot, const MenuButton &button)
{
    if (m_c.buttons[slot] == button)
        return;
    const ButtonFields fields = itemfield::changed(m_c.buttons[slot], button);
    m_c.buttons[slot] = button;
    emit buttonChanged(slot, fields);
}

void MenuProject::deleteButton(int slot)
{
    MenuButton b = m_c.buttons[slot];
    b.kind = ButtonKind::Deleted;
    setButton(slot, b);
}

void MenuProject::restoreButton(int slot, ButtonKind kind)
{
    MenuButton b = m_c.buttons[slot];
    b.kind = kind;
    setButton(slot, b);
}

int MenuProject::addText()
{
    const int slot = m_c.appendTextSlot();
    if (slot < 0)
        return -1;
    emit textAdded(slot);
    MenuText t = m_c.texts[slot];
    t.top = 200;
    t.left = 200;
    t.width = 2895;
    t.height = 1455;
    t.text = Phrases::text(Phrase::TypeContentHere) + u"Texte "_s + QString::number(slot);
    setText(slot, t);
    return slot;
}

void MenuProject::setText(int slot, const MenuText &text)
{
    if (m_c.texts[slot] == text)
        return;
    const TextFields fields = itemfield::changed(m_c.texts[slot], text);
    m_c.texts[slot] = text;
    emit textChanged(slot, fields);
}

void MenuProject::deleteText(int slot)
{
    MenuText t = m_c.texts[slot];
    t.deleted = true;
    t.visible = false;
    setText(slot, t);
}

void MenuProject::restoreText(int slot)
{
    MenuText t = m_c.texts[slot];
    t.deleted = false;
    t.visible = true;
    setText(slot, t);
}
