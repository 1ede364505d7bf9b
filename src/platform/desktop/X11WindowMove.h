#pragma once
#include <QPoint>
#include <QtGlobal>

class QWindow;

// Asks an X11 window manager to move `window` interactively with the left button held, as if
// the move had begun with the pointer at `globalStart` (logical screen coordinates): the window
// keeps the offset it had to the pointer there, however far the pointer has gone since. The
// window manager owns the pointer afterwards; the release does not reach the program. False
// when the program does not run on X11 or the window manager offers no such move.
bool StartX11WindowMove(QWindow* window, QPoint globalStart);

// Asks an X11 window manager to activate `window` (raise it and give it the focus) as a pager
// or task bar does for a window the user picked, which focus-stealing prevention lets through.
// Nothing when the program does not run on X11 or the window manager does not offer it.
void ActivateX11Window(QWindow* window);
// The same for a window of any program, by its X11 id.
void ActivateX11WindowId(quint32 id);
// The window the X11 window manager calls active (_NET_ACTIVE_WINDOW); 0 when none or not on X11.
quint32 ActiveX11WindowId();

// Asks an X11 window manager to put `window` above the others without giving it the focus, as a
// pager does (_NET_RESTACK_WINDOW; without it, a plain restack request). Nothing when the
// program does not run on X11.
void RaiseX11Window(QWindow* window);
