#include "player/core/MenuSession.h"

#include "player/core/PlayerMessages.h"
#include "player/core/PlayerPainter.h"
#include "player/core/ShellCommand.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int kMaxPixels = 16384;
constexpr int kMaxInterval = 65535;
constexpr int kCustomPointer = 99;
constexpr int kCritical = 16;
constexpr int kInformation = 64;
// Pictures are drawn for a screen of 96 dots per inch.
constexpr double kPictureDpi = 96;

int clampedPixels(double value)
{
    return std::isnan(value) ? 0 : int(std::lround(std::clamp(value, double(-kMaxPixels), double(kMaxPixels))));
}

TextBoxLook::Alignment alignmentOf(double value)
{
    return value == 1 ? TextBoxLook::Alignment::Right
           : value == 2 ? TextBoxLook::Alignment::Centre
                        : TextBoxLook::Alignment::Left;
}

double alignmentValue(TextBoxLook::Alignment alignment)
{
    return alignment == TextBoxLook::Alignment::Right ? 1 : alignment == TextBoxLook::Alignment::Centre ? 2 : 0;
}

// Script numbers can be anything a Double holds.
int whole(double value)
{
    return std::isnan(value) ? 0 : int(std::clamp(value, -2147483647.0, 2147483647.0));
}

double fontSize(double points)
{
    return std::isnan(points) ? 10.0 : std::clamp(points, 1.0, 400.0);
}

} // namespace

MenuSession::MenuSession(MenuModel menu, PlayerFront &front, DiscPaths paths)
    : m_menu(std::move(menu)), m_front(front), m_paths(std::move(paths)), m_scripts(m_menu, *this, m_paths)
{
    const ScreenInfo screen = m_front.screenInfo();
    if (screen.dpiX > 0 && screen.dpiY > 0) {
        m_twips = TwipsPerPixel::fromDpi(screen.dpiX, screen.dpiY);
        m_pictureScale = {screen.dpiX / kPictureDpi, screen.dpiY / kPictureDpi};
    }
    m_screen = screen.size;
    m_workArea = screen.workArea.width > 0 && screen.workArea.height > 0
                     ? screen.workArea
                     : PixelRect{0, 0, screen.size.width, screen.size.height};
    m_scripts.setLocale(m_front.userLocale());
    m_title = m_menu.projectName;
    m_timerEnabled = m_menu.timerEnabled;
    m_timerInterval = std::clamp(m_menu.timerInterval, 0, kMaxInterval);
    if (!m_menu.backgroundImage.empty()) {
        m_background = m_paths.menuFile(m_menu.backgroundImage);
        m_backgroundSize = shownSize(m_front.loadPicture(m_background));
    }
    for (const MenuModel::Button &b : m_menu.buttons) {
        Button button;
        button.at = {pixelsX(b.left), pixelsY(b.top)};
        const std::string *names[] = {&b.normalImage, &b.hoverImage, &b.clickImage};
        for (int look = 0; look < 3; ++look) {
            if (names[look]->empty())
                continue;
            const std::string path = m_paths.menuFile(*names[look]);
            const PixelSize size = shownSize(m_front.loadPicture(path));
            if (size.width > 0 && size.height > 0) {
                button.images[look] = path;
                button.sizes[look] = size;
            }
        }
        m_buttons.push_back(std::move(button));
    }
    for (const MenuModel::Text &t : m_menu.texts) {
        Text text;
        TextBoxLook &look = text.look;
        look.rect = {pixelsX(t.left), pixelsY(t.top), std::max(1, pixelsX(t.width)), std::max(1, pixelsY(t.height))};
        look.locked = t.readOnly;
        look.scrollBar = t.scrollBar;
        look.text = t.text;
        look.back = Rgb::fromValue(t.backColour);
        look.fore = Rgb::fromValue(t.textColour);
        look.fontName = t.fontName;
        look.fontSize = fontSize(t.fontSize);
        look.bold = t.bold;
        look.italic = t.italic;
        look.underline = t.underline;
        look.strikethrough = t.strikethrough;
        m_texts.push_back(std::move(text));
    }
}

MenuSession::~MenuSession() = default;

void MenuSession::setTimeLimit(std::chrono::milliseconds limit)
{
    m_scripts.setTimeLimit(limit);
}

int MenuSession::pixelsX(double twips) const
{
    return clampedPixels(m_twips.toPixelsX(twips));
}

int MenuSession::pixelsY(double twips) const
{
    return clampedPixels(m_twips.toPixelsY(twips));
}

