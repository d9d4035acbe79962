#pragma once

#include <windows.h>

// A library of the system loaded when the player needs it, by its full path in the
// system folder. A library imported at start would be looked for beside the player
// first, and a disc, a USB stick or a download folder may carry a file of that name.
class SystemLibrary
{
public:
    explicit SystemLibrary(const wchar_t *name);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary &) = delete;
    SystemLibrary &operator=(const SystemLibrary &) = delete;

    bool isLoaded() const { return m_module != nullptr; }

    // Points function at the library's export; false when the library or the name is missing.
    // Every pointer type given here carries WINAPI, so a 32-bit build calls them right.
    template<typename Function>
    bool resolve(const char *name, Function &function) const
    {
        const FARPROC address = m_module ? GetProcAddress(m_module, name) : nullptr;
        function = reinterpret_cast<Function>(reinterpret_cast<void *>(address));
        return function != nullptr;
    }

private:
    HMODULE m_module = nullptr;
};
