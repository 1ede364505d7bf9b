#include "windows/LabelColor.h"

#include <QWidget>

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
