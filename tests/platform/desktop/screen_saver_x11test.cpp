#include "platform/desktop/DesktopScreenSaver.h"
#include "support/SessionBus.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

namespace {

// Whether the X server's screen saver is on now, as the extension reports it.
bool saverOn(xcb_connection_t* c, xcb_window_t root)
{
    auto* info = xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, root), nullptr);
    const bool on = info && info->state == XCB_SCREENSAVER_STATE_ON;
    std::free(info);
    return on;
}

} // namespace

// No screen-saver service: the X server's own screen saver, set to start after one idle second,
// stays off while held and starts again once released.
TEST(DesktopScreenSaverOnX11, SuspendsTheXScreenSaverWhileHeld)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run through tests/xsession.sh";
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(c), 0);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_set_screen_saver(c, 1, 0, XCB_BLANKING_PREFERRED, XCB_EXPOSURES_ALLOWED);
    PrivateSessionBus bus; // with nothing on it
    ASSERT_FALSE(bus.address().isEmpty());
    for (const QString& address : {bus.address(), QString()}) {
        SCOPED_TRACE(address.toStdString());
        xcb_force_screen_saver(c, XCB_SCREEN_SAVER_RESET);
        xcb_flush(c);
        DesktopScreenSaver s(address);
        s.setHeld(true);
        s.settle();
        for (int i = 0; i < 25; ++i) { // 2.5 idle seconds
            QTest::qWait(100);
            ASSERT_FALSE(saverOn(c, root)) << "after " << (i + 1) * 100 << " ms";
        }
        s.setHeld(false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return saverOn(c, root); }, 5000));
    }
    xcb_disconnect(c);
}
