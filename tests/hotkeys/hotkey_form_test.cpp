// The hotkey dialog on the whole program with test doubles: keys pressed in its rows with QTest
// (synthesized events, so Qt's key codes decide), saving, cancelling, and the hotkeys suspended
// while it is open.
#include "support/TestApp.h"

#include "hotkeys/HotKeyForm.h"
#include "hotkeys/HotKeys.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

namespace {
bool WithHotKeyForm(TestApp& t, const std::function<void(HotKeyForm&)>& act)
{
    return WithModal<HotKeyForm>([&] { t.app->ShowHotKeyForm(&t.app->mainForm()); }, act);
}
} // namespace

TEST(HotKeyForm, KeysPressedInTheRowsAreShownStoredOnSaveAndRegistered)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(WithHotKeyForm(t, [&](HotKeyForm& f) {
        EXPECT_TRUE(t.w.hotkeys.registered.empty()); // suspended while open
        EXPECT_EQ(f.Text1[1]->text(), "F5");

        // Shown while the key is down, then after its release with what the row holds.
        struct Case { int row; Qt::Key key; Qt::KeyboardModifiers mods; const char* down; const char* shown; const char* setA; const char* setB; };
        const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        const Case cases[] = {
            {1, Qt::Key_A, all, "Shift+Ctrl+Alt+A", "Shift+Ctrl+Alt+A", "Shift+Ctrl+Alt", "65"},
            {2, Qt::Key_Return, {}, "", "NotSet", "", "13"}, // no name
            {3, Qt::Key_Backspace, {}, "NotSet", "NotSet", "", "8"},
            {4, Qt::Key_Control, {}, "Ctrl+", "NotSet", "Ctrl", "17"},
            {5, Qt::Key_0, Qt::KeypadModifier, "Num0", "Num0", "", "96"},
            {6, Qt::Key_F12, {}, "F12", "F12", "", "123"},
            {7, Qt::Key_End, {}, "Eend", "Eend", "", "35"},
            {8, Qt::Key_Delete, Qt::KeypadModifier, "Num(.)", "Num(.)", "", "110"}, // keypad "." with NumLock off
            {9, Qt::Key_Backspace, Qt::ShiftModifier | Qt::ControlModifier, "NotSet", "NotSet", "Shift+Ctrl", "8"},
            {10, Qt::Key_F5, Qt::ControlModifier, "Ctrl+F5", "Ctrl+F5", "Ctrl", "116"},
        };
        for (const Case& c : cases) {
            QTest::keyPress(f.Text1[c.row], c.key, c.mods);
            EXPECT_EQ(f.Text1[c.row]->text(), c.down) << "row " << c.row;
            QTest::keyRelease(f.Text1[c.row], c.key, c.mods);
            const HotKeyRecord& r = t.m().HotKeys[c.row];
            EXPECT_EQ(QStringList({f.Text1[c.row]->text(), r.Desc, r.SetA, r.SetB}),
                      QStringList({c.shown, c.shown, c.setA, c.setB})) << "row " << c.row;
        }
        // Letters typed never become text: the box names the last key.
        QTest::keyClicks(f.Text1[11], "xyz");
        EXPECT_EQ(f.Text1[11]->text(), "Z");
        f.Command1->click();
    }));

    EXPECT_EQ(t.ini("COMMSET", "HotKeySetA1"), "Shift+Ctrl+Alt");
    EXPECT_EQ(t.ini("COMMSET", "HotKeySetB1"), "65");
    EXPECT_EQ(t.ini("COMMSET", "HotKeyDesc3"), "NotSet");
    const Grabs expected = {{1, {7, 65}}, {5, {0, 96}}, {6, {0, 123}}, {7, {0, 35}},
                            {8, {0, 110}}, {10, {2, 116}}, {11, {0, 90}}};
    EXPECT_EQ(Registered(t.w.hotkeys), expected);
    EXPECT_EQ(t.app->menuForm().CommandItem(CommandId(3))->text(), "工具条模式");
    EXPECT_EQ(t.app->menuForm().CommandItem(CommandId(1))->text(), "计时" + QString(5, QChar(0x3000)) + "Shift+Ctrl+Alt+A");
    t.w.hotkeys.press(10); // the hotkeys act again: scheme 4
    EXPECT_EQ(t.m().FangAnId(), 4);
}

TEST(HotKeyForm, CancelAndTheClosePictureLeaveTheFileAsItWasAndRestoreTheHotkeys)
{
    for (const bool closePicture : {false, true}) {
        TestApp t;
        ASSERT_TRUE(t.start({"[COMMSET]", "HotKeySetA2=Ctrl", "HotKeySetB2=117", "HotKeyDesc2=Ctrl+F6"}));
        const QByteArray before = t.w.iniBytes();
        const Grabs grabs = Registered(t.w.hotkeys);
        EXPECT_TRUE(WithHotKeyForm(t, [&](HotKeyForm& f) {
            QTest::keyClick(f.Text1[1], Qt::Key_F11);
            QTest::keyClick(f.Text1[2], Qt::Key_Backspace);
            if (closePicture) {
                QTest::mousePress(f.Image1.shown, Qt::LeftButton);
                EXPECT_EQ(f.Image1.state, 3);
                QTest::mouseRelease(f.Image1.shown, Qt::LeftButton);
            } else {
                f.Command2->click();
            }
            EXPECT_FALSE(f.isVisible());
        }));
        EXPECT_EQ(t.w.iniBytes(), before) << (closePicture ? "close picture" : "cancel");
        EXPECT_EQ(Registered(t.w.hotkeys), grabs);
        EXPECT_EQ(grabs.at(2), std::make_pair(2, 117));
    }
}

// A key still held when the user clicks elsewhere: its row settles as the release would, so the
// row, the table and the file agree.
TEST(HotKeyForm, ARowLeftWithItsKeyStillDownSettlesAsOnRelease)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(WithHotKeyForm(t, [&](HotKeyForm& f) {
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        f.Text1[6]->setFocus();
        QTest::keyPress(f.Text1[6], Qt::Key_Control);
        f.Command1->setFocus();
        EXPECT_EQ(f.Text1[6]->text(), "NotSet");
        f.Command1->click();
    }));
    EXPECT_EQ(t.ini("COMMSET", "HotKeyDesc6"), "NotSet");
    EXPECT_EQ(t.w.hotkeys.registered.count(6), 0u);
}

// One combination acts for one row only: a save with rows that share one names them, keeps them
// marked until they differ, and writes nothing.
TEST(HotKeyForm, RowsSharingACombinationAreNamedAndMarkedAndNothingIsSaved)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    const QByteArray before = t.w.iniBytes();
    EXPECT_TRUE(WithHotKeyForm(t, [&](HotKeyForm& f) {
        auto marked = [&f] { return QString("%1%2%3").arg(f.RowMarked(1)).arg(f.RowMarked(4)).arg(f.RowMarked(5)); };
        QTest::keyClick(f.Text1[4], Qt::Key_F5);
        f.Command1->click();
        ASSERT_EQ(t.w.dialogs.warnings.size(), 1u);
        EXPECT_EQ(t.w.dialogs.warnings[0].text, "下列各行设置了相同的热键，请修改后再保存：\n开始计时、全屏幕模式：F5");
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(t.w.iniBytes(), before);
        EXPECT_EQ(marked(), "110");
        QTest::keyClick(f.Text1[4], Qt::Key_F5, Qt::ControlModifier);
        EXPECT_EQ(marked(), "000");
        f.Command1->click();
    }));
    EXPECT_EQ(t.ini("COMMSET", "HotKeyDesc4"), "Ctrl+F5");
}
