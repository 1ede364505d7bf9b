#include "display/MonitorChoice.h"

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
int namedIndex(const QList<Monitor>& monitors, const QString& name)
{
    if (name.isEmpty())
        return -1;
    for (int i = 0; i < monitors.size(); ++i)
        if (monitors[i].name == name)
            return i;
    return -1;
}
} // namespace

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
    return QStringLiteral("%1  %2×%3").arg(monitor.name).arg(monitor.resolution.width()).arg(monitor.resolution.height());
}

QList<MonitorMenuItem> MonitorMenuItems(const QList<Monitor>& monitors, const QString& stored)
{
    const int named = namedIndex(monitors, stored);
    QList<MonitorMenuItem> items{{PrimaryMonitorItem(), QString(), named < 0}};
    for (int i = 0; i < monitors.size(); ++i)
        if (!monitors[i].name.isEmpty())
            items.push_back({MonitorItemText(monitors[i]), monitors[i].name, i == named});
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
        monitors.push_back({s->name(), g, QSize(qRound(g.width() * dpr), qRound(g.height() * dpr))});
    }
    return monitors;
}

QScreen* FullScreenScreen(const QString& stored)
{
    int primary = -1;
    const int i = ChooseMonitor(ConnectedMonitors(&primary), primary, stored);
    return i < 0 ? nullptr : QGuiApplication::screens().at(i);
}
