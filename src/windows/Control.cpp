#include "windows/Control.h"

#include "windows/LabelColor.h"

#include <QMouseEvent>

Control::Control(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    // Names, titles and the information text are the user's: never read as markup.
    setTextFormat(Qt::PlainText);
}

void Control::SetBackColor(int bgr)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorFromBgr(bgr));
    setPalette(p);
    setAutoFillBackground(true);
}

void Control::mousePressEvent(QMouseEvent* e)
{
    if (MouseDown)
        MouseDown(e->button(), e->position().toPoint());
    e->accept();
}

void Control::mouseMoveEvent(QMouseEvent* e)
{
    if (MouseMove)
        MouseMove(e->buttons(), e->position().toPoint());
    e->accept();
}

void Control::mouseReleaseEvent(QMouseEvent* e)
{
    const bool inside = rect().contains(e->position().toPoint());
    if (MouseUp)
        MouseUp(e->button(), e->position().toPoint());
    if (e->button() == Qt::LeftButton && inside && isEnabled() && Click)
        Click();
    e->accept();
}

void Control::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (MouseDown)
        MouseDown(e->button(), e->position().toPoint());
    if (e->button() == Qt::LeftButton && DblClick)
        DblClick();
    e->accept();
}