PixelSize MenuSession::shownSize(PixelSize picture) const
{
    if (picture.width <= 0 || picture.height <= 0)
        return {};
    return {std::max(1, clampedPixels(picture.width * m_pictureScale.x)),
            std::max(1, clampedPixels(picture.height * m_pictureScale.y))};
}

void MenuSession::start()
{
    WindowLook look;
    look.title = m_title;
    look.fullScreen = m_menu.fullScreen;
    if (m_menu.fullScreen) {
        look.frame = {0, 0, m_screen.width, m_screen.height};
    } else {
        // Centred in the work area, and never beyond it: a menu made for a small screen at
        // 96 dpi may be larger than a laptop's screen at 150 %.
        const int width = std::clamp(pixelsX(m_menu.width), 1, std::max(1, m_workArea.width));
        const int height = std::clamp(pixelsY(m_menu.height), 1, std::max(1, m_workArea.height));
        look.frame = {m_workArea.x + (m_workArea.width - width) / 2, m_workArea.y + (m_workArea.height - height) / 2,
                      width, height};
    }
    if (m_menu.shape.size() >= 3) {
        for (const MenuModel::Point &p : m_menu.shape)
            look.shape.push_back({pixelsX(double(p.x)), pixelsY(double(p.y))});
    }
    if (!m_menu.transparencyImage.empty()) {
        const std::string holes = m_paths.menuFile(m_menu.transparencyImage);
        if (m_front.loadPicture(holes).width > 0)
            look.holesPicture = holes;
    }
    // A shaped window has no frame to draw.
    look.framed = m_menu.contours && look.shape.empty() && look.holesPicture.empty();
    m_front.createWindow(look);
    for (std::size_t i = 0; i < m_texts.size(); ++i)
        m_front.showText(int(i) + 1, m_texts[i].look);
    m_windowVisible = true;
    m_front.setWindowVisible(true);
    updateCursor();
    if (!m_menu.backgroundMusic.empty())
        m_front.playSound(SoundChannel::Music, m_paths.menuFile(m_menu.backgroundMusic));
    applyTimer();
    // The global code runs even without a start-up script: every other script may need it.
    m_scripts.runStartup(m_menu.globalCode, m_menu.startupScript());
    if (!m_menu.startupIsScript() && !m_menu.startupAction.empty()) {
        const std::string target = m_paths.discFile(m_menu.startupAction);
        if (!m_front.openDocument(target))
            tellCannotStart(target);
    }
}

void MenuSession::paint(PlayerPainter &painter, PixelSize client) const
{
    const PixelRect area{0, 0, client.width, client.height};
    painter.fill(area, Rgb::fromValue(m_menu.backgroundColour));
    if (!m_background.empty()) {
        // Stretched over the menu's size, as the designer composed the transparent buttons over it.
        const PixelRect frame = m_front.windowFrame();
        painter.drawPicture(m_background, m_stretch ? PixelRect{0, 0, std::max(frame.width, client.width),
                                                                std::max(frame.height, client.height)}
                                                    : PixelRect{0, 0, m_backgroundSize.width, m_backgroundSize.height});
    }
    if (m_border.visible && m_border.width > 0) {
        const auto shape = m_border.shape == 2   ? PlayerPainter::Outline::Ellipse
                           : m_border.shape == 4 ? PlayerPainter::Outline::RoundedRectangle
                                                 : PlayerPainter::Outline::Rectangle;
        painter.drawOutline(shape, area, Rgb::fromValue(m_border.colour), m_border.width);
    }
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const Button &b = m_buttons[i];
        const int look = int(lookOf(int(i) + 1));
        const int shown = b.images[look].empty() ? 0 : look;
        if (b.visible && !b.images[shown].empty())
            painter.drawPicture(b.images[shown], {b.at.x, b.at.y, b.sizes[shown].width, b.sizes[shown].height});
    }
    if (m_menu.contours)
        painter.drawOutline(PlayerPainter::Outline::Rectangle, area, Rgb{}, 1);
}

MenuSession::Button *MenuSession::button(int number)
{
    return number >= 1 && number <= int(m_buttons.size()) ? &m_buttons[std::size_t(number) - 1] : nullptr;
}

MenuSession::Text *MenuSession::text(int number)
{
    return number >= 1 && number <= int(m_texts.size()) ? &m_texts[std::size_t(number) - 1] : nullptr;
}

