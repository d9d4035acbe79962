#include "player/win32/PlayerProgram.h"

#include "player/core/PlayerLaunch.h"
#include "player/core/SystemPath.h"
#include "player/win32/GdiplusLibrary.h"
#include "player/win32/MenuWindow.h"
#include "player/win32/WideText.h"

#include <windows.h>

#include <filesystem>

namespace {

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
    // The core names files in UTF-8 with "/": C:/Users/Frédéric/Mes CD/zep/autorun.exe.
    const std::filesystem::path program(programFile);
    PlayerLaunch launch = PlayerLaunch::decide(command, systempath::read(systempath::utf8(program)).value_or(""));
    if (launch.message) {
        tell(*launch.message, launch.failed ? MB_ICONERROR : MB_ICONINFORMATION);
        return launch.exitCode;
    }
    if (launch.endAtOnce)
        return 0;
    MenuModel menu = std::move(launch.menu);

    GdiplusLibrary gdiplus;
    // [LECT] is the disc the menu runs from: the folder above zep\, "E:/" at a drive's root.
    const std::filesystem::path mediaFolder = program.parent_path();
    const std::filesystem::path discRoot = mediaFolder.parent_path();
    MenuWindow window(std::move(menu), DiscPaths(systempath::utf8(discRoot), systempath::utf8(mediaFolder)));
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
