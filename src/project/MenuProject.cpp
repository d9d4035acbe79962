#include "project/MenuProject.h"

#include "common/Phrases.h"

#include <QStringList>

#include <functional>

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

namespace {

template<typename T>
ProjectSettings with(const ProjectSettings &settings, T ProjectSettings::*member, const T &value)
{
    ProjectSettings s = settings;
    s.*member = value;
    return s;
}

} // namespace

void MenuProject::setBackgroundImage(const QString &file) { setSettings(with(m_c.settings, &ProjectSettings::backgroundImage, file)); }
void MenuProject::setFullScreen(int on) { setSettings(with(m_c.settings, &ProjectSettings::fullScreen, on)); }
void MenuProject::setContours(int on) { setSettings(with(m_c.settings, &ProjectSettings::contours, on)); }
void MenuProject::setIcon(const QString &icon) { setSettings(with(m_c.settings, &ProjectSettings::icon, icon)); }
void MenuProject::setBackgroundMusic(const QString &file) { setSettings(with(m_c.settings, &ProjectSettings::backgroundMusic, file)); }
void MenuProject::setStartupAction(const QString &action) { setSettings(with(m_c.settings, &ProjectSettings::startupAction, action)); }
void MenuProject::setBackgroundColour(int colour) { setSettings(with(m_c.settings, &ProjectSettings::backgroundColour, colour)); }
void MenuProject::setContextMenu(int on) { setSettings(with(m_c.settings, &ProjectSettings::contextMenu, on)); }
void MenuProject::setTimerEnabled(int on) { setSettings(with(m_c.settings, &ProjectSettings::timerEnabled, on)); }
void MenuProject::setTimerInterval(const QString &interval) { setSettings(with(m_c.settings, &ProjectSettings::timerInterval, interval)); }
void MenuProject::setTimerCode(const QString &code) { setSettings(with(m_c.settings, &ProjectSettings::timerCode, code)); }
void MenuProject::setGlobalCode(const QString &code) { setSettings(with(m_c.settings, &ProjectSettings::globalCode, code)); }
void MenuProject::setHandCursor(int on) { setSettings(with(m_c.settings, &ProjectSettings::handCursor, on)); }
void MenuProject::setClickSound(const QString &file) { setSettings(with(m_c.settings, &ProjectSettings::clickSound, file)); }
void MenuProject::setHoverSound(const QString &file) { setSettings(with(m_c.settings, &ProjectSettings::hoverSound, file)); }
void MenuProject::setTransparencyImage(const QString &file) { setSettings(with(m_c.settings, &ProjectSettings::transparencyImage, file)); }
void MenuProject::setWindowHoverCode(const QString &code) { setSettings(with(m_c.settings, &ProjectSettings::windowHoverCode, code)); }

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
    addAndChoose(ItemRef::button(slot));
    return slot;
}

void MenuProject::setButton(int slot, const MenuButton &button)
{
    if (m_c.buttons[slot] == button)
        return;
    m_c.buttons[slot] = button;
    emit buttonChanged(slot);
}

void MenuProject::deleteButton(int slot)
{
    MenuButton b = m_c.buttons[slot];
    b.kind = ButtonKind::Deleted;
    setButton(slot, b);
    m_c.selectedButton = -1;
    removeEntry(ItemRef::button(slot));
}

void MenuProject::restoreButton(int slot, ButtonKind kind)
{
    MenuButton b = m_c.buttons[slot];
    b.kind = kind;
    setButton(slot, b);
    addAndChoose(ItemRef::button(slot));
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
    addAndChoose(ItemRef::text(slot));
    return slot;
}

void MenuProject::setText(int slot, const MenuText &text)
{
    if (m_c.texts[slot] == text)
        return;
    m_c.texts[slot] = text;
    emit textChanged(slot);
}

void MenuProject::deleteText(int slot)
{
    MenuText t = m_c.texts[slot];
    t.deleted = true;
    t.visible = false;
    setText(slot, t);
    m_c.selectedText = -1;
    removeEntry(ItemRef::text(slot));
}

void MenuProject::restoreText(int slot)
{
    MenuText t = m_c.texts[slot];
    t.deleted = false;
    t.visible = true;
    setText(slot, t);
    addAndChoose(ItemRef::text(slot));
}

QString MenuProject::caption(ItemRef item) const
{
    return ItemChooser::caption(item, item.kind == ItemKind::Button ? m_c.buttons[item.slot].kindWord() : QString());
}

QStringList MenuProject::captions() const
{
    QStringList list;
    for (ItemRef item : m_c.chooser.entries())
        list.append(caption(item));
    return list;
}

void MenuProject::choose(ItemRef item)
{
    if (m_c.choose(item))
        emit selectionChanged();
}

void MenuProject::addAndChoose(ItemRef item)
{
    m_c.addAndChoose(item);
    emit chooserChanged();
    emit selectionChanged();
}

void MenuProject::removeEntry(ItemRef item)
{
    m_c.chooser.remove(item);
    m_c.chooser.selectFirst();
    emit chooserChanged();
    emit selectionChanged();
}
