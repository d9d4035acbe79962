#include "player/win32/Winmm.h"

namespace winmm {

namespace {

struct Functions
{
    SystemLibrary library{L"winmm.dll"};
    DWORD(WINAPI *mciSendString)(const wchar_t *, wchar_t *, UINT, HWND) = nullptr;
    BOOL(WINAPI *playSound)(const wchar_t *, HMODULE, DWORD) = nullptr;

    Functions()
    {
        library.resolve("mciSendStringW", mciSendString);
        library.resolve("PlaySoundW", playSound);
    }
};

const Functions &functions()
{
    static const Functions loaded;
    return loaded;
}

} // namespace

bool mciSend(const wchar_t *command)
{
    return functions().mciSendString && functions().mciSendString(command, nullptr, 0, nullptr) == 0;
}

void playSound(const wchar_t *sound, DWORD flags)
{
    if (functions().playSound)
        functions().playSound(sound, nullptr, flags);
}

} // namespace winmm
