#include "core/Colors.h"

QColor ColorFromBgr(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int BgrFromColor(const QColor& c)
{
    return c.blue() * 65536 + c.green() * 256 + c.red();
}

std::optional<int> ParseBgr(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok || v < 0 || v > 0xFFFFFF)
        return std::nullopt;
    return int(v);
}
