#include "player/win32/Shell.h"

#include "player/win32/WideText.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <algorithm>
#include <cwctype>

namespace {

std::wstring systemPath(const std::string &path)
{
    std::wstring wide = widetext::widen(path);
    // Addresses keep their slashes.
    if (wide.find(L"://") == std::wstring::npos && wide.rfind(L"mailto:", 0) != 0)
        std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

void execute(const std::wstring &file, const std::wstring &parameters)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

} // namespace

namespace shell {

void open(const std::string &target)
{
    if (!target.empty())
        execute(systemPath(target), {});
}

void run(const std::string &path, const std::string &arguments)
{
    if (!path.empty())
        execute(systemPath(path), widetext::widen(arguments));
}

void moveTray(bool open, const std::string &drive)
{
    const std::wstring wide = widetext::widen(drive);
    if (wide.empty() || !std::iswalpha(wide[0]) || (wide.size() > 1 && wide[1] != L':'))
        return;
    const std::wstring command = L"open " + wide.substr(0, 1) + L": type cdaudio alias zeplecteur shareable";
    if (mciSendStringW(command.c_str(), nullptr, 0, nullptr) != 0)
        return;
    mciSendStringW(open ? L"set zeplecteur door open" : L"set zeplecteur door closed", nullptr, 0, nullptr);
    mciSendStringW(L"close zeplecteur", nullptr, 0, nullptr);
}

} // namespace shell
