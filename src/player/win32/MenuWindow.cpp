#include "player/win32/MenuWindow.h"

#include "player/core/SystemPath.h"
#include "player/win32/GdiPainter.h"
#include "player/win32/InputDialog.h"
#include "player/win32/Shell.h"
#include "player/win32/TransparencyRegion.h"
#include "player/win32/WideText.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr wchar_t kClass[] = L"ZepMenu";
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

// The outer box of a window of that style whose inside is width x height.
SIZE outerSize(DWORD style, int width, int height)
{
    RECT box{0, 0, width, height};
    AdjustWindowRectEx(&box, style, FALSE, kExStyle);
    return {box.right - box.left, box.bottom - box.top};
}
constexpr UINT_PTR kTimerId = 1;

// The edit controls' own procedure, which the text boxes' procedure hands messages on to.
WNDPROC s_editProcedure = nullptr;

const wchar_t *cursorName(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Cross: return IDC_CROSS;
    case CursorShape::IBeam: return IDC_IBEAM;
    case CursorShape::SizeAll: return IDC_SIZEALL;
    case CursorShape::SizeNeSw: return IDC_SIZENESW;
    case CursorShape::SizeNS: return IDC_SIZENS;
    case CursorShape::SizeNwSe: return IDC_SIZENWSE;
    case CursorShape::SizeWE: return IDC_SIZEWE;
    case CursorShape::UpArrow: return IDC_UPARROW;
    case CursorShape::Wait: return IDC_WAIT;
    case CursorShape::No: return IDC_NO;
    case CursorShape::ArrowWait: return IDC_APPSTARTING;
    case CursorShape::ArrowQuestion: return IDC_HELP;
    case CursorShape::Hand: return IDC_HAND;
    case CursorShape::Arrow:
    case CursorShape::Picture: break;
    }
    return IDC_ARROW;
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

MenuWindow::MenuWindow(MenuModel menu, DiscPaths paths) : m_paths(paths)
{
    m_session = std::make_unique<MenuSession>(std::move(menu), *this, std::move(paths));
}

MenuWindow::~MenuWindow()
{
    // The window's last messages still reach the session.
    if (m_window)
        DestroyWindow(m_window);
    m_texts.clear();
    m_session.reset();
    if (m_pictureCursor)
        DestroyCursor(m_pictureCursor);
}

bool MenuWindow::start()
{
    m_session->start();
    return m_window != nullptr;
}

ScreenInfo MenuWindow::screenInfo() const
{
    const HDC screen = GetDC(nullptr);
    ScreenInfo info;
    info.size = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    info.dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    info.dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    // The menu opens on the main screen; its task bar is no place for it.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        const RECT &work = monitor.rcWork;
        info.workArea = {work.left, work.top, work.right - work.left, work.bottom - work.top};
    }
    return info;
}

int MenuWindow::userLocale() const
{
    return int(GetUserDefaultLCID());
}

HRGN MenuWindow::shapeRegion(const WindowLook &look)
{
    HRGN region = nullptr;
    if (!look.shape.empty()) {
        std::vector<POINT> points;
        for (const PixelPoint &p : look.shape)
            points.push_back({p.x, p.y});
        region = CreatePolygonRgn(points.data(), int(points.size()), WINDING);
    }
    const Bitmap *holes = look.holesPicture.empty()
                              ? nullptr
                              : m_pictures.picture(look.holesPicture, look.frame.width, look.frame.height);
    // A picture that keeps nothing would hide the whole menu: it cuts nothing then.
    HRGN opaque = holes ? transparencyRegion(*holes) : nullptr;
    if (!opaque)
        return region;
    if (!region)
        return opaque;
    CombineRgn(region, region, opaque, RGN_AND);
    DeleteObject(opaque);
    return region;
}

void MenuWindow::createWindow(const WindowLook &look)
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = nullptr; // the session's cursor, through WM_SETCURSOR
        windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        windowClass.lpszClassName = kClass;
        return RegisterClassW(&windowClass) != 0;
    }();
    if (!registered || m_window)
        return;
    m_fullScreen = look.fullScreen;
    const DWORD style = (look.framed ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX : WS_POPUP) |
                        WS_CLIPCHILDREN;
    // The menu is the inside, as the author saw it on the worksheet; a frame comes around
    // it, centred on the same point but never above or left of the work area.
    SIZE outer{look.frame.width, look.frame.height};
    int x = look.frame.x;
    int y = look.frame.y;
    if (!look.fullScreen) {
        outer = outerSize(style, look.frame.width, look.frame.height);
        const PixelRect work = screenInfo().workArea;
        x = std::max(x - int(outer.cx - look.frame.width) / 2, work.x);
        y = std::max(y - int(outer.cy - look.frame.height) / 2, work.y);
    }
    CreateWindowExW(kExStyle, kClass, widetext::widen(look.title).c_str(), style, x, y, outer.cx, outer.cy, nullptr,
                    nullptr, GetModuleHandleW(nullptr), this);
    if (!m_window)
        return;
    if (HRGN region = shapeRegion(look))
        SetWindowRgn(m_window, region, FALSE); // the window owns the region now
}

void MenuWindow::setWindowVisible(bool visible)
{
    if (!m_window)
        return;
    ShowWindow(m_window, visible ? SW_SHOWNORMAL : SW_HIDE);
    if (visible) {
        UpdateWindow(m_window);
        SetForegroundWindow(m_window);
    }
}

void MenuWindow::showWindowState(int state)
{
    ShowWindow(m_window, state == 1 ? SW_MINIMIZE : state == 2 ? SW_MAXIMIZE : SW_RESTORE);
}

