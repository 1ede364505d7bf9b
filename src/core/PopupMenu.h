#pragma once
#include <QPoint>

class QWidget;

// The popup menu that the display windows share, shown where the user released the right
// button: the one request of a view that carries more than a command id. `owner` is the window
// the menu's dialogs belong to. The application implements it.
class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    virtual void ShowPopupMenu(QWidget* owner, QPoint globalPos) = 0;
};
