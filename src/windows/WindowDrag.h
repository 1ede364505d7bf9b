#pragma once
#include <QPoint>
#include <Qt>

class QWidget;

// Lets the user move a top-level window with the mouse; called from the press handler of a drag
// handle. Nothing moves until the pointer has gone beyond QApplication::startDragDistance() with
// the pressed button held, so a click or double-click without movement reaches the control. Then
// the left button asks the window manager for an interactive move; when there is none (or for
// any other button, whose release must still reach the window, e.g. to open the popup menu) the
// window follows the mouse by hand until that button is released.
void StartWindowDrag(QWidget* window, Qt::MouseButton button, QPoint globalPressPos);
