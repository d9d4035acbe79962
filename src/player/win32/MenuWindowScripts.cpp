// What the scripts read and change on the menu window.
#include "player/win32/InputDialog.h"
#include "player/win32/MenuWindow.h"
#include "player/win32/WideText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxPixels = 16384;
constexpr int kCustomPointer = 99;

// Cursors by the designer's MousePointer numbers.
const wchar_t *cursorOf(int pointer)
{
    static const wchar_t *const shapes[] = {
        IDC_ARROW,  IDC_ARROW,  IDC_CROSS,    IDC_IBEAM,    IDC_ARROW, IDC_SIZEALL, IDC_SIZENESW, IDC_SIZENS,
        IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT, IDC_NO,    IDC_APPSTARTING, IDC_HELP, IDC_SIZEALL};
    return pointer >= 0 && pointer < int(std::size(shapes)) ? shapes[pointer] : IDC_ARROW;
}

std::pair<int, int> keyOf(PlayerFront::Target target)
{
    const bool single = target.kind == PlayerFront::Kind::Screen || target.kind == PlayerFront::Kind::Window;
    return {int(target.kind), single ? 0 : target.number};
}

} // namespace

MenuWindow::Button *MenuWindow::buttonOf(Target target)
{
    return const_cast<Button *>(std::as_const(*this).buttonOf(target));
}

const MenuWindow::Button *MenuWindow::buttonOf(Target target) const
{
    if (target.kind != Kind::Button || target.number < 1 || target.number > int(m_buttons.size()))
        return nullptr;
    return &m_buttons[std::size_t(target.number - 1)];
}

TextBox *MenuWindow::textOf(Target target) const
{
    if (target.kind != Kind::Text || target.number < 1 || target.number > int(m_texts.size()))
        return nullptr;
    return m_texts[std::size_t(target.number - 1)].get();
}

// Outer box for the window, position in the window for the others, in pixels.
RECT MenuWindow::boxOf(Target target) const
{
    RECT box{};
    if (target.kind == Kind::Window) {
        GetWindowRect(m_window, &box);
    } else if (const Button *button = buttonOf(target)) {
        box = button->box();
    } else if (const TextBox *text = textOf(target)) {
        GetWindowRect(text->handle(), &box);
        MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT *>(&box), 2);
    }
    return box;
}

