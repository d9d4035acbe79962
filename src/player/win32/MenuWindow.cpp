#include "player/win32/MenuWindow.h"

#include "player/core/ScriptHost.h"
#include "player/win32/WideText.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr wchar_t kClass[] = L"ZepMenu";
constexpr int kMaxPixels = 16384;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kAboutCommand = 1;
constexpr UINT kQuitCommand = 2;

int clampPixels(double value)
{
    return int(std::lround(std::clamp(value, double(-kMaxPixels), double(kMaxPixels))));
}

// A back buffer, so the window never flickers while buttons change.
class BackBuffer
{
public:
    BackBuffer(HDC target, int width, int height)
        : m_target(target), m_dc(CreateCompatibleDC(target)), m_bitmap(CreateCompatibleBitmap(target, width, height)),
          m_width(width), m_height(height)
    {
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~BackBuffer()
    {
        BitBlt(m_target, 0, 0, m_width, m_height, m_dc, 0, 0, SRCCOPY);
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    BackBuffer(const BackBuffer &) = delete;
    BackBuffer &operator=(const BackBuffer &) = delete;
    HDC dc() const { return m_dc; }

private:
    HDC m_target;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    int m_width;
    int m_height;
};

} // namespace

RECT MenuWindow::Button::box() const
{
    const int width = normal.isNull() ? 1 : normal.width();
    const int height = normal.isNull() ? 1 : normal.height();
    return {position.x, position.y, position.x + width, position.y + height};
}

MenuWindow::MenuWindow(MenuModel menu, std::wstring mediaFolder, Shell &shell)
    : m_menu(std::move(menu)), m_mediaFolder(std::move(mediaFolder)), m_shell(shell)
{
    const HDC screen = GetDC(nullptr);
    m_dpiX = std::max(1, GetDeviceCaps(screen, LOGPIXELSX));
    m_dpiY = std::max(1, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    m_outerSize = {std::clamp(toPixelsX(m_menu.width), 1, kMaxPixels), std::clamp(toPixelsY(m_menu.height), 1, kMaxPixels)};
    if (m_menu.fullScreen)
        m_outerSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    m_interval = std::clamp(m_menu.timerInterval, 1, 60000);
    if (!m_menu.backgroundImage.empty())
        m_background = picture(m_menu.backgroundImage);
}

MenuWindow::~MenuWindow()
{
    m_texts.clear();
    if (m_window)
        DestroyWindow(m_window);
    for (const auto &[path, cursor] : m_iconCursors)
        DestroyCursor(cursor);
}

int MenuWindow::toPixelsX(double twips) const
{
    return clampPixels(twips * m_dpiX / 1440.0);
}

int MenuWindow::toPixelsY(double twips) const
{
    return clampPixels(twips * m_dpiY / 1440.0);
}

std::wstring MenuWindow::mediaPath(const std::string &name) const
{
    return m_mediaFolder + L'\\' + widetext::widen(name);
}

Bitmap MenuWindow::picture(const std::string &name) const
{
    return name.empty() ? Bitmap() : Bitmap::load(mediaPath(name));
}

Bitmap MenuWindow::pictureFile(const std::string &path) const
{
    return path.empty() ? Bitmap() : Bitmap::load(m_shell.discPath(widetext::widen(path)));
}

SIZE MenuWindow::clientSize() const
{
    RECT client{};
    GetClientRect(m_window, &client);
    return {client.right, client.bottom};
}

bool MenuWindow::start()
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        windowClass.lpszClassName = kClass;
        return RegisterClassW(&windowClass) != 0;
    }();
    if (!registered)
        return false;

    buildShape();
    m_frame = m_menu.contours && !m_shape && !m_menu.fullScreen;
    const DWORD style = (m_frame ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX : WS_POPUP) | WS_CLIPCHILDREN;
    const int x = m_menu.fullScreen ? 0 : (GetSystemMetrics(SM_CXSCREEN) - m_outerSize.cx) / 2;
    const int y = m_menu.fullScreen ? 0 : (GetSystemMetrics(SM_CYSCREEN) - m_outerSize.cy) / 2;
    m_window = CreateWindowExW(WS_EX_APPWINDOW, kClass, widetext::widen(m_menu.projectName).c_str(), style, x, y,
                               m_outerSize.cx, m_outerSize.cy, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!m_window)
        return false;
    if (m_shape) {
        SetWindowRgn(m_window, m_shape, FALSE);
        m_shape = nullptr; // the window owns it now
    }
    buildItems();
    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    SetForegroundWindow(m_window);

