#include "player/win32/GdiPainter.h"

namespace {

COLORREF colourRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace

GdiPainter::GdiPainter(HDC dc, PictureCache &pictures) : m_dc(dc), m_pictures(pictures)
{
}

void GdiPainter::fill(PixelRect rect, Rgb colour)
{
    const HBRUSH brush = CreateSolidBrush(colourRef(colour));
    const RECT box{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
    FillRect(m_dc, &box, brush);
    DeleteObject(brush);
}

void GdiPainter::drawPicture(const std::string &path, PixelRect rect)
{
    if (rect.width <= 0 || rect.height <= 0)
        return;
    // A picture drawn at another size (a stretched background, any picture above 96 dpi)
    // is smoothed once per size, not at every frame.
    if (const Bitmap *picture = m_pictures.picture(path, rect.width, rect.height))
        picture->draw(m_dc, rect.x, rect.y);
}

void GdiPainter::drawOutline(Outline shape, PixelRect rect, Rgb colour, int width)
{
    const HPEN pen = CreatePen(PS_INSIDEFRAME, width, colourRef(colour));
    const HGDIOBJ oldPen = SelectObject(m_dc, pen);
    const HGDIOBJ oldBrush = SelectObject(m_dc, GetStockObject(NULL_BRUSH));
    const int right = rect.x + rect.width;
    const int bottom = rect.y + rect.height;
    if (shape == Outline::Ellipse)
        Ellipse(m_dc, rect.x, rect.y, right, bottom);
    else if (shape == Outline::RoundedRectangle)
        RoundRect(m_dc, rect.x, rect.y, right, bottom, rect.width * 15 / 100, rect.height * 15 / 100);
    else
        Rectangle(m_dc, rect.x, rect.y, right, bottom);
    SelectObject(m_dc, oldBrush);
    SelectObject(m_dc, oldPen);
    DeleteObject(pen);
}