PixelRect MenuSession::rectOf(const Button &b) const
{
    // An image that cannot be shown still leaves a point to click, as in the designer.
    const PixelSize size = b.images[0].empty() ? PixelSize{1, 1} : b.sizes[0];
    return {b.at.x, b.at.y, size.width, size.height};
}

// A hidden or disabled button lets the pointer through to the window.
bool MenuSession::reachable(int number) const
{
    const Button &b = m_buttons[std::size_t(number) - 1];
    return b.visible && b.enabled;
}

int MenuSession::buttonAt(PixelPoint at) const
{
    const Target item = itemAt(at);
    return item.kind == Kind::Button ? item.number : 0;
}

MenuObjects::Target MenuSession::itemAt(PixelPoint at) const
{
    // Text boxes are windows of their own, above the drawn buttons.
    for (std::size_t i = m_texts.size(); i-- > 0;) {
        if (m_texts[i].look.visible && m_texts[i].look.rect.contains(at))
            return {Kind::Text, int(i) + 1};
    }
    for (std::size_t i = m_buttons.size(); i-- > 0;) {
        if (reachable(int(i) + 1) && rectOf(m_buttons[i]).contains(at))
            return {Kind::Button, int(i) + 1};
    }
    return {Kind::Window, 0};
}

MenuSession::Look MenuSession::lookOf(int number) const
{
    if (number != m_hovered)
        return Look::Normal;
    return number == m_pressed ? Look::Click : Look::Hover;
}

void MenuSession::pointerMoved(PixelPoint at)
{
    track(at);
    if (itemAt(at).kind == Kind::Window)
        m_scripts.windowHovered(m_menu.windowHoverCode);
}

void MenuSession::pointerLeft()
{
    m_inside = false;
    hover(0);
}

void MenuSession::pointerPressed(PixelPoint at)
{
    track(at);
    if (m_hovered == 0)
        return;
    m_pressed = m_hovered;
    m_front.invalidate();
    if (!m_menu.clickSound.empty())
        m_front.playSound(SoundChannel::Click, m_paths.menuFile(m_menu.clickSound));
}

void MenuSession::pointerReleased(PixelPoint at)
{
    const int pressed = m_pressed;
    m_pressed = 0;
    track(at);
    if (pressed == 0)
        return;
    m_front.invalidate();
    if (pressed == m_hovered)
        activate(pressed);
}

void MenuSession::track(PixelPoint at)
{
    m_inside = true;
    m_pointerAt = at;
    const Target item = itemAt(at);
    hover(item.kind == Kind::Button ? item.number : 0);
    updateCursor();
}

void MenuSession::hover(int number)
{
    if (number == m_hovered)
        return;
    m_hovered = number;
    m_front.invalidate();
    if (number == 0)
        return;
    if (!m_menu.hoverSound.empty())
        m_front.playSound(SoundChannel::Hover, m_paths.menuFile(m_menu.hoverSound));
    m_scripts.buttonHovered(number, m_menu.buttons[std::size_t(number) - 1].hoverCode);
}

void MenuSession::activate(int number)
{
    const MenuModel::Button &b = m_menu.buttons[std::size_t(number) - 1];
    switch (b.kind) {
    case ButtonKind::Quit:
        closeMenu();
        break;
    case ButtonKind::Multimedia:
        playVideo(b.code);
        break;
    case ButtonKind::Code:
        m_scripts.buttonClicked(number, b.code);
        break;
    default:
        break;
    }
}

void MenuSession::forgetUnreachable()
{
    // A button that a script hid, disabled or moved away from the pointer is no longer under it.
    if (m_hovered != 0 &&
        (!reachable(m_hovered) || !rectOf(m_buttons[std::size_t(m_hovered) - 1]).contains(m_pointerAt))) {
        m_hovered = 0;
        m_pressed = 0;
    }
    updateCursor();
}

void MenuSession::timerTicked()
{
    if (m_timerEnabled && m_timerInterval > 0)
        m_scripts.timerTicked(m_menu.timerCode);
}

void MenuSession::applyTimer()
{
    // An interval of 0 keeps the timer still, enabled or not.
    if (m_timerEnabled && m_timerInterval > 0)
        m_front.startMenuTimer(m_timerInterval);
    else
        m_front.stopMenuTimer();
}

void MenuSession::textEdited(int number, const std::string &typed)
{
    if (Text *t = text(number))
        t->look.text = typed;
}

