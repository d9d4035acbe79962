#pragma once

// Positions and sizes are twips (1/1440 inch); the screen converts them with its own
// horizontal and vertical factors (15 on a 96-dpi screen).
struct TwipsPerPixel
{
    double x = 15.0;
    double y = 15.0;

    static TwipsPerPixel fromDpi(double dpiX, double dpiY) { return {1440.0 / dpiX, 1440.0 / dpiY}; }

    double toPixelsX(double twips) const { return twips / x; }
    double toPixelsY(double twips) const { return twips / y; }
    double toTwipsX(double pixels) const { return pixels * x; }
    double toTwipsY(double pixels) const { return pixels * y; }
};
