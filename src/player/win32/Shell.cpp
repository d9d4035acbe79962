#include "player/win32/Shell.h"

#include "player/core/SystemPath.h"
#include "player/win32/WideText.h"
#include "player/win32/Winmm.h"

#include <windows.h>
#include <shellapi.h>

#include <cwctype>

namespace {

std::wstring target(const std::string &path)
{
    // Addresses keep their slashes.
    if (path.find("://") != std::string::npos || path.rfind("mailto:", 0) == 0)
        return widetext::widen(path);
    return systempath::of(path).native();
}

bool execute(const std::wstring &file, const std::wstring &parameters)
{
    if (file.empty())
        return false;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    // The player says what failed itself, in French.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

} // namespace

namespace shell {

bool open(const std::string &path)
{
    return execute(target(path), {});
}

bool run(const std::string &path, const std::string &arguments)
{
    return execute(target(path), widetext::widen(arguments));
}

void moveTray(bool open, const std::string &drive)
{
    const std::wstring wide = widetext::widen(drive);
    if (wide.empty() || !std::iswalpha(wide[0]) || (wide.size() > 1 && wide[1] != L':'))
        return;
    const std::wstring command = L"open " + wide.substr(0, 1) + L": type cdaudio alias zeplecteur shareable";
    if (!winmm::mciSend(command.c_str()))
        return;
    winmm::mciSend(open ? L"set zeplecteur door open" : L"set zeplecteur door closed");
    winmm::mciSend(L"close zeplecteur");
}

} // namespace shell
