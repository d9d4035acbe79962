#pragma once

#include "player/core/PlayerPainter.h"

#include <QString>

class QPainter;
class QtPictureCache;

// Draws the session's picture of the menu with a QPainter, from the pictures the window read.
class QtPlayerPainter : public PlayerPainter
{
public:
    QtPlayerPainter(QPainter &painter, QtPictureCache &pictures);

    void fill(PixelRect rect, Rgb colour) override;
    void drawPicture(const std::string &path, PixelRect rect) override;
    void drawOutline(Outline shape, PixelRect rect, Rgb colour, int width) override;

private:
    QPainter &m_painter;
    QtPictureCache &m_pictures;
};
