// Start-up: loading the current scheme, a fresh config.ini, and the configuration error.
#include "support/TestApp.h"
#include "core/TimeText.h"

#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"
#include "windows/LabelColor.h"

#include <QAction>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

namespace {
// Every "section/key" in the file, in file order, with duplicates kept.
std::vector<QString> Keys(const QStringList& lines)
{
    std::vector<QString> keys;
    QString section;
    for (const QString& l : lines) {
        const QString t = l.trimmed();
        if (t.startsWith('[') && t.endsWith(']'))
            section = t.mid(1, t.size() - 2);
        else if (t.contains('='))
            keys.push_back(section + "/" + t.left(t.indexOf('=')).trimmed());
    }
    return keys;
}
} // namespace

TEST(Startup, FreshFileHoldsExactlyTheKeysReadAtStartWithTheirDefaults)
{
    TestApp t;
    ASSERT_TRUE(t.start());

    std::set<QString> expected = {"FangAnSelect/JsFangAnId", "JSSET1/JSHH", "JSSET1/JSMM", "JSSET1/JSSS",
                                  "WAVSET1/TSWAV", "WAVSET1/JSWAV", "COMMSET1/MaxToolsBar", "ColorSet1/Normal",
                                  "ColorSet1/ToolsBar", "ColorSet1/FullScreen", "InfoPicSet/ShowInfoPic",
                                  "InfoTxtSet/ShowinfoTxt"};
    for (int i = 1; i <= 5; ++i)
        for (const char* w : {"TSHH", "TSMM", "TSSS"})
            expected.insert(QString("TSSET1/%1%2").arg(w).arg(i));
    for (int k = 1; k <= 11; ++k)
        for (const char* w : {"HotKeySetA", "HotKeySetB", "HotKeyDesc"})
            expected.insert(QString("COMMSET/%1%2").arg(w).arg(k));

    const std::vector<QString> keys = Keys(t.w.iniLines());
    EXPECT_EQ(std::set<QString>(keys.begin(), keys.end()), expected);
    EXPECT_EQ(keys.size(), expected.size()) << "a key was written twice";

    EXPECT_EQ(t.ini("FangAnSelect", "JsFangAnId"), "1");
    EXPECT_EQ(t.ini("JSSET1", "JSSS"), "30");
    EXPECT_EQ(t.ini("TSSET1", "TSMM3"), "00");
    EXPECT_EQ(t.ini("WAVSET1", "TSWAV"), t.w.path("wav/提示音.wav"));
    EXPECT_EQ(t.ini("WAVSET1", "JSWAV"), t.w.path("wav/终止音.wav"));
    EXPECT_EQ(t.ini("COMMSET1", "MaxToolsBar"), "No");
    EXPECT_EQ(t.ini("ColorSet1", "ToolsBar"), "65535");
    EXPECT_TRUE(t.w.iniBytes().contains("\r\n"));
}

TEST(Startup, FreshStartShowsSchemeOneIdleInTheMainWindow)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    App& a = *t.app;
    EXPECT_EQ(t.m().FangAnId(), 1);
    EXPECT_EQ(t.m().TimeLenText, "00:00:30");
    EXPECT_EQ(t.m().TimeLenSeconds, 30);
    EXPECT_EQ(t.m().CountDirection, 0);
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_EQ(a.mainForm().windowTitle(), "Horalto 计时方案1");
    EXPECT_EQ(a.mainForm().Label5->text(), "Horalto 计时方案1");
    EXPECT_EQ(a.fullScreenForm().Label1->text(), "Horalto 计时方案1");
    EXPECT_EQ(a.mainForm().TimeLen->text(), "00:00:30");
    for (QLabel* l : {static_cast<QLabel*>(a.mainForm().Showtime), static_cast<QLabel*>(a.toolsBarForm().Showtime),
                      static_cast<QLabel*>(a.toolsBarFormMax().Showtime), static_cast<QLabel*>(a.fullScreenForm().Showtime)})
        EXPECT_EQ(l->text(), "00:00:30");
    EXPECT_EQ(ForeColor(a.mainForm().Showtime), 255);
    EXPECT_EQ(ForeColor(a.toolsBarForm().Showtime), 65535);
    EXPECT_EQ(ForeColor(a.toolsBarFormMax().Showtime), 65535);
    EXPECT_EQ(ForeColor(a.fullScreenForm().Showtime), 16711935);
    EXPECT_EQ(a.mainForm().IsTime->text(), a.session.DateTimeText(t.w.clock.t));
    EXPECT_EQ(a.mainForm().StartTime->text(), "00:00:00");

    EXPECT_TRUE(a.mainForm().isVisible());
    EXPECT_FALSE(a.toolsBarForm().isVisible());
    EXPECT_FALSE(a.toolsBarFormMax().isVisible());
    EXPECT_FALSE(a.fullScreenForm().isVisible());
    EXPECT_TRUE(a.session.Timer1->isEnabled());
    EXPECT_FALSE(a.session.Timer2->isEnabled());

    MenuForm& menu = a.menuForm();
    EXPECT_TRUE(menu.MJsFa[1]->isChecked());
    EXPECT_FALSE(menu.MJsFa[2]->isChecked());
    EXPECT_FALSE(menu.MMaxToolsBar->isChecked());
    EXPECT_FALSE(menu.MBacktoMain->isVisible());
    EXPECT_FALSE(menu.MJishiPause->isEnabled());
    EXPECT_TRUE(menu.MJishiStart->isEnabled());
    EXPECT_EQ(a.mainForm().JishiPause->text(), "暂 停");
    EXPECT_FALSE(a.mainForm().JishiPause->isEnabled());
    EXPECT_TRUE(a.mainForm().JishiStart->isEnabled());
    EXPECT_TRUE(t.w.dialogs.warnings.empty());
    EXPECT_FALSE(t.w.end.ended());
}

