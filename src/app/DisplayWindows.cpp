// The display windows of the three modes (the main window, a toolbar strip, the full-screen
// window), the window shake and the window brought to the front.
#include "app/App.h"
#include "config/ConfigKeys.h"
#include "core/Twips.h"
#include "display/MonitorChoice.h"
#include "platform/desktop/X11WindowMove.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {
// Restacks a window above the others once the window manager has mapped it: a window mapped
// without the focus is placed below the focused one (openbox), and a request made before the
// map would be undone by that placement.
class RaiseOnExpose : public QObject {
public:
    explicit RaiseOnExpose(QWindow* window) : QObject(window) { window->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* window = static_cast<QWindow*>(watched);
        if (e->type() == QEvent::Expose && window->isExposed()) {
            RaiseX11Window(window);
            deleteLater();
        }
        return false;
    }
};

// Shows a display window above the others. It takes the keyboard focus only when `focus` says
// so; otherwise the window manager is told to leave the focus where it is.
void ShowOnTop(QWidget& w, bool focus = false)
{
    w.setAttribute(Qt::WA_ShowWithoutActivating, !focus);
    // Qt keeps the request on the native window once made: say it anew each time.
    if (QWindow* native = w.windowHandle())
        native->setProperty("_q_showWithoutActivating", !focus);
    const bool shown = w.isVisible();
    w.show();
    w.raise();
    if (focus) {
        w.activateWindow();
    } else if (QWindow* native = w.windowHandle()) {
        // Above the window that keeps the focus (the slides), now or once mapped.
        if (shown && native->isExposed())
            RaiseX11Window(native);
        else if (!native->findChild<RaiseOnExpose*>(QString(), Qt::FindDirectChildrenOnly))
            new RaiseOnExpose(native);
    }
}

// A mode switch made in one of the program's own windows (a click, its menu) may move the
// focus to the new display window; one by a hotkey, the command line or a phone, while
// another program has the focus, leaves it there: the presenter's next key goes to the slides.
bool FocusIsOurs()
{
    return QApplication::activeWindow() != nullptr || QApplication::activePopupWidget() != nullptr;
}
} // namespace

void App::ShowToolbar(bool large)
{
    // The strip never takes the focus (see ToolsBarForm).
    ShowOnTop(large ? toolsBarFormMax() : toolsBarForm());
    if (ToolbarBuilt(!large))
        (large ? toolsBarForm() : toolsBarFormMax()).hide();
}

void App::ShowModeWindows(DisplayMode mode)
{
    // Windows not built yet are not shown and need no hiding.
    auto hideToolbars = [this] {
        if (toolsBarForm_)
            toolsBarForm_->hide();
        if (toolsBarFormMax_)
            toolsBarFormMax_->hide();
    };
    switch (mode) {
    case DisplayMode::Main: {
        hideToolbars();
        if (fullScreenForm_)
            fullScreenForm_->hide();
        MainForm& f = mainForm();
        f.setWindowState(Qt::WindowNoState);
        ShowOnTop(f, FocusIsOurs());
        break;
    }
    case DisplayMode::Toolbar:
        ShowToolbar(session.LargeToolbarChosen());
        if (fullScreenForm_)
            fullScreenForm_->hide();
        mainForm().hide();
        break;
    case DisplayMode::FullScreen: {
        FullScreenForm& fs = fullScreenForm();
        fs.PlaceOnChosenMonitor(); // monitors may have come or gone while it was hidden
        ShowOnTop(fs, FocusIsOurs());
        // The full screen on the projector: the laptop keeps a counter for the chairperson.
        MainForm& main = mainForm();
        QScreen* own = QGuiApplication::screenAt(main.geometry().center());
        const QString scheme = IniSection::COMMSET + QString::number(session.FangAnId());
        const QString startState = config.PeekIniText(scheme, IniKey::STARTSTATE).value_or(QString());
        switch (CompanionOfFullScreen(fs.PlacedScreen(), own ? own : QGuiApplication::primaryScreen(), startState)) {
        case LaptopCompanion::None:
            hideToolbars();
            main.hide();
            break;
        case LaptopCompanion::MainWindow:
            hideToolbars();
            main.setWindowState(Qt::WindowNoState);
            ShowOnTop(main);
            break;
        case LaptopCompanion::Toolbar:
            ShowToolbar(config.PeekIniText(scheme, IniKey::MaxToolsBar).value_or(QString()) == QLatin1String("Yes"));
            main.hide();
            break;
        }
        break;
    }
    }
}

void App::ShakeWindows(int cycles)
{
    // 50 twips, rounded to whole pixels. The full-screen window never moves.
    constexpr int step = Twips(50);
    QWidget* windows[] = {mainForm_.get(), toolsBarForm_.get(), toolsBarFormMax_.get()};
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (QWidget* w : windows) {
            if (!w || !w->isVisible())
                continue;
            w->move(w->x(), w->y() + step);
            w->move(w->x() + step, w->y());
            w->move(w->x(), w->y() - step);
            w->move(w->x() - step, w->y());
        }
    }
}

void App::BringToFront()
{
    QWidget* w = nullptr;
    switch (session.Mode()) {
    case DisplayMode::Main: w = &mainForm(); break;
    case DisplayMode::Toolbar:
        w = session.LargeToolbarChosen() ? &toolsBarFormMax() : &toolsBarForm();
        break;
    case DisplayMode::FullScreen: w = &fullScreenForm(); break;
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        w = modal;
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
    ActivateX11Window(w->windowHandle());
}

void App::PlaceFullScreen()
{
    // Placed anew, with what the laptop keeps beside it.
    if (FullScreenBuilt() && fullScreenForm().isVisible() && session.Mode() == DisplayMode::FullScreen)
        ShowModeWindows(DisplayMode::FullScreen);
}
