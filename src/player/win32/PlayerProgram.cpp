#include "player/win32/PlayerProgram.h"

#include "player/core/PlayerLaunch.h"
#include "player/win32/GdiplusLibrary.h"
#include "player/win32/MenuWindow.h"
#include "player/win32/WideText.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

std::string readFile(const std::wstring &path)
{
    std::ifstream stream(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::wstring folderOf(const std::wstring &path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

// The core names folders with "/".
std::string corePath(const std::wstring &path)
{
    std::string text = widetext::narrow(path);
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

bool environmentFlag(const wchar_t *name)
{
    wchar_t value[8] = {};
    return GetEnvironmentVariableW(name, value, 8) > 0 && value[0] == L'1';
}

void tell(const PlayerMessage &message, UINT icon)
{
    MessageBoxW(nullptr, widetext::widen(message.text).c_str(), widetext::widen(message.title).c_str(), MB_OK | icon);
}

} // namespace

int PlayerProgram::run(const std::wstring &programFile, const std::vector<std::wstring> &arguments)
{
    const std::string command = arguments.empty() ? std::string() : widetext::narrow(arguments.front());
    PlayerLaunch launch = PlayerLaunch::decide(command, readFile(programFile));
    if (launch.message) {
        tell(*launch.message, launch.failed ? MB_ICONERROR : MB_ICONINFORMATION);
        return launch.exitCode;
    }
    if (launch.endAtOnce)
        return 0;
    MenuModel menu = std::move(launch.menu);

    GdiplusLibrary gdiplus;
    const std::wstring mediaFolder = folderOf(programFile);
    // [LECT] is the disc the menu runs from: the folder above zep\.
    std::wstring discRoot = folderOf(mediaFolder);
    if (discRoot.size() == 2 && discRoot[1] == L':')
        discRoot.push_back(L'\\');
    MenuWindow window(std::move(menu), DiscPaths(corePath(discRoot), corePath(mediaFolder)));
    window.setQuitAfterFirstFrame(environmentFlag(L"ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME"));
    if (!window.start()) {
        MessageBoxW(nullptr, L"La fenêtre du menu n'a pas pu être créée.", L"Erreur !", MB_OK | MB_ICONERROR);
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