    if (!m_menu.backgroundMusic.empty())
        m_sounds.startMusic(mediaPath(m_menu.backgroundMusic));
    m_timerOn = m_menu.timerEnabled;
    if (m_timerOn)
        SetTimer(m_window, kTimerId, UINT(m_interval), nullptr);
    // The global code runs even without a start-up script: every other script may need it.
    if (m_scripts)
        m_scripts->runStartup(m_menu.globalCode, m_menu.startupIsScript() ? m_menu.startupScript() : std::string());
    if (!m_menu.startupIsScript() && !m_menu.startupAction.empty())
        open(m_menu.startupAction);
    return true;
}

void MenuWindow::buildItems()
{
    for (const MenuModel::Text &t : m_menu.texts) {
        const RECT box{toPixelsX(t.left), toPixelsY(t.top), toPixelsX(t.left) + std::max(1, toPixelsX(t.width)),
                       toPixelsY(t.top) + std::max(1, toPixelsY(t.height))};
        m_texts.push_back(std::make_unique<TextBox>(m_window, t, box, m_dpiY));
    }
    for (const MenuModel::Button &b : m_menu.buttons) {
        Button button;
        button.number = b.number;
        button.position = {toPixelsX(b.left), toPixelsY(b.top)};
        button.normal = picture(b.normalImage);
        button.hover = picture(b.hoverImage);
        button.click = picture(b.clickImage);
        m_buttons.push_back(std::move(button));
    }
}

void MenuWindow::buildShape()
{
    if (m_menu.shape.size() >= 3) {
        std::vector<POINT> points;
        for (const MenuModel::Point &p : m_menu.shape)
            points.push_back({toPixelsX(double(p.x)), toPixelsY(double(p.y))});
        m_shape = CreatePolygonRgn(points.data(), int(points.size()), WINDING);
    }
    if (m_menu.transparencyImage.empty())
        return;
    const Bitmap image = picture(m_menu.transparencyImage);
    if (image.isNull())
        return;
    // White pixels become holes in the window.
    const Bitmap scaled = image.scaled(m_outerSize.cx, m_outerSize.cy);
    HRGN opaque = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < scaled.height(); ++y) {
        for (int x = 0; x < scaled.width();) {
            while (x < scaled.width() && scaled.pixel(x, y) == 0xFFFFFF)
                ++x;
            const int start = x;
            while (x < scaled.width() && scaled.pixel(x, y) != 0xFFFFFF)
                ++x;
            if (x > start) {
                HRGN run = CreateRectRgn(start, y, x, y + 1);
                CombineRgn(opaque, opaque, run, RGN_OR);
                DeleteObject(run);
            }
        }
    }
    if (m_shape) {
        CombineRgn(m_shape, m_shape, opaque, RGN_AND);
        DeleteObject(opaque);
    } else {
        m_shape = opaque;
    }
}

