#include "core/Colors.h"

#include <QWidget>

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

void SetForeColor(QWidget* label, int bgr)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, ColorFromBgr(bgr));
    p.setColor(QPalette::Text, ColorFromBgr(bgr));
    label->setPalette(p);
}

int ForeColor(const QWidget* label)
{
    return BgrFromColor(label->palette().color(QPalette::WindowText));
}
