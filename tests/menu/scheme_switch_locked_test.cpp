// A locked config.ini (mode 444): the menu's switches act on what is in effect.
#include "support/TestApp.h"

#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/MainForm.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>

TEST(MenuLockedFile, SchemeSwitchTakesTheChosenSchemeAndTheMarksShowTheStoredValues)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[JSSET3]", "JSHH=01", "[COMMSET3]", "DouDong=Yes", "MaxToolsBar=No"}));
    MenuForm& menu = t.app->menuForm();
    QFile::setPermissions(t.w.iniPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray locked = t.w.iniBytes();

    menu.MJsFa_Click(3);
    EXPECT_EQ(t.m().FangAnId(), 3);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(menu.MJsFa[i]->isChecked(), i == 3) << i;
    EXPECT_EQ(t.app->mainForm().windowTitle(), "Horalto 计时方案3");
    EXPECT_EQ(t.app->mainForm().TimeLen->text(), "01:00:30");
    // Neither switch can be stored: each mark keeps showing the stored value, which is in effect.
    menu.MDouDong->trigger();
    EXPECT_TRUE(menu.MDouDong->isChecked());
    menu.MMaxToolsBar->trigger();
    EXPECT_FALSE(menu.MMaxToolsBar->isChecked());
    EXPECT_EQ(t.w.iniBytes(), locked);
    EXPECT_TRUE(t.w.dialogs.warnings.empty());
}