std::vector<std::string> MenuSession::contextMenu() const
{
    if (!m_menu.contextMenu)
        return {};
    return {"A propos de ce menu...", "", "Quitter"};
}

void MenuSession::contextMenuChosen(std::size_t index)
{
    if (!m_menu.contextMenu)
        return;
    if (index == 0) {
        const PlayerMessage about = playermessages::aboutMenu(m_menu);
        m_front.messageBox(about.text, kInformation, about.title);
    } else if (index == 2) {
        closeMenu();
    }
}

Cursor MenuSession::cursorOf(int pointer, const std::string &icon, CursorShape fallback) const
{
    static constexpr CursorShape kShapes[] = {
        CursorShape::Arrow,    CursorShape::Arrow,   CursorShape::Cross,     CursorShape::IBeam,
        CursorShape::Arrow,    CursorShape::SizeAll, CursorShape::SizeNeSw,  CursorShape::SizeNS,
        CursorShape::SizeNwSe, CursorShape::SizeWE,  CursorShape::UpArrow,   CursorShape::Wait,
        CursorShape::No,       CursorShape::ArrowWait, CursorShape::ArrowQuestion, CursorShape::SizeAll};
    if (pointer == 0)
        return {fallback, {}};
    // The author's own pointer needs a picture that can be read; else the arrow.
    if (pointer == kCustomPointer && !icon.empty() && m_front.loadPicture(icon).width > 0)
        return {CursorShape::Picture, icon};
    return {pointer > 0 && pointer < int(std::size(kShapes)) ? kShapes[pointer] : CursorShape::Arrow, {}};
}

void MenuSession::updateCursor()
{
    Cursor cursor;
    const Target item = itemAt(m_pointerAt);
    if (m_screenPointer != 0)
        cursor = cursorOf(m_screenPointer, m_screenIcon, CursorShape::Arrow);
    else if (!m_inside || item.kind == Kind::Window)
        cursor = cursorOf(m_windowPointer, m_windowIcon, CursorShape::Arrow);
    else if (item.kind == Kind::Button)
        cursor = cursorOf(m_buttons[std::size_t(item.number) - 1].pointer, m_buttons[std::size_t(item.number) - 1].icon,
                          m_menu.handCursor ? CursorShape::Hand : CursorShape::Arrow);
    else
        cursor = cursorOf(m_texts[std::size_t(item.number) - 1].pointer, m_texts[std::size_t(item.number) - 1].icon,
                          CursorShape::IBeam);
    if (m_cursorSent && cursor == m_cursor)
        return;
    m_cursor = cursor;
    m_cursorSent = true;
    m_front.showCursor(cursor);
}

void MenuSession::closeMenu()
{
    m_front.stopMenuTimer();
    m_front.endMenu();
}

void MenuSession::playSound(const std::string &path)
{
    m_front.playSound(SoundChannel::Script, m_paths.discFile(path));
}

void MenuSession::playVideo(const std::string &path)
{
    m_front.playVideo(m_paths.discFile(path));
}

void MenuSession::runCommand(const std::string &commandLine)
{
    const ShellCommand command = ShellCommand::parse(commandLine, m_paths);
    if (command.kind == ShellCommand::Kind::Nothing)
        return;
    const bool started = command.kind == ShellCommand::Kind::Run ? m_front.runProgram(command.target, command.arguments)
                                                                 : m_front.openDocument(command.target);
    if (!started)
        tellCannotStart(command.target);
}

void MenuSession::tellCannotStart(const std::string &target)
{
    const PlayerMessage message = playermessages::cannotStart(target);
    m_front.messageBox(message.text, kCritical, message.title);
}

void MenuSession::moveTray(bool open, const std::string &drive)
{
    m_front.moveTray(open, drive);
}

int MenuSession::messageBox(const std::string &text, int buttons, const std::string &title)
{
    return m_front.messageBox(text, buttons, title);
}

std::string MenuSession::inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText)
{
    return m_front.inputBox(prompt, title, defaultText);
}

