#include "player/win32/PlayerProgram.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// Libraries loaded from now on come from the system, never from the disc's folder. The
// call came with a 2011 update of Windows 7: without it, the folder is at least taken
// out of the search, and every library of ours is loaded by its full path anyway.
void keepLibrariesToTheSystem()
{
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI *)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryW(L"");
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    keepLibrariesToTheSystem();
    std::wstring programFile(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, programFile.data(), DWORD(programFile.size()));
        if (length < programFile.size()) {
            programFile.resize(length);
            break;
        }
        programFile.resize(programFile.size() * 2);
    }
    int count = 0;
    wchar_t **words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; words && i < count; ++i)
        arguments.emplace_back(words[i]);
    LocalFree(words);
    return PlayerProgram::run(programFile, arguments);
}
