#pragma once
#include <QColor>
#include <QString>
#include <optional>

// Colours are stored as 0x00BBGGRR integers (255 red, 65535 yellow, 16711935 magenta).
QColor ColorFromBgr(int bgr);
int BgrFromColor(const QColor& c);

// The decimal text of a stored colour; nullopt when it is not a whole number from 0 to 0xFFFFFF.
std::optional<int> ParseBgr(const QString& text);
