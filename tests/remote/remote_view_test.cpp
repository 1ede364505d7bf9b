// The "远程显示" dialog and the settings behind it, on a recording page server: off by default
// with config.ini untouched, each change written and applied at once, and control commands
// refused while a dialog holds the hotkeys off.
#include "remote/RemoteView.h"
#include "remote/RemoteViewForm.h"
#include "settings/OptionForm.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

TEST(RemoteView, OffUntilTheUserSwitchesItOnThenEveryChangeIsKeptAndApplied)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    const QByteArray before = t.w.iniBytes();
    EXPECT_TRUE(t.w.remote.starts.empty());
    const QString key1 = QString("01").repeated(16), key2 = QString("02").repeated(16); // the fake's secrets

    const bool shown = WithModal<RemoteViewForm>([&] { t.app->Run(CommandId::RemoteView); }, [&](RemoteViewForm& f) {
        EXPECT_FALSE(f.Check1->isChecked());
        EXPECT_EQ(f.StateLabel->text(), "未开启：不打开任何端口");
        EXPECT_EQ(t.w.iniBytes(), before) << "opening the dialog writes nothing";

        f.Check1->click();
        EXPECT_EQ(t.ini("RemoteView", "Enabled"), "1");
        EXPECT_EQ(t.ini("RemoteView", "ControlKey"), key1);
        EXPECT_EQ(t.ini("RemoteView", "Port"), "") << "the default port is not written";
        EXPECT_EQ(t.w.remote.starts, std::vector<quint16>{8750});
        EXPECT_EQ(f.StateLabel->text(), "正在端口 8750 提供计时页面");
        EXPECT_EQ(f.ControlAddressLabel->text(), "http://192.168.1.20:8750/control?key=" + key1);

        t.w.remote.startAnswer = "端口 9000 已被占用，请换一个端口";
        f.PortBox->setValue(9000);
        EXPECT_EQ(t.ini("RemoteView", "Port"), "9000");
        EXPECT_EQ(f.StateLabel->text(), t.w.remote.startAnswer);
        EXPECT_FALSE(f.NewKeyButton->isEnabled());

        t.w.remote.startAnswer.clear();
        t.w.remote.hosts = {};
        f.PortBox->setValue(9001);
        EXPECT_EQ(f.StateLabel->text(), "本机没有连接网络：只有本机能打开计时页面");
        f.NewKeyButton->click();
        EXPECT_EQ(t.ini("RemoteView", "ControlKey"), key2);
        EXPECT_EQ(t.w.remote.key, key2.toLatin1());

        // A control page's command acts while this dialog is open (it leaves the hotkeys on).
        EXPECT_TRUE(t.w.remote.commands->runRemoteCommand(int(CommandId::Start)));
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(t.m().Phase(), TimingPhase::Running);

    // The next start serves again, with the stored port and key.
    TestApp again;
    again.w.writeIni(t.w.iniLines());
    ASSERT_TRUE(again.start());
    EXPECT_EQ(again.w.remote.starts, std::vector<quint16>{9001});
    EXPECT_EQ(again.w.remote.key, key2.toLatin1());
    ASSERT_FALSE(again.w.remote.published.empty());
    EXPECT_EQ(again.w.remote.published.back().counter, again.m().CounterText());
}

TEST(RemoteView, ControlCommandsActOnlyAsAHotkeyWould)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[RemoteView]", "Enabled=1"}));
    ASSERT_NE(t.w.remote.commands, nullptr);
    EXPECT_EQ(t.ini("RemoteView", "ControlKey").size(), 32) << "a missing key is made at the start";
    RemoteCommands& remote = *t.w.remote.commands;
    EXPECT_TRUE(WithModal<OptionForm>([&] { t.app->Run(CommandId::Setup); },
                                      [&](OptionForm&) { EXPECT_FALSE(remote.runRemoteCommand(int(CommandId::Start))); }));
    EXPECT_EQ(t.m().Phase(), TimingPhase::Idle);
    EXPECT_TRUE(remote.runRemoteCommand(int(CommandId::Start)));
    EXPECT_FALSE(remote.runRemoteCommand(int(CommandId::Start))) << "not offered while running";
    EXPECT_FALSE(remote.runRemoteCommand(int(CommandId::Exit))) << "not a remote command";
    EXPECT_EQ(t.m().Phase(), TimingPhase::Running);
}
