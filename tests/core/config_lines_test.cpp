// The exact lines of config.ini after whole sequences of actions: which keys a fresh file gains,
// in which order, with which values. The program directory is written as "<dir>".
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace {
struct Session : TestApp {
    QStringList lines() const
    {
        QStringList out = w.iniLines();
        for (QString& l : out)
            l.replace(w.tmp.path(), "<dir>");
        while (!out.isEmpty() && out.last().isEmpty())
            out.removeLast();
        return out;
    }
    void tick(int n)
    {
        for (int i = 0; i < n; ++i) {
            w.clock.advance(1);
            timer(1000)->fire();
        }
    }
};

// The timing-length and prompt sections of scheme n as a fresh file gets them.
QStringList Length(int n)
{
    return {QString("[JSSET%1]").arg(n), "JSHH=00", "JSMM=00", "JSSS=30"};
}
QStringList Prompts(int n, const QString& skip = {})
{
    QStringList l{QString("[TSSET%1]").arg(n)};
    for (int k = 1; k <= 5; ++k)
        for (const char* w : {"TSHH", "TSMM", "TSSS"})
            if (QString("%1%2").arg(w).arg(k) != skip)
                l << QString("%1%2=00").arg(w).arg(k);
    return l;
}
QStringList Sounds(int n)
{
    return {QString("[WAVSET%1]").arg(n), "TSWAV=<dir>/wav/提示音.wav", "JSWAV=<dir>/wav/终止音.wav"};
}
QStringList Colors(int n)
{
    return {QString("[ColorSet%1]").arg(n), "Normal=255", "ToolsBar=65535", "FullScreen=16711935"};
}
QStringList HotKeyLines()
{
    const char* keys[12][2] = {{}, {"116", "F5"}, {"117", "F6"}, {"118", "F7"}, {"119", "F8"}, {"120", "F9"},
                               {"19", "Pause"}, {"97", "Num1"}, {"98", "Num2"}, {"99", "Num3"}, {"100", "Num4"},
                               {"101", "Num5"}};
    QStringList l{"[COMMSET]"};
    for (int id = 1; id <= 11; ++id)
        l << QString("HotKeySetA%1=").arg(id) << QString("HotKeySetB%1=%2").arg(id).arg(keys[id][0])
          << QString("HotKeyDesc%1=%2").arg(id).arg(keys[id][1]);
    return l;
}
const QStringList kInfo = {"[InfoTxtSet]", "ShowinfoTxt=Horalto 计时器 —— 由 Horalto 开发组设计制作"};
} // namespace

TEST(ConfigLines, FreshStart)
{
    Session t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.lines(), (QStringList({"[FangAnSelect]", "JsFangAnId=1", "[InfoPicSet]", "ShowInfoPic=No"}) + kInfo
                             + QStringList{"[COMMSET1]", "MaxToolsBar=No"} + Length(1) + Prompts(1) + Sounds(1)
                             + HotKeyLines() + Colors(1)));
}

TEST(ConfigLines, TimingEndingInFullScreenWithTheInformationPicture)
{
    Session t;
    ASSERT_TRUE(t.start({"[COMMSET1]", "FINSHSTATE=2", "[InfoPicSet]", "ShowInfoPic=Yes", "[JSSET1]", "JSSS=03"}));
    t.w.hotkeys.press(1);
    t.tick(5);
    EXPECT_EQ(t.lines(), (QStringList({"[COMMSET1]", "FINSHSTATE=2", "MaxToolsBar=No", "STARTSTATE=3", "DouDong=No",
                                      "[InfoPicSet]", "ShowInfoPic=Yes", "ShowInfoPicName=InfoPic.jpg", "[JSSET1]",
                                      "JSSS=03", "JSHH=00", "JSMM=00", "[FangAnSelect]", "JsFangAnId=1"})
                             + kInfo + Prompts(1) + Sounds(1) + HotKeyLines() + Colors(1)));
    EXPECT_EQ(t.w.sound.played, QStringList{t.w.path("wav/终止音.wav")});
    EXPECT_EQ(t.w.events.calls, 2);
}

TEST(ConfigLines, PromptTickWithoutTheShakeKey)
{
    Session t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSSS=05", "[TSSET1]", "TSSS2=03"}));
    t.w.hotkeys.press(1);
    t.tick(3);
    EXPECT_EQ(t.lines(), (QStringList({"[JSSET1]", "JSSS=05", "JSHH=00", "JSMM=00", "[TSSET1]", "TSSS2=03"})
                             + Prompts(1, "TSSS2").mid(1)
                             + QStringList{"[FangAnSelect]", "JsFangAnId=1", "[InfoPicSet]", "ShowInfoPic=No"}
                             + kInfo + QStringList{"[COMMSET1]", "MaxToolsBar=No", "STARTSTATE=3", "DouDong=No"}
                             + Sounds(1) + HotKeyLines() + Colors(1)));
    EXPECT_EQ(t.w.sound.played, QStringList{t.w.path("wav/提示音.wav")});
}

TEST(ConfigLines, SwitchToASchemeWithoutKeys)
{
    Session t;
    ASSERT_TRUE(t.start());
    t.w.hotkeys.press(9);
    EXPECT_EQ(t.lines(), (QStringList({"[FangAnSelect]", "JsFangAnId=3", "[InfoPicSet]", "ShowInfoPic=No"}) + kInfo
                             + QStringList{"[COMMSET1]", "MaxToolsBar=No"} + Length(1) + Prompts(1) + Sounds(1)
                             + HotKeyLines() + Colors(1) + QStringList{"[COMMSET3]", "MaxToolsBar=No"} + Length(3)
                             + Prompts(3) + Sounds(3) + Colors(3)));
}
