/* The least a Windows program does to show a window: Wine's own floor for the first
   frame of bench/player/first-frame-wine-vs-linux. */
#include <windows.h>

static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR line, int show)
{
    WNDCLASSW windowClass = {0};
    MSG message;
    (void)previous;
    (void)line;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"Plancher";
    RegisterClassW(&windowClass);
    ShowWindow(CreateWindowExW(0, L"Plancher", L"Plancher", WS_POPUP, 0, 0, 800, 600, NULL, NULL, instance, NULL),
               show);
    while (GetMessageW(&message, NULL, 0, 0) > 0)
        DispatchMessageW(&message);
    return (int)message.wParam;
}
