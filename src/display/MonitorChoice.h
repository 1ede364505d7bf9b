#pragma once
// Which monitor the full-screen window covers: the choice kept in config.ini, the items of the
// menu that changes it, and the connected monitors as Qt reports them. Nothing here touches a
// window.
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class ConfigFile;
class QScreen;

// A connected monitor.
struct Monitor {
    QString name;     // the output's name ("HDMI-1")
    QRect geometry;   // its place on the desktop, in the pixels windows are placed in
    QSize resolution; // its size in device pixels
    QString manufacturer = {}, model = {}; // as the monitor reports them; empty where unknown
    QString place = {}; // "左", "中", "右" (or "上", "中", "下" for monitors stacked), untranslated
};

// The outputs of XWayland (an X11 program on a Wayland desktop), named "XWAYLAND0",
// "XWAYLAND1"… in an order that may change from one start to the next: no name a person knows.
bool XWaylandMonitor(const Monitor& monitor);
// Fills in each monitor's place beside the others: from left to right "左", "中"…, "右"; where
// all of them stand one above another, from the top "上", "中"…, "下". None for one monitor.
void PlaceMonitors(QList<Monitor>& monitors);
// What the choice of a monitor keeps: its name; for an XWayland output what identifies it to a
// person, its manufacturer, model and place ("Dell U2720Q 左", whatever the interface's
// language), or its name where that says nothing.
QString MonitorKey(const Monitor& monitor);

// "全屏显示器" and "主显示器", in the interface's language.
QString MonitorMenuTitle();
QString PrimaryMonitorItem();

// The index in `monitors` of the one to cover: the monitor whose key (MonitorKey), or else whose
// name, is `stored` (exactly) when one is connected, else `primary`. An empty name never
// matches: it means the primary.
int ChooseMonitor(const QList<Monitor>& monitors, int primary, const QString& stored);

// The menu item of a monitor: its name, two spaces, its resolution ("HDMI-1  1920×1080"); for an
// XWayland output its manufacturer, model and place (in the interface's language) in place of
// the name, and the resolution alone where none of them is known.
QString MonitorItemText(const Monitor& monitor);

struct MonitorMenuItem {
    QString text;
    QString name; // what choosing the item stores (MonitorKey): empty for the primary
    bool checked = false;
};
// "主显示器", then one item per monitor that has a name, in the order given. The item of the
// choice in effect is checked: the stored monitor when it is connected, else "主显示器".
QList<MonitorMenuItem> MonitorMenuItems(const QList<Monitor>& monitors, const QString& stored);

// The choice in [FullScreenSet] ScreenName; empty (the primary) when the key is missing or
// empty. Reading writes nothing.
QString ReadFullScreenMonitor(const ConfigFile& config);
// Keeps the choice, only when the user picks an item; an empty name is the primary.
bool WriteFullScreenMonitor(const ConfigFile& config, const QString& name);

// The connected monitors in Qt's order, placed (PlaceMonitors), and which of them is the primary
// (-1 when none is).
QList<Monitor> ConnectedMonitors(int* primary = nullptr);
// The screen the full-screen window covers for the stored choice; null only without screens.
QScreen* FullScreenScreen(const QString& stored);

// What stays on the chairperson's own monitor while the full-screen window shows: nothing when
// the full screen covers that monitor (one monitor), else the window the scheme shows after a
// start ("after start" 1: the toolbar) or the main window (any other choice).
enum class LaptopCompanion { None, MainWindow, Toolbar };
LaptopCompanion CompanionOfFullScreen(const QScreen* fullScreen, const QScreen* ownScreen, const QString& startState);
