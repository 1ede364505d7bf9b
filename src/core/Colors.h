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
