#pragma once
#include <QRect>
#include <cmath>

// Positions and sizes are designed in twips; 15 twips are one device-independent pixel.
constexpr int Twips(double twips) { return int(twips / 15.0 + (twips >= 0 ? 0.5 : -0.5)); }
inline QRect TwipsRect(double left, double top, double width, double height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}
// Font sizes are designed in points at 96 dots per inch; they are set in pixels so the layout
// does not depend on the X server's idea of the screen's resolution.
constexpr int PointsToPixels(double points) { return int(points * 96.0 / 72.0 + 0.5); }
