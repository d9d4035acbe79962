#pragma once

#include "player/core/PlayerPainter.h"

#include <QHash>
#include <QImage>
#include <QString>

class QPainter;

// Draws the session's picture of the menu with a QPainter, from the pictures the window read.
class QtPlayerPainter : public PlayerPainter
{
public:
    QtPlayerPainter(QPainter &painter, const QHash<QString, QImage> &pictures);

    void fill(PixelRect rect, Rgb colour) override;
    void drawPicture(const std::string &path, PixelRect rect) override;
    void drawOutline(Outline shape, PixelRect rect, Rgb colour, int width) override;

private:
    QPainter &m_painter;
    const QHash<QString, QImage> &m_pictures;
};
