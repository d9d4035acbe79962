#pragma once

#include "player/core/PlayerFront.h"

#include <string>

// What MenuSession::paint draws with, in client pixels, in the order of the calls.
class PlayerPainter
{
public:
    enum class Outline { Rectangle, Ellipse, RoundedRectangle };

    virtual ~PlayerPainter() = default;

    virtual void fill(PixelRect rect, Rgb colour) = 0;
    // A picture read by PlayerFront::loadPicture, scaled to rect.
    virtual void drawPicture(const std::string &path, PixelRect rect) = 0;
    // A line width pixels thick just inside rect; rounded corners have radii of 15 % of half the sides.
    virtual void drawOutline(Outline shape, PixelRect rect, Rgb colour, int width) = 0;
};
