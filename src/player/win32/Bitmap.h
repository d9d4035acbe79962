#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// A picture in a 32-bit top-down DIB section, decoded by GDI+ (JPEG, GIF, BMP, ICO,
// PNG). A file that cannot be read gives an empty bitmap, never an error. The colours are
// premultiplied by their alpha, so a PNG or GIF with transparency is drawn over what is below.
class Bitmap
{
public:
    Bitmap() = default;
    Bitmap(int width, int height);
    ~Bitmap();
    Bitmap(Bitmap &&other) noexcept;
    Bitmap &operator=(Bitmap &&other) noexcept;
    Bitmap(const Bitmap &) = delete;
    Bitmap &operator=(const Bitmap &) = delete;

    static Bitmap load(const std::wstring &path);

    bool isNull() const { return !m_bitmap; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // Bytes held, for a cache that counts them.
    std::size_t bytes() const { return std::size_t(m_width) * std::size_t(m_height) * 4; }
    bool hasAlpha() const { return m_alpha; }
    HBITMAP handle() const { return m_bitmap; }
    // 0x00RRGGBB, row after row from the top.
    std::uint32_t pixel(int x, int y) const { return m_bits[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] & 0xFFFFFF; }

    // A copy at another size, smoothed.
    Bitmap scaled(int width, int height) const;
    // Draws the whole picture into the rectangle, stretched when the sizes differ.
    void draw(HDC dc, int x, int y, int width, int height) const;
    void draw(HDC dc, int x, int y) const { draw(dc, x, y, m_width, m_height); }

private:
    void release();

    HBITMAP m_bitmap = nullptr;
    std::uint32_t *m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    bool m_alpha = false;
};
