#include "player/win32/GdiplusLibrary.h"

GdiplusLibrary::GdiplusLibrary()
{
    using Startup = Gdiplus::Status(WINAPI *)(ULONG_PTR *, const Gdiplus::GdiplusStartupInput *,
                                              Gdiplus::GdiplusStartupOutput *);
    Startup startup = nullptr;
    const bool complete = m_library.isLoaded() && m_library.resolve("GdiplusStartup", startup) &&
                          m_library.resolve("GdiplusShutdown", m_shutdown) &&
                          m_library.resolve("GdipCreateBitmapFromFile", createBitmapFromFile) &&
                          m_library.resolve("GdipGetImageWidth", imageWidth) &&
                          m_library.resolve("GdipGetImageHeight", imageHeight) &&
                          m_library.resolve("GdipBitmapLockBits", lockBits) &&
                          m_library.resolve("GdipBitmapUnlockBits", unlockBits) &&
                          m_library.resolve("GdipDisposeImage", disposeImage);
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
}
