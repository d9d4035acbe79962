#include "player/win32/Shell.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <cwctype>

namespace {

bool startsWithNoCase(const std::wstring &text, const std::wstring &start)
{
    return text.size() >= start.size() && _wcsnicmp(text.c_str(), start.c_str(), start.size()) == 0;
}

std::wstring trimmed(const std::wstring &text)
{
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The snippets quote the whole command line, "explorer" and its quoted path included.
void unquote(std::wstring &text, bool evenWithQuotesInside)
{
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"' &&
        (evenWithQuotesInside || text.find(L'"', 1) == text.size() - 1))
        text = trimmed(text.substr(1, text.size() - 2));
}

bool isAddress(const std::wstring &text)
{
    return text.find(L"://") != std::wstring::npos || startsWithNoCase(text, L"mailto:");
}

} // namespace

std::wstring Shell::discPath(const std::wstring &reference) const
{
    std::wstring path = reference;
    bool onDisc = false;
    for (const std::wstring token : {L"[LECT]:", L"[LECT]"}) {
        if (startsWithNoCase(path, token)) {
            path.erase(0, token.size());
            onDisc = true;
            break;
        }
    }
    std::replace(path.begin(), path.end(), L'/', L'\\');
    const bool absolute = (path.size() >= 2 && path[1] == L':') || startsWithNoCase(path, L"\\\\");
    if (absolute && !onDisc)
        return path;
    path.erase(0, path.find_first_not_of(L'\\') == std::wstring::npos ? path.size() : path.find_first_not_of(L'\\'));
    std::wstring root = m_discRoot;
    if (!root.empty() && root.back() != L'\\')
        root.push_back(L'\\');
    return root + path;
}

void Shell::execute(const std::wstring &file, const std::wstring &parameters) const
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = m_discRoot.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

void Shell::open(const std::wstring &reference) const
{
    if (reference.empty())
        return;
    execute(isAddress(reference) ? reference : discPath(reference), {});
}

void Shell::run(const std::wstring &commandLine) const
{
    std::wstring line = trimmed(commandLine);
    unquote(line, startsWithNoCase(line, L"\"explorer "));
    const bool explorer = startsWithNoCase(line, L"explorer ");
    if (explorer) {
        line = trimmed(line.substr(9));
        unquote(line, false);
    }
    std::wstring program = line;
    std::wstring rest;
    if (!line.empty() && line.front() == L'"') {
        const auto close = line.find(L'"', 1);
        program = line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
        rest = close == std::wstring::npos ? std::wstring() : trimmed(line.substr(close + 1));
    } else if (!explorer && GetFileAttributesW(discPath(line).c_str()) == INVALID_FILE_ATTRIBUTES) {
        const auto space = line.find(L' ');
        if (space != std::wstring::npos && space > 0) {
            program = line.substr(0, space);
            rest = trimmed(line.substr(space + 1));
        }
    }
    if (program.empty())
        return;
    if (isAddress(program)) {
        execute(program, {});
        return;
    }
    // A bare program name such as notepad is found on the system's path.
    const std::wstring path = discPath(program);
    const bool onDisc = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    execute(onDisc || program.find(L'\\') != std::wstring::npos ? path : program, explorer ? std::wstring() : rest);
}

void Shell::moveTray(bool open, const std::wstring &drive) const
{
    std::wstring letter = drive.size() == 1 || (drive.size() >= 2 && drive[1] == L':') ? drive.substr(0, 1) : std::wstring();
    if (letter.empty() && m_discRoot.size() >= 2 && m_discRoot[1] == L':')
        letter = m_discRoot.substr(0, 1);
    if (letter.empty() || !std::iswalpha(letter[0]))
        return;
    const std::wstring openCommand = L"open " + letter + L": type cdaudio alias zeplecteur shareable";
    if (mciSendStringW(openCommand.c_str(), nullptr, 0, nullptr) != 0)
        return;
    mciSendStringW(open ? L"set zeplecteur door open" : L"set zeplecteur door closed", nullptr, 0, nullptr);
    mciSendStringW(L"close zeplecteur", nullptr, 0, nullptr);
}
