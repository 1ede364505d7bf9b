#pragma once
#include <QColor>
#include <QString>
#include <optional>

// Colours are stored as 0x00BBGGRR integers (255 red, 65535 yellow, 16711935 magenta).
QColor ColorFromBgr(int bgr);
int BgrFromColor(const QColor& c);

// The decimal text of a stored colour; nullopt when it is not a whole number from 0 to 0xFFFFFF.
std::optional<int> ParseBgr(const QString& text);

// A signal colour as stored, "#RRGGBB" (either case); nullopt when empty or not such a text.
std::optional<QRgb> ParseSignalColor(const QString& text);
// "#RRGGBB" in capitals.
QString SignalColorText(QRgb rgb);

// The contrast ratio of two colours by their relative luminance (1 to 21).
double ContrastRatio(QRgb a, QRgb b);
// The digits' colour on a signal colour: black or white, whichever has the higher contrast.
QRgb DigitsOnSignal(QRgb background);
// `color` made readable on `back` (contrast at least 4.5:1): a colour that nearly reads is
// lightened on a dark back (darkened on a light one) just enough, keeping its hue; one that
// hardly shows at all (below 2:1) gives way to white or black. The pages do the same.
QRgb ReadableOn(QRgb color, QRgb back);
// `color` made readable on `back`, then moved towards `back` by up to `amount` (0..1) as far as
// it stays readable: a dimmed text that can still be read.
QRgb DimmedOn(QRgb color, QRgb back, double amount);
