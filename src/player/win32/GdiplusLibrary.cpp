#include "player/win32/GdiplusLibrary.h"

namespace {

template<typename Function>
bool resolve(HMODULE module, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)));
    return function != nullptr;
}

} // namespace

GdiplusLibrary::GdiplusLibrary()
{
    m_module = LoadLibraryExW(L"gdiplus.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!m_module)
        return;
    using Startup = Gdiplus::Status(WINAPI *)(ULONG_PTR *, const Gdiplus::GdiplusStartupInput *,
                                              Gdiplus::GdiplusStartupOutput *);
    Startup startup = nullptr;
    const bool complete = resolve(m_module, "GdiplusStartup", startup) &&
                          resolve(m_module, "GdiplusShutdown", m_shutdown) &&
                          resolve(m_module, "GdipCreateBitmapFromFile", createBitmapFromFile) &&
                          resolve(m_module, "GdipGetImageWidth", imageWidth) &&
                          resolve(m_module, "GdipGetImageHeight", imageHeight) &&
                          resolve(m_module, "GdipBitmapLockBits", lockBits) &&
                          resolve(m_module, "GdipBitmapUnlockBits", unlockBits) &&
                          resolve(m_module, "GdipDisposeImage", disposeImage);
    Gdiplus::GdiplusStartupInput input;
    if (complete && startup(&m_token, &input, nullptr) == Gdiplus::Ok)
        s_instance = this;
}

GdiplusLibrary::~GdiplusLibrary()
{
    if (s_instance == this) {
        m_shutdown(m_token);
        s_instance = nullptr;
    }
    if (m_module)
        FreeLibrary(m_module);
}