MenuObjects::Value MenuSession::property(Target target, Property property) const
{
    switch (target.kind) {
    case Kind::Timer:
        return property == Property::Interval ? Value(double(m_timerInterval)) : Value(m_timerEnabled);
    case Kind::Background:
        return property == Property::Stretch ? Value(m_stretch) : Value(m_background);
    case Kind::Border:
        if (property == Property::Visible)
            return m_border.visible;
        return double(property == Property::BorderColor   ? m_border.colour
                      : property == Property::BorderWidth ? m_border.width
                                                          : m_border.shape);
    case Kind::Screen:
        return property == Property::MouseIcon ? Value(m_screenIcon) : Value(double(m_screenPointer));
    case Kind::Window:
        return windowProperty(property);
    case Kind::Text:
        if (target.number >= 1 && target.number <= int(m_texts.size()))
            return textProperty(m_texts[std::size_t(target.number) - 1], property);
        return 0.0;
    case Kind::Button:
        break;
    }
    if (target.number < 1 || target.number > int(m_buttons.size()))
        return 0.0;
    const Button &b = m_buttons[std::size_t(target.number) - 1];
    switch (property) {
    case Property::Left:
        return std::round(m_twips.toTwipsX(b.at.x));
    case Property::Top:
        return std::round(m_twips.toTwipsY(b.at.y));
    case Property::Visible:
        return b.visible;
    case Property::Enabled:
        return b.enabled;
    case Property::MousePointer:
        return double(b.pointer);
    case Property::MouseIcon:
        return b.icon;
    case Property::Picture:
        return b.images[0];
    default:
        return 0.0;
    }
}

MenuObjects::Value MenuSession::windowProperty(Property property) const
{
    const PixelRect frame = m_front.windowFrame();
    switch (property) {
    case Property::WindowState:
        return double(m_windowState);
    case Property::Visible:
        return m_windowVisible;
    case Property::Caption:
        return m_title;
    case Property::BackColor:
        return double(m_menu.backgroundColour);
    case Property::Left:
        return std::round(m_twips.toTwipsX(frame.x));
    case Property::Top:
        return std::round(m_twips.toTwipsY(frame.y));
    case Property::Width:
        return std::round(m_twips.toTwipsX(frame.width));
    case Property::Height:
        return std::round(m_twips.toTwipsY(frame.height));
    case Property::MousePointer:
        return double(m_windowPointer);
    case Property::MouseIcon:
        return m_windowIcon;
    default:
        return 0.0;
    }
}

MenuObjects::Value MenuSession::textProperty(const Text &t, Property property) const
{
    const TextBoxLook &look = t.look;
    switch (property) {
    case Property::Left:
        return std::round(m_twips.toTwipsX(look.rect.x));
    case Property::Top:
        return std::round(m_twips.toTwipsY(look.rect.y));
    case Property::Width:
        return std::round(m_twips.toTwipsX(look.rect.width));
    case Property::Height:
        return std::round(m_twips.toTwipsY(look.rect.height));
    case Property::Visible:
        return look.visible;
    case Property::Locked:
        return look.locked;
    case Property::Text:
        return look.text;
    case Property::BackColor:
        return double(look.back.value());
    case Property::ForeColor:
        return double(look.fore.value());
    case Property::MousePointer:
        return double(t.pointer);
    case Property::MouseIcon:
        return t.icon;
    case Property::Alignment:
        return alignmentValue(look.alignment);
    case Property::FontBold:
        return look.bold;
    case Property::FontItalic:
        return look.italic;
    case Property::FontName:
        return look.fontName;
    case Property::FontSize:
        return look.fontSize;
    case Property::FontStrikethru:
        return look.strikethrough;
    case Property::FontUnderline:
        return look.underline;
    case Property::ScrollBar:
        return look.scrollBar;
    default:
        return 0.0;
    }
}

void MenuSession::setProperty(Target target, Property property, const Value &value)
{
    const double number = std::holds_alternative<double>(value) ? std::get<double>(value) : 0.0;
    const bool flag = std::holds_alternative<bool>(value) && std::get<bool>(value);
    const std::string text = std::holds_alternative<std::string>(value) ? std::get<std::string>(value) : std::string();
    switch (target.kind) {
    case Kind::Timer:
        if (property == Property::Interval)
            m_timerInterval = std::clamp(whole(number), 0, kMaxInterval);
        else
            m_timerEnabled = flag;
        applyTimer();
        return;
    case Kind::Background:
        if (property == Property::Stretch) {
            m_stretch = flag;
        } else {
            m_background = text;
            m_backgroundSize = text.empty() ? PixelSize{} : shownSize(m_front.loadPicture(text));
        }
        m_front.invalidate();
        return;
    case Kind::Border:
        if (property == Property::Visible)
            m_border.visible = flag;
        else if (property == Property::BorderColor)
            m_border.colour = whole(number);
        else if (property == Property::BorderWidth)
            m_border.width = std::clamp(whole(number), 0, kMaxPixels);
        else if (property == Property::Shape)
            m_border.shape = whole(number);
        m_front.invalidate();
        return;
    case Kind::Screen:
        if (property == Property::MouseIcon)
            m_screenIcon = text;
        else if (property == Property::MousePointer)
            m_screenPointer = whole(number);
        updateCursor();
        return;
    case Kind::Window:
        setWindow(property, number, flag, text);
        return;
    case Kind::Text:
        if (Text *t = this->text(target.number))
            setText(target.number, *t, property, number, flag, text);
        return;
    case Kind::Button:
        if (Button *b = button(target.number))
            setButton(*b, property, number, flag, text);
        return;
    }
}

