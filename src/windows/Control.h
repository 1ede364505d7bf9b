#pragma once
#include <QLabel>
#include <functional>

// A label, picture box or panel whose mouse events go to handlers a window assigns
// (Showtime->DblClick = [this] { Showtime_DblClick(); }). Mouse tracking is on, so a move
// without a pressed button reaches MouseMove. A release goes to the control that got the press.
// Its text is plain text.
class Control : public QLabel {
    Q_OBJECT
public:
    explicit Control(QWidget* parent = nullptr);

    std::function<void(Qt::MouseButton button, QPoint pos)> MouseDown;
    std::function<void(Qt::MouseButtons buttons, QPoint pos)> MouseMove;
    std::function<void(Qt::MouseButton button, QPoint pos)> MouseUp;
    std::function<void()> Click;    // left button pressed and released over the control
    std::function<void()> DblClick; // left button

    // A panel: filled with its background colour (0x00BBGGRR).
    void SetBackColor(int bgr);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};
