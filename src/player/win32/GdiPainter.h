#pragma once

#include "player/core/PlayerPainter.h"
#include "player/win32/PictureCache.h"

#include <windows.h>

#include <string>

// Draws the session's picture of the window with GDI into a device context.
class GdiPainter : public PlayerPainter
{
public:
    GdiPainter(HDC dc, PictureCache &pictures);

    void fill(PixelRect rect, Rgb colour) override;
    void drawPicture(const std::string &path, PixelRect rect) override;
    void drawOutline(Outline shape, PixelRect rect, Rgb colour, int width) override;

private:
    HDC m_dc;
    PictureCache &m_pictures;
};
