#include "windows/WindowDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {
// Moves the window from the mouse events until the button is released, then removes itself.
class ManualDrag final : public QObject {
public:
    ManualDrag(QWidget* window, Qt::MouseButton button, QPoint globalPressPos)
        : window_(window), button_(button), offset_(globalPressPos - window->pos())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (!window_) {
            deleteLater();
            return false;
        }
        if (e->type() == QEvent::MouseMove) {
            auto* me = static_cast<QMouseEvent*>(e);
            if (me->buttons() & button_)
                window_->move(me->globalPosition().toPoint() - offset_);
        } else if (e->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(e)->button() == button_) {
                qApp->removeEventFilter(this);
                deleteLater();
            }
        }
        return false; // the controls still see every event
    }

private:
    QPointer<QWidget> window_;
    Qt::MouseButton button_;
    QPoint offset_;
};
} // namespace

void StartWindowDrag(QWidget* window, Qt::MouseButton button, QPoint globalPressPos)
{
    if (!window || button == Qt::NoButton)
        return;
    if (button == Qt::LeftButton && window->windowHandle() && window->windowHandle()->startSystemMove())
        return;
    new ManualDrag(window, button, globalPressPos);
}
