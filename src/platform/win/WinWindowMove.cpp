// Windows moves and activates windows itself: QWindow::startSystemMove() serves the move.
#include "platform/desktop/X11WindowMove.h"

#include <QWindow>

bool StartX11WindowMove(QWindow*, QPoint)
{
    return false;
}

void ActivateX11Window(QWindow* window)
{
    if (window)
        window->requestActivate();
}
