#pragma once

#include "player/win32/SystemLibrary.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

// GDI+ loaded from the system folder only (see SystemLibrary).
class GdiplusLibrary
{
public:
    // Loads the library and starts GDI+; false when it is not there.
    GdiplusLibrary();
    ~GdiplusLibrary();
    GdiplusLibrary(const GdiplusLibrary &) = delete;
    GdiplusLibrary &operator=(const GdiplusLibrary &) = delete;

    // The running library, or nullptr before one is made or when it failed.
    static const GdiplusLibrary *instance() { return s_instance; }

    using CreateBitmapFromFile = Gdiplus::GpStatus(WINAPI *)(const WCHAR *, Gdiplus::GpBitmap **);
    using GetImageSize = Gdiplus::GpStatus(WINAPI *)(Gdiplus::GpImage *, UINT *);
    using LockBits = Gdiplus::GpStatus(WINAPI *)(Gdiplus::GpBitmap *, const Gdiplus::GpRect *, UINT,
                                                 Gdiplus::PixelFormat, Gdiplus::BitmapData *);
    using UnlockBits = Gdiplus::GpStatus(WINAPI *)(Gdiplus::GpBitmap *, Gdiplus::BitmapData *);
    using DisposeImage = Gdiplus::GpStatus(WINAPI *)(Gdiplus::GpImage *);

    CreateBitmapFromFile createBitmapFromFile = nullptr;
    GetImageSize imageWidth = nullptr;
    GetImageSize imageHeight = nullptr;
    LockBits lockBits = nullptr;
    UnlockBits unlockBits = nullptr;
    DisposeImage disposeImage = nullptr;

private:
    static inline GdiplusLibrary *s_instance = nullptr;
    SystemLibrary m_library{L"gdiplus.dll"};
    ULONG_PTR m_token = 0;
    void(WINAPI *m_shutdown)(ULONG_PTR) = nullptr;
};
