#include "player/win32/SystemLibrary.h"

#include <string>

SystemLibrary::SystemLibrary(const wchar_t *name)
{
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), UINT(path.size()));
    if (length == 0 || length >= path.size())
        return;
    path.resize(length);
    path += L'\\';
    path += name;
    // The full path, so the library's own dependencies come from the system folder too.
    m_module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

SystemLibrary::~SystemLibrary()
{
    if (m_module)
        FreeLibrary(m_module);
}