TEST(Startup, UnusableValuesGiveTheConfigurationErrorAndEndWithoutAWindow)
{
    const std::vector<QStringList> files = {
        {"[JSSET1]", "JSHH=24"},
        {"[JSSET1]", "JSMM=60"},
        {"[JSSET1]", "JSSS=3O"},
        {"[TSSET1]", "TSMM2=ab"},
        {"[FangAnSelect]", "JsFangAnId=0"},
        {"[FangAnSelect]", "JsFangAnId=6"},
        {"[FangAnSelect]", "JsFangAnId=x"},
        {"[ColorSet1]", "Normal=red"},
        {"[JSSET1]", "JSFX=70000"},
    };
    for (const QStringList& lines : files) {
        TestApp t;
        EXPECT_FALSE(t.start(lines)) << lines.join(" ").toStdString();
        ASSERT_EQ(t.w.dialogs.warnings.size(), 1u) << lines.join(" ").toStdString();
        EXPECT_EQ(t.w.dialogs.warnings[0].title, "Horalto");
        EXPECT_EQ(t.w.dialogs.warnings[0].text, "配置文件错误！请删除程序目录下的 Config.ini 文件后重新运行！");
        EXPECT_EQ(t.w.end.statuses, std::vector<int>{1});
        EXPECT_FALSE(t.app->mainForm().isVisible());
        EXPECT_FALSE(t.app->fullScreenForm().isVisible());
        EXPECT_FALSE(t.app->toolsBarForm().isVisible());
    }
}

TEST(Startup, OneDigitSecondsAreShownAsRead)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=5"}));
    EXPECT_EQ(t.app->mainForm().TimeLen->text(), "00:00:5");
    EXPECT_EQ(t.app->mainForm().Showtime->text(), "00:00:5");
    EXPECT_EQ(t.app->toolsBarForm().Showtime->text(), "00:00:5");
    EXPECT_EQ(t.m().TimeLenSeconds, 5);
}

TEST(Startup, SchemeFromTheFileWithItsOwnSectionsAndCaseInsensitiveNames)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[fangANselect]", "jsfanganid = 4", "[jsset4]", "JSHH=01", "JSMM=02", "JSSS=03", "JSFX=1",
                         "[TSSET4]", "TSMM1=01", "[COLORSET4]", "Normal=65280", "[COMMSET4]", "MaxToolsBar=Yes"}));
    EXPECT_EQ(t.m().FangAnId(), 4);
    EXPECT_EQ(t.m().TimeLenSeconds, 3723);
    EXPECT_EQ(t.m().CountDirection, 1);
    EXPECT_EQ(t.m().PromptSeconds[0], 60);
    EXPECT_EQ(t.m().PromptTimes[0], "00:01:00");
    EXPECT_EQ(t.app->mainForm().windowTitle(), "Horalto 计时方案4");
    EXPECT_EQ(ForeColor(t.app->mainForm().Showtime), 65280);
    EXPECT_TRUE(t.app->menuForm().MJsFa[4]->isChecked());
    EXPECT_TRUE(t.app->menuForm().MMaxToolsBar->isChecked());
}

TEST(Startup, CountDirectionTwoLoads)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSFX=2"}));
    EXPECT_EQ(t.m().CountDirection, 2);
    EXPECT_TRUE(t.w.dialogs.warnings.empty());
}

TEST(TimeText, CounterTextHasAtLeastTwoDigitsPerPart)
{
    EXPECT_EQ(SecondsToTimeText(0), "00:00:00");
    EXPECT_EQ(SecondsToTimeText(65), "00:01:05");
    EXPECT_EQ(SecondsToTimeText(3600), "01:00:00");
    EXPECT_EQ(SecondsToTimeText(86399), "23:59:59");
    EXPECT_EQ(SecondsToTimeText(600), "00:10:00");
}

TEST(TimeText, TimeOfDayTextsConvertOrRaise)
{
    EXPECT_EQ(TimeTextToSeconds("00:00:30"), 30);
    EXPECT_EQ(TimeTextToSeconds("0:5:0"), 300);
    EXPECT_EQ(TimeTextToSeconds("23:59:59"), 86399);
    EXPECT_EQ(TimeTextToSeconds("00:00:00"), 0);
    for (const char* bad : {"24:00:00", "00:60:00", "00:00:60", "", "1:2", "a:b:c", "-1:00:00", "1:2:3:4", "00: 1:00", "+1:00:00"})
        EXPECT_THROW(TimeTextToSeconds(bad), ConfigError) << bad;
}

TEST(TimeText, SchemeNumbers)
{
    EXPECT_EQ(SchemeNumberFromText("3"), 3);
    EXPECT_EQ(SchemeNumberFromText(" 2 "), 2);
    EXPECT_EQ(SchemeNumberFromText("0"), 0);
    EXPECT_THROW(SchemeNumberFromText("x"), ConfigError);
    EXPECT_THROW(SchemeNumberFromText("99999"), ConfigError);
}