void MenuWindow::setWindowFrame(PixelRect frame)
{
    const SIZE outer = outerSize(DWORD(GetWindowLongW(m_window, GWL_STYLE)), frame.width, frame.height);
    SetWindowPos(m_window, nullptr, frame.x, frame.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

PixelRect MenuWindow::windowFrame() const
{
    RECT box{};
    GetWindowRect(m_window, &box);
    RECT inside{};
    GetClientRect(m_window, &inside);
    return {box.left, box.top, inside.right, inside.bottom};
}

void MenuWindow::setTitle(const std::string &title)
{
    SetWindowTextW(m_window, widetext::widen(title).c_str());
}

void MenuWindow::invalidate()
{
    InvalidateRect(m_window, nullptr, FALSE);
}

PixelSize MenuWindow::loadPicture(const std::string &path)
{
    return m_pictures.size(path);
}

void MenuWindow::showText(int number, const TextBoxLook &look)
{
    while (int(m_texts.size()) < number) {
        auto text = std::make_unique<TextBox>(m_window, int(m_texts.size()) + 1);
        // The pointer over a text box is the session's business too.
        SetWindowLongPtrW(text->handle(), GWLP_USERDATA, LONG_PTR(this));
        s_editProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(text->handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(textProcedure)));
        m_texts.push_back(std::move(text));
    }
    m_showingText = true;
    m_texts[std::size_t(number) - 1]->apply(look);
    m_showingText = false;
}

void MenuWindow::showCursor(const Cursor &cursor)
{
    HCURSOR shown = LoadCursorW(nullptr, cursorName(cursor.shape));
    if (cursor.shape == CursorShape::Picture) {
        if (m_pictureCursor)
            DestroyCursor(m_pictureCursor);
        m_pictureCursor = HCURSOR(
            LoadImageW(nullptr, systempath::of(cursor.picture).c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
        if (m_pictureCursor)
            shown = m_pictureCursor;
    }
    m_cursor = shown;
    POINT point;
    GetCursorPos(&point);
    if (m_window && WindowFromPoint(point) == m_window)
        SetCursor(m_cursor);
}

void MenuWindow::startMenuTimer(int milliseconds)
{
    SetTimer(m_window, kTimerId, UINT(std::max(1, milliseconds)), nullptr);
}

void MenuWindow::stopMenuTimer()
{
    KillTimer(m_window, kTimerId);
}

void MenuWindow::playSound(SoundChannel channel, const std::string &path)
{
    m_sounds.play(channel, systempath::of(path).native());
}

void MenuWindow::playVideo(const std::string &path)
{
    shell::open(path);
}

bool MenuWindow::runProgram(const std::string &path, const std::string &arguments)
{
    return shell::run(path, arguments);
}

bool MenuWindow::openDocument(const std::string &target)
{
    return shell::open(target);
}

void MenuWindow::moveTray(bool open, const std::string &drive)
{
    shell::moveTray(open, drive.empty() ? m_paths.discRoot() : drive);
}

int MenuWindow::messageBox(const std::string &text, int buttons, const std::string &title)
{
    // The VBScript constants are the system's own: buttons, icon, default button, modality.
    const UINT type = UINT(buttons) & (0x7 | 0x70 | 0x300 | 0x1000);
    return MessageBoxW(m_window, widetext::widen(text).c_str(), widetext::widen(title).c_str(), type);
}

std::string MenuWindow::inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText)
{
    return widetext::narrow(
        InputDialog::ask(m_window, widetext::widen(prompt), widetext::widen(title), widetext::widen(defaultText)));
}

void MenuWindow::endMenu()
{
    m_sounds.stop();
    if (m_window)
        PostMessageW(m_window, WM_CLOSE, 0, 0);
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

LRESULT CALLBACK MenuWindow::textProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE) {
        auto *window = reinterpret_cast<MenuWindow *>(GetWindowLongPtrW(edit, GWLP_USERDATA));
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(edit, window->m_window, &at, 1);
        window->m_session->pointerMoved({at.x, at.y});
    }
    return CallWindowProcW(s_editProcedure, edit, message, wParam, lParam);
}

LRESULT MenuWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const PixelPoint at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
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
        trackLeave();
        m_session->pointerMoved(at);
        return 0;
    case WM_MOUSELEAVE:
        m_tracking = false;
        m_session->pointerLeft();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(m_window);
        m_session->pointerPressed(at);
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        m_session->pointerReleased(at);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && m_cursor) {
            SetCursor(m_cursor);
            return TRUE;
        }
        break;
    case WM_CONTEXTMENU:
        showContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId)
            m_session->timerTicked();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE && !m_showingText)
            textChanged(HWND(lParam));
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
        m_sounds.stop();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        m_texts.clear();
        m_window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void MenuWindow::paint(HDC target)
{
    RECT client{};
    GetClientRect(m_window, &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    BackBuffer buffer(target, client.right, client.bottom);
    GdiPainter painter(buffer.dc(), m_pictures);
    m_session->paint(painter, {client.right, client.bottom});
}

void MenuWindow::trackLeave()
{
    if (m_tracking)
        return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_window, 0};
    m_tracking = TrackMouseEvent(&track);
}

void MenuWindow::textChanged(HWND edit)
{
    for (const auto &text : m_texts) {
        if (text->handle() == edit)
            m_session->textEdited(text->number(), text->text());
    }
}

void MenuWindow::showContextMenu(POINT screenPoint)
{
    const std::vector<std::string> entries = m_session->contextMenu();
    if (entries.empty())
        return;
    if (screenPoint.x == -1 && screenPoint.y == -1)
        GetCursorPos(&screenPoint);
    const HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty())
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING, i + 1, widetext::widen(entries[i]).c_str());
    }
    const UINT chosen =
        UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, m_window, nullptr));
    DestroyMenu(menu);
    if (chosen > 0)
        m_session->contextMenuChosen(chosen - 1);
}
