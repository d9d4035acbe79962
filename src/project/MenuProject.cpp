#include "project/MenuProject.h"

#include "common/NumberText.h"

using namespace Qt::StringLiterals;

MenuProject::MenuProject(QObject *parent)
    : QObject(parent), m_buttons(kButtonSlots), m_texts{MenuText{}}
{
}

void MenuProject::reset()
{
    m_buttonSlotsInUse = 1;
    m_texts.resize(1);
    for (MenuButton &b : m_buttons) {
        b.normalImage.clear();
        b.hoverImage.clear();
        b.clickImage.clear();
        b.kind.clear();
        b.code.clear();
        b.hoverCode.clear();
        b.transparent = false;
        b.transparentColour = 0;
    }

    const float width = m_settings.width;
    const float height = m_settings.height;
    m_settings = ProjectSettings{};
    m_settings.width = width;
    m_settings.height = height;
    m_settings.icon = m_defaultIconMarker;

    m_path.clear();
    m_selectedButton = -1;
    m_chooser.clear();
    m_shape = {ShapePoint{}};
    m_author = AuthorInfo{};

    emit projectReset();
    emit pathChanged();
    emit chooserChanged();
    emit selectionChanged();
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
    if (m_author == author)
        return;
    m_author = author;
    emit authorChanged();
}

template<typename T>
void MenuProject::assign(T &member, const T &value, ProjectField field)
{
    if (member == value)
        return;
    member = value;
    emit settingChanged(field);
}

void MenuProject::setBackgroundImage(const QString &file) { assign(m_settings.backgroundImage, file, ProjectField::BackgroundImage); }
void MenuProject::setFullScreen(int on) { assign(m_settings.fullScreen, on, ProjectField::FullScreen); }
void MenuProject::setContours(int on) { assign(m_settings.contours, on, ProjectField::Contours); }
void MenuProject::setIcon(const QString &icon) { assign(m_settings.icon, icon, ProjectField::Icon); }
void MenuProject::setBackgroundMusic(const QString &file) { assign(m_settings.backgroundMusic, file, ProjectField::BackgroundMusic); }
void MenuProject::setStartupAction(const QString &action) { assign(m_settings.startupAction, action, ProjectField::StartupAction); }
void MenuProject::setBackgroundColour(int colour) { assign(m_settings.backgroundColour, colour, ProjectField::BackgroundColour); }
void MenuProject::setContextMenu(int on) { assign(m_settings.contextMenu, on, ProjectField::ContextMenu); }
void MenuProject::setTimerEnabled(int on) { assign(m_settings.timerEnabled, on, ProjectField::TimerEnabled); }
void MenuProject::setTimerInterval(const QString &interval) { assign(m_settings.timerInterval, interval, ProjectField::TimerInterval); }
void MenuProject::setTimerCode(const QString &code) { assign(m_settings.timerCode, code, ProjectField::TimerCode); }
void MenuProject::setGlobalCode(const QString &code) { assign(m_settings.globalCode, code, ProjectField::GlobalCode); }
void MenuProject::setHandCursor(int on) { assign(m_settings.handCursor, on, ProjectField::HandCursor); }
void MenuProject::setClickSound(const QString &file) { assign(m_settings.clickSound, file, ProjectField::ClickSound); }
void MenuProject::setHoverSound(const QString &file) { assign(m_settings.hoverSound, file, ProjectField::HoverSound); }
void MenuProject::setTransparencyImage(const QString &file) { assign(m_settings.transparencyImage, file, ProjectField::TransparencyImage); }
void MenuProject::setWindowHoverCode(const QString &code) { assign(m_settings.windowHoverCode, code, ProjectField::WindowHoverCode); }

void MenuProject::setSize(float width, float height)
{
    if (m_settings.width == width && m_settings.height == height)
        return;
    m_settings.width = width;
    m_settings.height = height;
    emit settingChanged(ProjectField::Size);
}

void MenuProject::setShapeVertices(const QList<ShapePoint> &vertices)
{
    QList<ShapePoint> shape{ShapePoint{}};
    shape.append(vertices);
    if (shape == m_shape)
        return;
    m_shape = shape;
    emit shapeChanged();
}

int MenuProject::appendButtonSlot()
{
    if (!canAddButton())
        return -1;
    const int slot = m_buttonSlotsInUse++;
    m_buttons[slot] = m_buttons[0];
    m_buttons[slot].left = 200;
    m_buttons[slot].top = 200;
    emit buttonAdded(slot);
    return slot;
}

int MenuProject::addButton(const QString &kind)
{
    const int slot = appendButtonSlot();
    if (slot < 0)
        return -1;
    MenuButton b = m_buttons[slot];
    b.kind = kind;
    if (kind == u"code"_s)
        b.code = MenuButton::codeTemplate(slot);
    setButton(slot, b);
    addChooserEntry(ItemChooser::buttonEntry(slot, kind));
    chooseEntry(m_chooser.entries().last());
    return slot;
}

void MenuProject::setButton(int slot, const MenuButton &button)
{
    if (m_buttons[slot] == button)
        return;
    m_buttons[slot] = button;
    emit buttonChanged(slot);
}

void MenuProject::deleteButton(int slot)
{
    MenuButton b = m_buttons[slot];
    b.kind = MenuButton::kDeletedKind;
    setButton(slot, b);
    m_chooser.removeButton(slot);
    m_selectedButton = -1;
    m_chooser.selectFirst();
    emit chooserChanged();
    emit selectionChanged();
}

int MenuProject::appendTextSlot()
{
    if (textSlotsInUse() >= kMaxTextSlotsInUse)
        return -1;
    m_texts.append(m_texts[0]);
    const int slot = textSlotsInUse() - 1;
    m_texts[slot].visible = true;
    emit textAdded(slot);
    return slot;
}

int MenuProject::addText()
{
    const int slot = appendTextSlot();
    if (slot < 0)
        return -1;
    MenuText t = m_texts[slot];
    t.top = 200;
    t.left = 200;
    t.width = 2895;
    t.height = 1455;
    t.text = u"Tapez ici le contenu du Texte "_s + QString::number(slot);
    setText(slot, t);
    addChooserEntry(ItemChooser::textEntry(slot));
    chooseEntry(m_chooser.entries().last());
    return slot;
}

void MenuProject::setText(int slot, const MenuText &text)
{
    if (m_texts[slot] == text)
        return;
    m_texts[slot] = text;
    emit textChanged(slot);
}

void MenuProject::deleteText(int slot)
{
    MenuText t = m_texts[slot];
    t.text = MenuText::kDeletedText;
    t.visible = false;
    setText(slot, t);
    m_chooser.removeText(slot);
    m_selectedText = -1;
    m_chooser.selectFirst();
    emit chooserChanged();
    emit selectionChanged();
}

void MenuProject::addChooserEntry(const QString &entry)
{
    m_chooser.append(entry);
    emit chooserChanged();
}

void MenuProject::chooseEntry(const QString &entry)
{
    if (!m_chooser.select(entry))
        return;
    if (entry.startsWith(u"Bouton"_s))
        m_selectedButton = int(numtext::val(QStringView(entry).mid(7, 3)));
    else if (entry.startsWith(u"Texte"_s))
        m_selectedText = int(numtext::val(QStringView(entry).mid(6)));
    emit selectionChanged();
}

void MenuProject::setLoading(bool loading)
{
    if (m_loading == loading)
        return;
    m_loading = loading;
    emit loadingChanged(loading);
}
