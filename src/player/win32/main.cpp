#include "player/win32/PlayerProgram.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // Libraries loaded from now on come from the system, never from the disc's folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Sizes in twips become pixels at the screen's real resolution.
    SetProcessDPIAware();
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
