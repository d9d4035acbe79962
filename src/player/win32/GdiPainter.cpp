#include "player/win32/GdiPainter.h"

namespace {

COLORREF colourRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace

GdiPainter::GdiPainter(HDC dc, const std::map<std::string, Bitmap> &pictures, std::map<std::string, Bitmap> &cache)
    : m_dc(dc), m_pictures(pictures), m_cache(cache)
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
    const auto found = m_pictures.find(path);
    if (found == m_pictures.end() || found->second.isNull() || rect.width <= 0 || rect.height <= 0)
        return;
    const Bitmap &picture = found->second;
    if (picture.width() == rect.width && picture.height() == rect.height) {
        picture.draw(m_dc, rect.x, rect.y);
        return;
    }
    // A stretched background is smoothed once per size, not at every frame.
    const std::string key = path + '|' + std::to_string(rect.width) + 'x' + std::to_string(rect.height);
    auto scaled = m_cache.find(key);
    if (scaled == m_cache.end()) {
        if (m_cache.size() > 16)
            m_cache.clear();
        scaled = m_cache.emplace(key, picture.scaled(rect.width, rect.height)).first;
    }
    scaled->second.draw(m_dc, rect.x, rect.y);
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
