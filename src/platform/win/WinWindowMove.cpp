// Windows moves and activates windows itself: QWindow::startSystemMove() serves the move.
#include "platform/desktop/X11WindowMove.h"

#include <QWindow>

#include <windows.h>

bool StartX11WindowMove(QWindow*, QPoint)
{
    return false;
}

void ActivateX11Window(QWindow* window)
{
    if (window)
        window->requestActivate();
}

// Window ids here are the windows' handles, which fit in 32 bits.
void ActivateX11WindowId(quint32 id)
{
    if (id)
        SetForegroundWindow(reinterpret_cast<HWND>(static_cast<quintptr>(id)));
}

quint32 ActiveX11WindowId()
{
    return quint32(reinterpret_cast<quintptr>(GetForegroundWindow()));
}

void RaiseX11Window(QWindow* window)
{
    if (window)
        SetWindowPos(reinterpret_cast<HWND>(window->winId()), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
