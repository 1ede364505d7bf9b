#include "display/MonitorChoice.h"

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>

namespace {
int namedIndex(const QList<Monitor>& monitors, const QString& name)
{
    if (name.isEmpty())
        return -1;
    for (int i = 0; i < monitors.size(); ++i)
        if (MonitorKey(monitors[i]) == name)
            return i;
    for (int i = 0; i < monitors.size(); ++i)
        if (monitors[i].name == name)
            return i;
    return -1;
}

// The manufacturer, model and place of an XWayland output, as far as they are known; the place
// in the interface's language or, for what is kept, as it stands.
QString Identity(const Monitor& m, bool translated)
{
    const QString place = translated && !m.place.isEmpty() ? QCoreApplication::translate("MonitorChoice", m.place.toUtf8().constData()) : m.place;
    return QStringList{m.manufacturer, m.model, place}.join(u' ').simplified();
}
} // namespace

bool XWaylandMonitor(const Monitor& monitor) { return monitor.name.startsWith(QLatin1String("XWAYLAND")); }

void PlaceMonitors(QList<Monitor>& monitors)
{
    if (monitors.size() < 2)
        return;
    // Across when the monitors' centres are not all in one column.
    const bool across = std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
        return m.geometry.center().x() != monitors.front().geometry.center().x();
    });
    auto at = [across](const Monitor& m) { return across ? m.geometry.center().x() : m.geometry.center().y(); };
    const auto [first, last] = std::minmax_element(monitors.begin(), monitors.end(),
                                                   [&](const Monitor& a, const Monitor& b) { return at(a) < at(b); });
    const int low = at(*first), high = at(*last);
    for (Monitor& m : monitors) {
        const char* word = at(m) == low ? (across ? QT_TRANSLATE_NOOP("MonitorChoice", "左") : QT_TRANSLATE_NOOP("MonitorChoice", "上"))
                         : at(m) == high ? (across ? QT_TRANSLATE_NOOP("MonitorChoice", "右") : QT_TRANSLATE_NOOP("MonitorChoice", "下"))
                                         : QT_TRANSLATE_NOOP("MonitorChoice", "中");
        m.place = QString::fromUtf8(word);
    }
}

QString MonitorKey(const Monitor& monitor)
{
    const QString identity = XWaylandMonitor(monitor) ? Identity(monitor, false) : QString();
    return identity.isEmpty() ? monitor.name : identity;
}

QString MonitorMenuTitle() { return QCoreApplication::translate("MonitorChoice", "全屏显示器"); }
QString PrimaryMonitorItem() { return QCoreApplication::translate("MonitorChoice", "主显示器"); }

int ChooseMonitor(const QList<Monitor>& monitors, int primary, const QString& stored)
{
    const int named = namedIndex(monitors, stored);
    if (named >= 0)
        return named;
    if (primary >= 0 && primary < monitors.size())
        return primary;
    return monitors.isEmpty() ? -1 : 0;
}

QString MonitorItemText(const Monitor& monitor)
{
    const QString size = QStringLiteral("%1×%2").arg(monitor.resolution.width()).arg(monitor.resolution.height());
    if (!XWaylandMonitor(monitor))
        return monitor.name + QStringLiteral("  ") + size;
    const QString identity = Identity(monitor, true);
    return identity.isEmpty() ? size : identity + QStringLiteral("  ") + size;
}

QList<MonitorMenuItem> MonitorMenuItems(const QList<Monitor>& monitors, const QString& stored)
{
    const int named = namedIndex(monitors, stored);
    QList<MonitorMenuItem> items{{PrimaryMonitorItem(), QString(), named < 0}};
    for (int i = 0; i < monitors.size(); ++i)
        if (!monitors[i].name.isEmpty())
            items.push_back({MonitorItemText(monitors[i]), MonitorKey(monitors[i]), i == named});
    return items;
}

QString ReadFullScreenMonitor(const ConfigFile& config)
{
    return config.PeekIniText(IniSection::FullScreenSet, IniKey::ScreenName).value_or(QString());
}

bool WriteFullScreenMonitor(const ConfigFile& config, const QString& name)
{
    return config.WriteIniText(IniSection::FullScreenSet, IniKey::ScreenName, name);
}

QList<Monitor> ConnectedMonitors(int* primary)
{
    QList<Monitor> monitors;
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (primary)
        *primary = int(screens.indexOf(QGuiApplication::primaryScreen()));
    for (QScreen* s : screens) {
        const QRect g = s->geometry();
        const qreal dpr = s->devicePixelRatio();
        monitors.push_back({s->name(), g, QSize(qRound(g.width() * dpr), qRound(g.height() * dpr)), s->manufacturer(), s->model()});
    }
    PlaceMonitors(monitors);
    return monitors;
}

QScreen* FullScreenScreen(const QString& stored)
{
    int primary = -1;
    const int i = ChooseMonitor(ConnectedMonitors(&primary), primary, stored);
    return i < 0 ? nullptr : QGuiApplication::screens().at(i);
}

LaptopCompanion CompanionOfFullScreen(const QScreen* fullScreen, const QScreen* ownScreen, const QString& startState)
{
    if (!fullScreen || !ownScreen || fullScreen == ownScreen)
        return LaptopCompanion::None;
    return startState == QLatin1String("1") ? LaptopCompanion::Toolbar : LaptopCompanion::MainWindow;
}
