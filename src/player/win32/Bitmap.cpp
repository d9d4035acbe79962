#include "player/win32/Bitmap.h"

#include "player/win32/GdiplusLibrary.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// A memory DC with the bitmap selected for the time of one drawing.
class SelectedBitmap
{
public:
    SelectedBitmap(HDC reference, HBITMAP bitmap) : m_dc(CreateCompatibleDC(reference))
    {
        m_old = SelectObject(m_dc, bitmap);
    }
    ~SelectedBitmap()
    {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    SelectedBitmap(const SelectedBitmap &) = delete;
    SelectedBitmap &operator=(const SelectedBitmap &) = delete;
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

} // namespace

Bitmap::Bitmap(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_bitmap)
        return;
    m_bits = static_cast<std::uint32_t *>(bits);
    m_width = width;
    m_height = height;
}

Bitmap::~Bitmap()
{
    release();
}

Bitmap::Bitmap(Bitmap &&other) noexcept
    : m_bitmap(std::exchange(other.m_bitmap, nullptr)), m_bits(std::exchange(other.m_bits, nullptr)),
      m_width(std::exchange(other.m_width, 0)), m_height(std::exchange(other.m_height, 0)),
      m_alpha(std::exchange(other.m_alpha, false))
{
}

Bitmap &Bitmap::operator=(Bitmap &&other) noexcept
{
    if (this != &other) {
        release();
        m_bitmap = std::exchange(other.m_bitmap, nullptr);
        m_bits = std::exchange(other.m_bits, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_alpha = std::exchange(other.m_alpha, false);
    }
    return *this;
}

void Bitmap::release()
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_bits = nullptr;
    m_width = m_height = 0;
    m_alpha = false;
}

Bitmap Bitmap::load(const std::wstring &path)
{
    using namespace Gdiplus;
    Bitmap result;
    const GdiplusLibrary *gdiplus = GdiplusLibrary::instance();
    if (!gdiplus || path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return result;
    GpBitmap *source = nullptr;
    if (gdiplus->createBitmapFromFile(path.c_str(), &source) != Ok || !source)
        return result;
    UINT width = 0;
    UINT height = 0;
    gdiplus->imageWidth(source, &width);
    gdiplus->imageHeight(source, &height);
    if (width > 0 && height > 0 && width <= 16384 && height <= 16384) {
        Bitmap bitmap{int(width), int(height)};
        BitmapData data{};
        GpRect all(0, 0, INT(width), INT(height));
        if (!bitmap.isNull() &&
            gdiplus->lockBits(source, &all, ImageLockModeRead, PixelFormat32bppPARGB, &data) == Ok) {
            for (UINT y = 0; y < height; ++y)
                std::memcpy(bitmap.m_bits + std::size_t(y) * width, static_cast<const char *>(data.Scan0) + std::ptrdiff_t(y) * data.Stride,
                            width * 4);
            gdiplus->unlockBits(source, &data);
            const std::uint32_t *begin = bitmap.m_bits;
            const std::uint32_t *end = begin + std::size_t(width) * height;
            bitmap.m_alpha = std::any_of(begin, end, [](std::uint32_t p) { return p >> 24 != 0xFF; });
            result = std::move(bitmap);
        }
    }
    gdiplus->disposeImage(source);
    return result;
}

Bitmap Bitmap::scaled(int width, int height) const
{
    Bitmap result(width, height);
    if (result.isNull() || isNull())
        return result;
    // Drawn over the new bitmap's transparent black, the alpha goes along.
    result.m_alpha = m_alpha;
    const HDC screen = GetDC(nullptr);
    {
        SelectedBitmap target(screen, result.m_bitmap);
        draw(target.dc(), 0, 0, width, height);
    }
    ReleaseDC(nullptr, screen);
    return result;
}

void Bitmap::draw(HDC dc, int x, int y, int width, int height) const
{
    if (isNull())
        return;
    SelectedBitmap source(dc, m_bitmap);
    if (m_alpha) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, x, y, width, height, source.dc(), 0, 0, m_width, m_height, blend);
        return;
    }
    if (width == m_width && height == m_height) {
        BitBlt(dc, x, y, width, height, source.dc(), 0, 0, SRCCOPY);
        return;
    }
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, x, y, width, height, source.dc(), 0, 0, m_width, m_height, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
}
