#pragma once
#include "windows/Control.h"

#include <QImage>
#include <QPixmap>

// A borderless picture button that shows a picture of its own size. The picture starts as the
// button's sprite drawn at the top-left corner; copies of sprite rectangles are then painted onto
// it and stay there until painted over. Mouse input goes to the Control handlers; a disabled
// button swallows the mouse (nothing reaches the window behind it).
class SpriteButton : public Control {
    Q_OBJECT
public:
    explicit SpriteButton(QWidget* parent = nullptr);

    // The initial picture: the whole sprite at (0, 0), clipped to the button. An empty sprite
    // leaves the button transparent.
    void SetInitialPicture(const QPixmap& sprite);

    // Copies `source` (pixels of `sprite`) to (destX, 0) on the button, unscaled. The part of
    // the rectangle outside the sprite copies nothing.
    void PaintPicture(const QPixmap& sprite, int destX, const QRect& source);

    // What the button shows.
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QImage picture_;
};