LRESULT CALLBACK MenuWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = reinterpret_cast<MenuWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<MenuWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(self));
    }
    return self ? self->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MenuWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(m_window, &ps);
        paint(dc);
        EndPaint(m_window, &ps);
        if (!m_painted) {
            m_painted = true;
            if (m_quitAfterFirstFrame)
                PostMessageW(m_window, WM_CLOSE, 0, 0);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        pointerMoved({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSELEAVE:
        m_tracking = false;
        pointerLeft();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        released({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && HWND(wParam) == m_window && setCursor())
            return TRUE;
        break;
    case WM_CONTEXTMENU:
        showContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId)
            tick();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        for (const auto &text : m_texts) {
            if (text->handle() == HWND(lParam))
                return LRESULT(text->colour(HDC(wParam)));
        }
        break;
    case WM_CLOSE:
        DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        KillTimer(m_window, kTimerId);
        m_texts.clear();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void MenuWindow::paint(HDC target)
{
    const SIZE size = clientSize();
    if (size.cx <= 0 || size.cy <= 0)
        return;
    BackBuffer buffer(target, size.cx, size.cy);
    const HDC dc = buffer.dc();
    const HBRUSH fill = CreateSolidBrush(COLORREF(m_menu.backgroundColour & 0xFFFFFF));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc, &all, fill);
    DeleteObject(fill);
    if (!m_background.isNull()) {
        if (!m_stretch) {
            m_background.draw(dc, 0, 0);
        } else {
            if (m_backgroundScaled.width() != size.cx || m_backgroundScaled.height() != size.cy)
                m_backgroundScaled = m_background.scaled(size.cx, size.cy);
            m_backgroundScaled.draw(dc, 0, 0);
        }
    }
    if (m_border.visible && m_border.width > 0) {
        const HPEN pen = CreatePen(PS_INSIDEFRAME, m_border.width, COLORREF(m_border.colour & 0xFFFFFF));
        const HGDIOBJ oldPen = SelectObject(dc, pen);
        const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        if (m_border.shape == 2)
            Ellipse(dc, 0, 0, size.cx, size.cy);
        else if (m_border.shape == 4)
            RoundRect(dc, 0, 0, size.cx, size.cy, size.cx * 15 / 100, size.cy * 15 / 100);
        else
            Rectangle(dc, 0, 0, size.cx, size.cy);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    for (const Button &button : m_buttons)
        paintButton(dc, button);
}

void MenuWindow::paintButton(HDC dc, const Button &button) const
{
    if (!button.visible)
        return;
    const Look look = m_pressed == button.number ? Look::Click : m_hovered == button.number ? Look::Hover : Look::Normal;
    const Bitmap &shown = look == Look::Click && !button.click.isNull()   ? button.click
                          : look == Look::Hover && !button.hover.isNull() ? button.hover
                                                                          : button.normal;
    // The other images take the normal image's place and size.
    const RECT box = button.box();
    shown.draw(dc, box.left, box.top, box.right - box.left, box.bottom - box.top);
}

void MenuWindow::invalidate(const Button &button)
{
    const RECT box = button.box();
    InvalidateRect(m_window, &box, FALSE);
}

MenuWindow::Button *MenuWindow::buttonAt(POINT point)
{
    for (auto it = m_buttons.rbegin(); it != m_buttons.rend(); ++it) {
        const RECT box = it->box();
        if (it->visible && it->enabled && !it->normal.isNull() && PtInRect(&box, point))
            return &*it;
    }
    return nullptr;
}

void MenuWindow::pointerMoved(POINT point)
{
    if (!m_tracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_window, 0};
        m_tracking = TrackMouseEvent(&track);
    }
    if (m_pressed)
        return;
    Button *button = buttonAt(point);
    const int number = button ? button->number : 0;
    if (number != m_hovered) {
        for (Button &b : m_buttons) {
            if (b.number == m_hovered || b.number == number)
                invalidate(b);
        }
        m_hovered = number;
        if (button) {
            if (!m_menu.hoverSound.empty())
                m_sounds.playEffect(mediaPath(m_menu.hoverSound));
            if (m_scripts)
                m_scripts->buttonHovered(number, m_menu.buttons[std::size_t(number - 1)].hoverCode);
        }
    }
    if (!button && m_scripts)
        m_scripts->windowHovered(m_menu.windowHoverCode);
}

void MenuWindow::pointerLeft()
{
    if (m_pressed || !m_hovered)
        return;
    for (Button &b : m_buttons) {
        if (b.number == m_hovered)
            invalidate(b);
    }
    m_hovered = 0;
}

void MenuWindow::pressed(POINT point)
{
    Button *button = buttonAt(point);
    if (!button)
        return;
    SetCapture(m_window);
    m_pressed = button->number;
    invalidate(*button);
    if (!m_menu.clickSound.empty())
        m_sounds.playEffect(mediaPath(m_menu.clickSound));
}

void MenuWindow::released(POINT point)
{
    if (!m_pressed)
        return;
    const int number = m_pressed;
    m_pressed = 0;
    ReleaseCapture();
    Button *under = buttonAt(point);
    const bool inside = under && under->number == number;
    m_hovered = inside ? number : 0;
    for (Button &b : m_buttons) {
        if (b.number == number)
            invalidate(b);
    }
    if (inside)
        clicked(number);
}

void MenuWindow::clicked(int number)
{
    const MenuModel::Button &b = m_menu.buttons[std::size_t(number - 1)];
    if (b.kind == "quitter")
        closeMenu();
    else if (b.kind == "vid\xC3\xA9o")
        open(b.code);
    else if (b.kind == "code" && m_scripts)
        m_scripts->buttonClicked(number, b.code);
}

void MenuWindow::tick()
{
    if (m_scripts)
        m_scripts->timerTicked(m_menu.timerCode);
}

void MenuWindow::showContextMenu(POINT screenPoint)
{
    if (!m_menu.contextMenu)
        return;
    if (screenPoint.x == -1 && screenPoint.y == -1)
        GetCursorPos(&screenPoint);
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kAboutCommand, L"A propos de ce menu...");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kQuitCommand, L"Quitter");
    const UINT chosen =
        UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, m_window, nullptr));
    DestroyMenu(menu);
    if (chosen == kAboutCommand)
        MessageBoxW(m_window, widetext::widen("Projet : " + m_menu.projectName + "\nAuteur : " + m_menu.author).c_str(),
                    L"A propos de ce menu", MB_OK | MB_ICONINFORMATION);
    else if (chosen == kQuitCommand)
        closeMenu();
}

void MenuWindow::open(const std::string &reference)
{
    m_shell.open(widetext::widen(reference));
}
