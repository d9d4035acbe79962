#include "player/win32/InputDialog.h"

namespace {

constexpr wchar_t kClass[] = L"ZepInputBox";

HFONT messageFont()
{
    static HFONT font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        return CreateFontIndirectW(&metrics.lfMessageFont);
    }();
    return font;
}

HWND child(HWND parent, const wchar_t *kind, const std::wstring &text, DWORD style, int x, int y, int width, int height,
           int id, DWORD exStyle = 0)
{
    HWND control = CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                   parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, WPARAM(messageFont()), TRUE);
    return control;
}

} // namespace

LRESULT CALLBACK InputDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *dialog = reinterpret_cast<InputDialog *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        dialog = static_cast<InputDialog *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(dialog));
    }
    if (!dialog)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const int length = GetWindowTextLengthW(dialog->m_edit);
            dialog->m_answer.assign(std::size_t(length) + 1, L'\0');
            GetWindowTextW(dialog->m_edit, dialog->m_answer.data(), length + 1);
            dialog->m_answer.resize(std::size_t(length));
            dialog->m_done = true;
        } else if (LOWORD(wParam) == IDCANCEL) {
            dialog->m_done = true;
        }
        return 0;
    case WM_CLOSE:
        dialog->m_done = true;
        return 0;
    case WM_CTLCOLORSTATIC:
        return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

std::wstring InputDialog::ask(HWND owner, const std::wstring &prompt, const std::wstring &title,
                              const std::wstring &defaultText)
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kClass;
        return RegisterClassW(&windowClass) != 0;
    }();
    if (!registered)
        return {};

    InputDialog dialog;
    // Laid out for 96 dpi, and grown with the screen's density as the menu is.
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const auto px = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, px(360), px(150)};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, title.c_str(), style,
                                  area.left + (area.right - area.left - width) / 2,
                                  area.top + (area.bottom - area.top - height) / 2, width, height, owner, nullptr,
                                  GetModuleHandleW(nullptr), &dialog);
    if (!window)
        return {};
    child(window, L"STATIC", prompt, SS_LEFT, px(10), px(10), px(250), px(90), 0);
    child(window, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, px(270), px(10), px(80), px(24), IDOK);
    child(window, L"BUTTON", L"Annuler", WS_TABSTOP | BS_PUSHBUTTON, px(270), px(40), px(80), px(24), IDCANCEL);
    dialog.m_edit = child(window, L"EDIT", defaultText, WS_TABSTOP | ES_AUTOHSCROLL, px(10), px(110), px(340),
                          px(24), 100, WS_EX_CLIENTEDGE);
    SendMessageW(dialog.m_edit, EM_SETSEL, 0, -1);

    if (owner)
        EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetFocus(dialog.m_edit);
    MSG message;
    while (!dialog.m_done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The menu is closing: its own loop must see the quit too.
            if (got == 0)
                PostQuitMessage(int(message.wParam));
            break;
        }
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (owner)
        EnableWindow(owner, TRUE);
    DestroyWindow(window);
    if (owner)
        SetActiveWindow(owner);
    return dialog.m_answer;
}