void MenuWindow::setBox(Target target, Property property, int pixels)
{
    RECT box = boxOf(target);
    if (property == Property::Left)
        OffsetRect(&box, pixels - box.left, 0);
    else if (property == Property::Top)
        OffsetRect(&box, 0, pixels - box.top);
    else if (property == Property::Width)
        box.right = box.left + std::max(1, pixels);
    else
        box.bottom = box.top + std::max(1, pixels);
    if (Button *button = buttonOf(target)) {
        // A button takes its picture's size; only its place changes.
        invalidate(*button);
        button->position = {box.left, box.top};
        invalidate(*button);
        return;
    }
    const HWND window = target.kind == Kind::Window ? m_window : textOf(target) ? textOf(target)->handle() : nullptr;
    if (window)
        SetWindowPos(window, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

PlayerFront::Value MenuWindow::property(Target target, Property property) const
{
    if (target.kind == Kind::Timer)
        return property == Property::Interval ? Value(double(m_interval)) : Value(m_timerOn);
    if (target.kind == Kind::Background)
        return property == Property::Stretch ? Value(m_stretch) : Value(m_backgroundPicture);
    if (target.kind == Kind::Border) {
        if (property == Property::Visible)
            return m_border.visible;
        return double(property == Property::BorderColor ? m_border.colour
                      : property == Property::BorderWidth ? m_border.width
                                                          : m_border.shape);
    }
    const auto pointer = m_pointers.find(keyOf(target));
    const double pointerValue = pointer == m_pointers.end() ? 0.0 : double(pointer->second);
    const auto icon = m_icons.find(keyOf(target));
    const std::string iconPath = icon == m_icons.end() ? std::string() : icon->second;
    if (target.kind == Kind::Screen)
        return property == Property::MouseIcon ? Value(iconPath) : Value(pointerValue);
    const Button *button = buttonOf(target);
    const TextBox *text = textOf(target);
    const bool window = target.kind == Kind::Window;
    if (!window && !button && !text)
        return 0.0;
    const RECT box = boxOf(target);
    switch (property) {
    case Property::WindowState:
        return IsIconic(m_window) ? 1.0 : IsZoomed(m_window) ? 2.0 : 0.0;
    case Property::Visible:
        return window ? bool(IsWindowVisible(m_window)) : button ? button->visible : bool(IsWindowVisible(text->handle()));
    case Property::Enabled:
        return window ? bool(IsWindowEnabled(m_window)) : button ? button->enabled : bool(IsWindowEnabled(text->handle()));
    case Property::Caption: {
        wchar_t title[512] = {};
        GetWindowTextW(m_window, title, int(std::size(title)));
        return widetext::narrow(title);
    }
    case Property::Text:
        return text ? text->text() : std::string();
    case Property::BackColor:
        return double(window ? m_menu.backgroundColour : text ? text->backColour() : 0);
    case Property::ForeColor:
        return double(window ? m_menu.backgroundColour : text ? text->textColour() : 0);
    case Property::Left:
        return std::round(box.left * 1440.0 / m_dpiX);
    case Property::Top:
        return std::round(box.top * 1440.0 / m_dpiY);
    case Property::Width:
        return std::round((box.right - box.left) * 1440.0 / m_dpiX);
    case Property::Height:
        return std::round((box.bottom - box.top) * 1440.0 / m_dpiY);
    case Property::MousePointer:
        return pointerValue;
    case Property::Picture:
        return button ? button->picture : std::string();
    case Property::MouseIcon:
        return iconPath;
    case Property::Locked:
        return text && text->locked();
    case Property::Alignment:
        return double(text ? text->alignment() : 0);
    case Property::FontBold:
        return text && text->font().bold;
    case Property::FontItalic:
        return text && text->font().italic;
    case Property::FontName:
        return text ? text->font().name : std::string();
    case Property::FontSize:
        return text ? text->font().size : 0.0;
    case Property::FontStrikethru:
        return text && text->font().strikeout;
    case Property::FontUnderline:
        return text && text->font().underline;
    case Property::ScrollBar:
        return text && text->scrollBar();
    case Property::Stretch:
    case Property::BorderColor:
    case Property::BorderWidth:
    case Property::Shape:
    case Property::Interval:
        break;
    }
    return 0.0;
}

void MenuWindow::setProperty(Target target, Property property, const Value &value)
{
    const double number = std::holds_alternative<double>(value) ? std::get<double>(value) : 0.0;
    const bool flag = std::holds_alternative<bool>(value) && std::get<bool>(value);
    const std::string text = std::holds_alternative<std::string>(value) ? std::get<std::string>(value) : std::string();
    if (target.kind == Kind::Timer) {
        if (property == Property::Interval)
            m_interval = std::clamp(int(number), 1, 60000);
        else
            m_timerOn = flag;
        KillTimer(m_window, 1);
        if (m_timerOn)
            SetTimer(m_window, 1, UINT(m_interval), nullptr);
        return;
    }
    if (target.kind == Kind::Background) {
        if (property == Property::Stretch) {
            m_stretch = flag;
        } else {
            m_backgroundPicture = text;
            m_background = pictureFile(text);
            m_backgroundScaled = Bitmap();
        }
        InvalidateRect(m_window, nullptr, FALSE);
        return;
    }
    if (target.kind == Kind::Border) {
        if (property == Property::Visible)
            m_border.visible = flag;
        else if (property == Property::BorderColor)
            m_border.colour = int(number);
        else if (property == Property::BorderWidth)
            m_border.width = std::clamp(int(number), 0, kMaxPixels);
        else if (property == Property::Shape)
            m_border.shape = int(number);
        InvalidateRect(m_window, nullptr, FALSE);
        return;
    }
    if (property == Property::MousePointer || property == Property::MouseIcon) {
        if (property == Property::MousePointer)
            m_pointers[keyOf(target)] = int(number);
        else
            m_icons[keyOf(target)] = text;
        POINT point;
        GetCursorPos(&point);
        SetCursorPos(point.x, point.y); // the system asks for the cursor again
        return;
    }
    Button *button = buttonOf(target);
    TextBox *box = textOf(target);
    const bool window = target.kind == Kind::Window;
    if (!window && !button && !box)
        return;
    const HWND handle = window ? m_window : box ? box->handle() : nullptr;
    switch (property) {
    case Property::WindowState:
        ShowWindow(m_window, number == 1 ? SW_MINIMIZE : number == 2 ? SW_MAXIMIZE : SW_RESTORE);
        break;
    case Property::Visible:
    case Property::Enabled:
        if (button) {
            (property == Property::Visible ? button->visible : button->enabled) = flag;
            if (m_hovered == button->number && !flag)
                m_hovered = 0;
            invalidate(*button);
        } else if (property == Property::Visible) {
            ShowWindow(handle, flag ? SW_SHOW : SW_HIDE);
        } else {
            EnableWindow(handle, flag);
        }
        break;
    case Property::Caption:
        SetWindowTextW(m_window, widetext::widen(text).c_str());
        break;
    case Property::Text:
        if (box)
            box->setText(text);
        break;
    case Property::BackColor:
    case Property::ForeColor:
        if (window) {
            m_menu.backgroundColour = int(number);
            InvalidateRect(m_window, nullptr, FALSE);
        } else if (box) {
            if (property == Property::BackColor)
                box->setBackColour(int(number));
            else
                box->setTextColour(int(number));
        }
        break;
    case Property::Left:
        setBox(target, property, toPixelsX(number));
        break;
    case Property::Top:
        setBox(target, property, toPixelsY(number));
        break;
    case Property::Width:
        setBox(target, property, toPixelsX(number));
        break;
    case Property::Height:
        setBox(target, property, toPixelsY(number));
        break;
    case Property::Locked:
        if (box)
            box->setLocked(flag);
        break;
    case Property::Alignment:
        if (box)
            box->setAlignment(int(number));
        break;
    case Property::FontBold:
    case Property::FontItalic:
    case Property::FontName:
    case Property::FontSize:
    case Property::FontStrikethru:
    case Property::FontUnderline:
        if (box) {
            TextBox::Font font = box->font();
            if (property == Property::FontBold)
                font.bold = flag;
            else if (property == Property::FontItalic)
                font.italic = flag;
            else if (property == Property::FontName)
                font.name = text;
            else if (property == Property::FontSize)
                font.size = number;
            else if (property == Property::FontStrikethru)
                font.strikeout = flag;
            else
                font.underline = flag;
            box->setFont(font);
        }
        break;
    case Property::ScrollBar:
        if (box)
            box->setScrollBar(flag);
        break;
    case Property::Picture:
        if (button) {
            invalidate(*button);
            button->picture = text;
            button->normal = pictureFile(text);
            invalidate(*button);
        }
        break;
    case Property::MousePointer:
    case Property::MouseIcon:
    case Property::Stretch:
    case Property::BorderColor:
    case Property::BorderWidth:
    case Property::Shape:
    case Property::Interval:
        break;
    }
}

HCURSOR MenuWindow::cursorFor(Target target) const
{
    const auto pointer = m_pointers.find(keyOf(target));
    if (pointer == m_pointers.end() || pointer->second == 0)
        return nullptr;
    if (pointer->second == kCustomPointer) {
        const auto icon = m_icons.find(keyOf(target));
        if (icon != m_icons.end() && !icon->second.empty()) {
            auto cached = m_iconCursors.find(icon->second);
            if (cached == m_iconCursors.end()) {
                const std::wstring path = m_shell.discPath(widetext::widen(icon->second));
                auto *loaded = HCURSOR(LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
                cached = m_iconCursors.emplace(icon->second, loaded).first;
            }
            if (cached->second)
                return cached->second;
        }
    }
    return LoadCursorW(nullptr, cursorOf(pointer->second));
}

bool MenuWindow::setCursor()
{
    HCURSOR cursor = cursorFor({Kind::Screen, 0});
    if (!cursor) {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(m_window, &point);
        if (const Button *button = buttonAt(point)) {
            cursor = cursorFor({Kind::Button, button->number});
            if (!cursor && m_menu.handCursor)
                cursor = LoadCursorW(nullptr, IDC_HAND);
        }
    }
    if (!cursor)
        cursor = cursorFor({Kind::Window, 0});
    if (!cursor)
        return false;
    SetCursor(cursor);
    return true;
}

void MenuWindow::closeMenu()
{
    if (m_window)
        PostMessageW(m_window, WM_CLOSE, 0, 0);
}

void MenuWindow::playSound(const std::string &path)
{
    m_sounds.play(m_shell.discPath(widetext::widen(path)));
}

void MenuWindow::runCommand(const std::string &commandLine)
{
    m_shell.run(widetext::widen(commandLine));
}

void MenuWindow::moveTray(bool open, const std::string &drive)
{
    m_shell.moveTray(open, widetext::widen(drive));
}

int MenuWindow::messageBox(const std::string &text, int buttons, const std::string &title)
{
    // The VBScript constants are the system's own: buttons, icons, default button, modality.
    const UINT type = UINT(buttons) & (0x7 | 0x70 | 0x300 | 0x1000);
    return MessageBoxW(m_window, widetext::widen(text).c_str(), widetext::widen(title).c_str(), type);
}

std::string MenuWindow::inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText)
{
    return widetext::narrow(
        InputDialog::ask(m_window, widetext::widen(prompt), widetext::widen(title), widetext::widen(defaultText)));
}
