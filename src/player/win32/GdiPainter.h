#pragma once

#include "player/core/PlayerPainter.h"
#include "player/win32/Bitmap.h"

#include <windows.h>

#include <map>
#include <string>

// Draws the session's picture of the window with GDI into a device context.
class GdiPainter : public PlayerPainter
{
public:
    // pictures: the files read by the front, by path; scaled copies are kept in cache.
    GdiPainter(HDC dc, const std::map<std::string, Bitmap> &pictures, std::map<std::string, Bitmap> &cache);

    void fill(PixelRect rect, Rgb colour) override;
    void drawPicture(const std::string &path, PixelRect rect) override;
    void drawOutline(Outline shape, PixelRect rect, Rgb colour, int width) override;

private:
    HDC m_dc;
    const std::map<std::string, Bitmap> &m_pictures;
    std::map<std::string, Bitmap> &m_cache;
};
