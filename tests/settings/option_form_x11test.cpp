// The settings dialog and the real global hotkeys (XCB key grabs on Xvfb): no hotkey acts while
// the dialog is open, and every hotkey acts again after it closes, as the file then holds them.
#include "app/App.h"
#include "platform/hotkeys/X11Hotkeys.h"
#include "settings/OptionForm.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
void Key(const QString& keys)
{
    QProcess::execute("xdotool", {"key", keys});
}
} // namespace

TEST(OptionFormOnX11, NoHotkeyWhileOpenAndAllAfterClosing)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run through tests/xsession.sh";
    FakeWorld w;
    X11Hotkeys keys;
    Services services{w.clock, w.random, w.sound, w.dialogs, w.dir, w.end, keys, w.timers, w.events, w.programs, w.screenSaver,
                      w.records, w.desktop, w.remote, w.qtTexts};
    App app(services);
    ASSERT_TRUE(app.Start());
    Key("KP_2"); // the keys act before the dialog opens
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.session.FangAnId() == 2; }, 3000)) << "hotkeys do not work at all";

    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* f = qobject_cast<OptionForm*>(QApplication::activeModalWidget());
        if (!f)
            return;
        opened = true;
        Key("KP_3");
        Key("F5");
        QTest::qWait(600);
        EXPECT_EQ(app.session.FangAnId(), 2) << "a scheme hotkey acted while the dialog was open";
        EXPECT_FALSE(app.session.IsTiming()) << "the start hotkey acted while the dialog was open";
        // The start key is moved to F7 by hand meanwhile.
        app.config.WriteIniText("COMMSET", "HotKeySetB1", "118");
        app.config.WriteIniText("COMMSET", "HotKeyDesc1", "F7");
        f->Command1->click();
    });
    app.ShowOptionForm(nullptr);
    ASSERT_TRUE(opened);

    Key("KP_4");
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.session.FangAnId() == 4; }, 3000)) << "Num4 after closing";
    Key("F7");
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.session.IsTiming(); }, 3000)) << "the start key as the file holds it";
    Key("Pause");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !app.session.IsTiming(); }, 3000)) << "Pause after closing";
}