void MenuSession::setWindow(Property property, double number, bool flag, const std::string &text)
{
    PixelRect frame = m_front.windowFrame();
    switch (property) {
    case Property::WindowState:
        m_windowState = number == 1 || number == 2 ? int(number) : 0;
        m_front.showWindowState(m_windowState);
        return;
    case Property::Visible:
        m_windowVisible = flag;
        m_front.setWindowVisible(flag);
        return;
    case Property::Caption:
        m_title = text;
        m_front.setTitle(text);
        return;
    case Property::BackColor:
        m_menu.backgroundColour = whole(number);
        m_front.invalidate();
        return;
    case Property::Left:
        frame.x = pixelsX(number);
        break;
    case Property::Top:
        frame.y = pixelsY(number);
        break;
    case Property::Width:
        frame.width = std::max(1, pixelsX(number));
        break;
    case Property::Height:
        frame.height = std::max(1, pixelsY(number));
        break;
    case Property::MousePointer:
        m_windowPointer = whole(number);
        updateCursor();
        return;
    case Property::MouseIcon:
        m_windowIcon = text;
        updateCursor();
        return;
    default:
        return;
    }
    m_front.setWindowFrame(frame);
}

void MenuSession::setButton(Button &b, Property property, double number, bool flag, const std::string &text)
{
    switch (property) {
    case Property::Left:
        b.at.x = pixelsX(number);
        break;
    case Property::Top:
        b.at.y = pixelsY(number);
        break;
    case Property::Visible:
        b.visible = flag;
        break;
    case Property::Enabled:
        b.enabled = flag;
        break;
    case Property::MousePointer:
        b.pointer = whole(number);
        break;
    case Property::MouseIcon:
        b.icon = text;
        break;
    case Property::Picture: {
        // A script's picture takes the place of the normal image.
        const PixelSize size = text.empty() ? PixelSize{} : shownSize(m_front.loadPicture(text));
        const bool readable = size.width > 0 && size.height > 0;
        b.images[0] = readable ? text : std::string();
        b.sizes[0] = size;
        break;
    }
    default:
        return;
    }
    forgetUnreachable();
    m_front.invalidate();
}

void MenuSession::setText(int number, Text &t, Property property, double value, bool flag, const std::string &text)
{
    TextBoxLook &look = t.look;
    switch (property) {
    case Property::Left:
        look.rect.x = pixelsX(value);
        break;
    case Property::Top:
        look.rect.y = pixelsY(value);
        break;
    case Property::Width:
        look.rect.width = std::max(1, pixelsX(value));
        break;
    case Property::Height:
        look.rect.height = std::max(1, pixelsY(value));
        break;
    case Property::Visible:
        look.visible = flag;
        break;
    case Property::Locked:
        look.locked = flag;
        break;
    case Property::Text:
        look.text = text;
        break;
    case Property::BackColor:
        look.back = Rgb::fromValue(whole(value));
        break;
    case Property::ForeColor:
        look.fore = Rgb::fromValue(whole(value));
        break;
    case Property::MousePointer:
        t.pointer = whole(value);
        updateCursor();
        return;
    case Property::MouseIcon:
        t.icon = text;
        updateCursor();
        return;
    case Property::Alignment:
        look.alignment = alignmentOf(value);
        break;
    case Property::FontBold:
        look.bold = flag;
        break;
    case Property::FontItalic:
        look.italic = flag;
        break;
    case Property::FontName:
        look.fontName = text;
        break;
    case Property::FontSize:
        look.fontSize = fontSize(value);
        break;
    case Property::FontStrikethru:
        look.strikethrough = flag;
        break;
    case Property::FontUnderline:
        look.underline = flag;
        break;
    case Property::ScrollBar:
        look.scrollBar = flag;
        break;
    default:
        return;
    }
    m_front.showText(number, look);
    updateCursor();
}
