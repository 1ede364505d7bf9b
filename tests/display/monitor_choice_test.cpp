#include "config/ConfigFile.h"
#include "display/MonitorChoice.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace {
std::string text(const QStringList& lines) { return lines.join(" | ").toStdString(); }
const Monitor laptop{"DP-1", QRect(0, 0, 1280, 800), QSize(1280, 800)};
const Monitor projector{"HDMI-1", QRect(1280, 0, 1920, 1080), QSize(1920, 1080)};
const Monitor unnamed{"", QRect(0, 800, 800, 600), QSize(1600, 1200)};
} // namespace

TEST(MonitorChoice, TheStoredMonitorWhenConnectedElseThePrimary)
{
    struct Case { QList<Monitor> monitors; int primary; QString stored; int chosen; } const cases[] = {
        {{laptop, projector}, 0, "", 0},
        {{laptop, projector}, 0, "HDMI-1", 1},
        {{projector, laptop}, 1, "HDMI-1", 0},
        {{laptop, projector}, 1, "DP-1", 0},
        {{laptop, projector}, 0, "VGA-9", 0},  // not connected
        {{laptop, projector}, 1, "hdmi-1", 1}, // names are exact
        {{unnamed, laptop}, 1, "", 1},         // "" is the primary, never an unnamed monitor
        {{laptop}, -1, "VGA-9", 0},
        {{}, -1, "HDMI-1", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseMonitor(c.monitors, c.primary, c.stored), c.chosen) << c.stored.toStdString() << " " << c.primary;
}

TEST(MonitorChoice, MenuListsThePrimaryThenEveryNamedMonitorAndChecksTheChoiceInEffect)
{
    const QList<Monitor> monitors{laptop, unnamed, projector};
    struct Case { QString stored; QList<bool> checked; } const cases[] = {
        {"", {true, false, false}},
        {"HDMI-1", {false, false, true}},
        {"DP-1", {false, true, false}},
        {"VGA-9", {true, false, false}},
    };
    for (const Case& c : cases) {
        const QList<MonitorMenuItem> items = MonitorMenuItems(monitors, c.stored);
        QStringList texts, names;
        QList<bool> checked;
        for (const MonitorMenuItem& item : items) {
            texts << item.text;
            names << item.name;
            checked << item.checked;
        }
        EXPECT_EQ(text(texts), text(QStringList({"主显示器", "DP-1  1280×800", "HDMI-1  1920×1080"})));
        EXPECT_EQ(text(names), text(QStringList({"", "DP-1", "HDMI-1"})));
        EXPECT_EQ(checked, c.checked) << c.stored.toStdString();
    }
}

TEST(MonitorChoice, ReadingLeavesAnOldFileAsItIsAndPickingWritesItsOwnSection)
{
    FakeWorld w;
    const ConfigFile config(w.dir);
    EXPECT_EQ(ReadFullScreenMonitor(config).toStdString(), "");
    EXPECT_TRUE(w.iniBytes().isEmpty()) << "no file is made by reading";
    w.writeIni({"[SET]", "FangAn=1", "[JSSET1]", "BT=计时"});
    const QByteArray old = w.iniBytes();
    EXPECT_EQ(ReadFullScreenMonitor(config).toStdString(), "");
    EXPECT_EQ(w.iniBytes(), old);

    ASSERT_TRUE(WriteFullScreenMonitor(config, "HDMI-1"));
    EXPECT_TRUE(w.iniBytes().startsWith(old));
    EXPECT_EQ(text(w.iniLines().mid(4)), text(QStringList({"[FullScreenSet]", "ScreenName=HDMI-1"})));
    EXPECT_EQ(ReadFullScreenMonitor(config).toStdString(), "HDMI-1");
    ASSERT_TRUE(WriteFullScreenMonitor(config, ""));
    EXPECT_EQ(ReadFullScreenMonitor(config).toStdString(), "");
    EXPECT_EQ(text(w.iniLines().mid(4, 2)), text(QStringList({"[FullScreenSet]", "ScreenName="})));
}

TEST(MonitorChoice, XWaylandOutputsShowAndKeepTheirMakeModelAndPlace)
{
    const Monitor dell{"XWAYLAND1", QRect(0, 0, 1280, 800), QSize(1280, 800), "Dell", "U2720Q"};
    const Monitor other{"XWAYLAND0", QRect(1280, 0, 1920, 1080), QSize(1920, 1080)};
    QList<Monitor> monitors{other, dell};
    PlaceMonitors(monitors);
    QStringList texts;
    for (const MonitorMenuItem& item : MonitorMenuItems(monitors, "Dell U2720Q 左"))
        texts << item.text + "=" + item.name + (item.checked ? "*" : "");
    EXPECT_EQ(text(texts), "主显示器= | 右  1920×1080=右 | Dell U2720Q 左  1280×800=Dell U2720Q 左*");
    // Started again, XWayland numbers them the other way round; a name kept earlier still counts.
    QList<Monitor> again{{"XWAYLAND0", dell.geometry, dell.resolution, "Dell", "U2720Q"}, {"XWAYLAND1", other.geometry, other.resolution}};
    PlaceMonitors(again);
    for (const auto& [stored, chosen] : {std::pair<QString, int>{"右", 1}, {"Dell U2720Q 左", 0}, {"XWAYLAND1", 1}})
        EXPECT_EQ(ChooseMonitor(again, 0, stored), chosen) << stored.toStdString();
}
