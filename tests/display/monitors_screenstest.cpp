#include "display/MonitorChoice.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {
std::string text(const QStringList& lines) { return lines.join(" | ").toStdString(); }
} // namespace

// Two monitors from tests/support/two_monitors.json: "DP-1" 1280×800 at 0,0 (the primary) and
// "HDMI-1" 1920×1080 at 1280,0.
TEST(Monitors, ChoiceAndMenuFromTheConnectedScreens)
{
    int primary = -1;
    const QList<Monitor> monitors = ConnectedMonitors(&primary);
    ASSERT_EQ(monitors.size(), 2) << "run with QT_QPA_PLATFORM=offscreen:configfile=tests/support/two_monitors.json";
    ASSERT_EQ(QGuiApplication::primaryScreen()->name().toStdString(), "DP-1");
    EXPECT_EQ(monitors[primary].name.toStdString(), "DP-1");

    struct Case { QString stored; QString screen; QRect geometry; } const cases[] = {
        {"HDMI-1", "HDMI-1", QRect(1280, 0, 1920, 1080)},
        {"", "DP-1", QRect(0, 0, 1280, 800)},
        {"VGA-9", "DP-1", QRect(0, 0, 1280, 800)},
    };
    for (const Case& c : cases) {
        QScreen* s = FullScreenScreen(c.stored);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->name().toStdString(), c.screen.toStdString()) << c.stored.toStdString();
        EXPECT_EQ(s->geometry(), c.geometry) << c.stored.toStdString();
    }
    QStringList texts;
    for (const MonitorMenuItem& item : MonitorMenuItems(monitors, "HDMI-1"))
        texts << item.text + (item.checked ? " *" : "");
    EXPECT_EQ(text(texts), text(QStringList({"主显示器", "DP-1  1280×800", "HDMI-1  1920×1080 *"})));
}
