#include "windows/SpriteButton.h"

#include <QPainter>

SpriteButton::SpriteButton(QWidget* parent) : Control(parent)
{
    // Qt hands the mouse events of a disabled widget to its parent; a disabled picture button
    // must not react at all, and neither must the window behind it.
    setAttribute(Qt::WA_NoMousePropagation);
}

void SpriteButton::SetInitialPicture(const QPixmap& sprite)
{
    picture_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    if (!sprite.isNull()) {
        QPainter p(&picture_);
        p.drawPixmap(0, 0, sprite);
    }
    update();
}

void SpriteButton::PaintPicture(const QPixmap& sprite, int destX, const QRect& source)
{
    if (sprite.isNull() || picture_.isNull())
        return;
    const QRect from = source & sprite.rect();
    if (from.isEmpty())
        return;
    const QPoint to(destX + from.x() - source.x(), from.y() - source.y());
    QPainter p(&picture_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawPixmap(to, sprite, from);
    p.end();
    update();
}

void SpriteButton::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void SpriteButton::resizeEvent(QResizeEvent* e)
{
    Control::resizeEvent(e);
    if (picture_.isNull() || picture_.size() == size())
        return;
    QImage resized(size(), QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    QPainter p(&resized);
    p.drawImage(0, 0, picture_);
    p.end();
    picture_ = resized;
}
