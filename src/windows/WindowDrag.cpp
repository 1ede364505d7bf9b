#include "windows/WindowDrag.h"

#include "platform/desktop/X11WindowMove.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {
// One press on a drag handle: waits until the pointer has moved beyond the drag distance with
// the button held, then moves the window (by the window manager for the left button when there
// is one, by hand otherwise) until the button is released. A release before that leaves the
// window where it is, so clicks and double-clicks reach the control as they are.
class DragTracker final : public QObject {
public:
    DragTracker(QWidget* window, Qt::MouseButton button, QPoint globalPressPos)
        : window_(window), button_(button), press_(globalPressPos), offset_(globalPressPos - window->pos())
    {
        if (current_)
            current_->finish(); // a new press replaces a press that never saw its release
        current_ = this;
        qApp->installEventFilter(this);
    }
    ~DragTracker() override
    {
        if (current_ == this)
            current_ = nullptr;
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override
    {
        if (!window_) {
            finish();
            return false;
        }
        if (e->type() == QEvent::MouseMove) {
            auto* me = static_cast<QMouseEvent*>(e);
            const QPoint pos = me->globalPosition().toPoint();
            if (!(me->buttons() & button_))
                finish(); // the release went elsewhere (a modal dialog, another program)
            else if (!InWindow(receiver))
                ; // a drag in a dialog opened by a double-click, say
            else if (moving_)
                window_->move(pos - offset_);
            else if ((pos - press_).manhattanLength() >= QApplication::startDragDistance())
                beginMove(pos);
        } else if (e->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(e)->button() == button_)
                finish();
        }
        return false; // the controls still see every event
    }

private:
    bool InWindow(QObject* o) const
    {
        if (auto* w = qobject_cast<QWidget*>(o))
            return w->window() == window_;
        return o == window_->windowHandle();
    }

    void beginMove(QPoint pos)
    {
        if (button_ == Qt::LeftButton) {
            // The window manager moves the window as from the press, so the window keeps the
            // offset the pointer had there; the release will not come back here.
            QWindow* handle = window_->windowHandle();
            if (handle && (StartX11WindowMove(handle, press_) || handle->startSystemMove())) {
                finish();
                return;
            }
        }
        moving_ = true;
        window_->move(pos - offset_);
    }

    void finish()
    {
        qApp->removeEventFilter(this);
        if (current_ == this)
            current_ = nullptr;
        deleteLater();
    }

    static inline DragTracker* current_ = nullptr;
    QPointer<QWidget> window_;
    Qt::MouseButton button_;
    QPoint press_;
    QPoint offset_;
    bool moving_ = false;
};
} // namespace

void StartWindowDrag(QWidget* window, Qt::MouseButton button, QPoint globalPressPos)
{
    if (!window || button == Qt::NoButton)
        return;
    new DragTracker(window, button, globalPressPos);
}
