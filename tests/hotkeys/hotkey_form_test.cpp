// The hotkey dialog on the whole program with test doubles: keys pressed in its rows with QTest
// (synthesized events, so Qt's key codes decide), saving, cancelling, and the hotkeys suspended
// while it is open.
#include "support/TestApp.h"

#include "hotkeys/HotKeyForm.h"
#include "hotkeys/HotKeys.h"
#include "windows/Control.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using Grabs = std::map<int, std::pair<int, int>>; // id -> (modifiers, virtual key)

Grabs Registered(const FakeHotkeys& h)
{
    Grabs g;
    for (const auto& [id, grab] : h.registered)
        g[id] = {grab.modifiers, grab.virtualKey};
    return g;
}

// Opens the dialog from the main window and runs `act` on it while it is open; the dialog is
// closed afterwards if `act` left it open.
void WithHotKeyForm(TestApp& t, const std::function<void(HotKeyForm&)>& act)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<HotKeyForm*>(QApplication::activeModalWidget());
        if (form) {
            ran = true;
            act(*form);
            if (form->isVisible())
                form->reject();
        } else if (QApplication::activeModalWidget()) {
            QApplication::activeModalWidget()->close();
        }
    });
    t.app->ShowHotKeyForm(&t.app->mainForm());
    EXPECT_TRUE(ran) << "the hotkey dialog did not open modally";
}

} // namespace

TEST(HotKeyForm, KeysPressedInTheRowsAreShownStoredOnSaveAndRegistered)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    const QString filledStart = QStringLiteral("计时") + QString(5, QChar(0x3000));

    WithHotKeyForm(t, [&](HotKeyForm& f) {
        // Suspended while open: nothing registered, a press reaches nothing.
        EXPECT_TRUE(t.w.hotkeys.registered.empty());
        EXPECT_EQ(t.w.hotkeys.handler, nullptr);
        EXPECT_EQ(f.Text1[1]->text(), "F5");
        EXPECT_EQ(f.windowTitle(), "全局快捷键设置");

        struct Case { int row; Qt::Key key; Qt::KeyboardModifiers mods; const char* shown; const char* setA; const char* setB; };
        const Case cases[] = {
            {1, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, "Shift+Ctrl+Alt+A", "Shift+Ctrl+Alt", "65"},
            {3, Qt::Key_Backspace, Qt::NoModifier, "NotSet", "", "8"},
            {5, Qt::Key_0, Qt::KeypadModifier, "Num0", "", "96"},
            {6, Qt::Key_F12, Qt::NoModifier, "F12", "", "123"},
            {7, Qt::Key_End, Qt::NoModifier, "Eend", "", "35"},
            {8, Qt::Key_Delete, Qt::KeypadModifier, "Num(.)", "", "110"}, // keypad "." with NumLock off
            {9, Qt::Key_Backspace, Qt::ShiftModifier | Qt::ControlModifier, "NotSet", "Shift+Ctrl", "8"},
            {10, Qt::Key_F5, Qt::ControlModifier, "Ctrl+F5", "Ctrl", "116"},
        };
        for (const Case& c : cases) {
            QTest::keyClick(f.Text1[c.row], c.key, c.mods);
            const HotKeyRecord& r = t.m().HotKeys[c.row];
            EXPECT_EQ(f.Text1[c.row]->text(), c.shown) << "row " << c.row;
            EXPECT_EQ(r.Desc, c.shown) << "row " << c.row;
            EXPECT_EQ(r.SetA, c.setA) << "row " << c.row;
            EXPECT_EQ(r.SetB, c.setB) << "row " << c.row;
        }

        // Enter has no name: nothing while down, NotSet after the release. Ctrl alone likewise.
        QTest::keyPress(f.Text1[2], Qt::Key_Return);
        EXPECT_EQ(f.Text1[2]->text(), "");
        EXPECT_EQ(t.m().HotKeys[2].Desc, "F6");
        QTest::keyRelease(f.Text1[2], Qt::Key_Return);
        EXPECT_EQ(f.Text1[2]->text(), "NotSet");
        QTest::keyPress(f.Text1[4], Qt::Key_Control);
        EXPECT_EQ(f.Text1[4]->text(), "Ctrl+");
        QTest::keyRelease(f.Text1[4], Qt::Key_Control, Qt::ControlModifier);
        EXPECT_EQ(f.Text1[4]->text(), "NotSet");
        EXPECT_EQ(t.m().HotKeys[4].SetA, "Ctrl");
        EXPECT_EQ(t.m().HotKeys[4].SetB, "17");

        // Letters typed never become text: the box names the last key.
        QTest::keyClicks(f.Text1[11], "xyz");
        EXPECT_EQ(f.Text1[11]->text(), "Z");

        f.Command1->click();
    });

    EXPECT_EQ(t.ini("COMMSET", "HotKeySetA1"), "Shift+Ctrl+Alt");
    EXPECT_EQ(t.ini("COMMSET", "HotKeySetB1"), "65");
    EXPECT_EQ(t.ini("COMMSET", "HotKeyDesc1"), "Shift+Ctrl+Alt+A");
    EXPECT_EQ(t.ini("COMMSET", "HotKeyDesc3"), "NotSet");
    EXPECT_EQ(t.ini("COMMSET", "HotKeyDesc11"), "Z");
    const Grabs expected = {{1, {7, 65}}, {5, {0, 96}}, {6, {0, 123}}, {7, {0, 35}},
                            {8, {0, 110}}, {10, {2, 116}}, {11, {0, 90}}};
    EXPECT_EQ(Registered(t.w.hotkeys), expected);
    EXPECT_EQ(t.app->hotKeys().MenuItem(3)->text(), "工具条模式");
    EXPECT_EQ(t.app->hotKeys().MenuItem(1)->text(), filledStart + "Shift+Ctrl+Alt+A");
    // The hotkeys act again: id 10 switches to scheme 4.
    t.w.hotkeys.press(10);
    EXPECT_EQ(t.m().FangAnId, 4);
}

TEST(HotKeyForm, CancelAndTheClosePictureLeaveTheFileAsItWasAndRestoreTheHotkeys)
{
    for (const bool closePicture : {false, true}) {
        TestApp t;
        ASSERT_TRUE(t.start({"[COMMSET]", "HotKeySetA2=Ctrl", "HotKeySetB2=117", "HotKeyDesc2=Ctrl+F6"}));
        const QByteArray before = t.w.iniBytes();
        const Grabs grabs = Registered(t.w.hotkeys);
        ASSERT_EQ(grabs.at(2), std::make_pair(2, 117));

        WithHotKeyForm(t, [&](HotKeyForm& f) {
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
        });

        EXPECT_EQ(t.w.iniBytes(), before) << (closePicture ? "close picture" : "cancel");
        EXPECT_EQ(Registered(t.w.hotkeys), grabs);
        EXPECT_EQ(t.m().HotKeys[1].Desc, "F5");
        EXPECT_EQ(t.m().HotKeys[2].Desc, "Ctrl+F6");
    }
}

// A key still held when the user clicks another row: the row it was pressed in settles as its
// release would, so the row, the table and the file agree.
TEST(HotKeyForm, ARowLeftWithItsKeyStillDownSettlesAsOnRelease)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    WithHotKeyForm(t, [&](HotKeyForm& f) {
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        f.Text1[6]->setFocus();
        QTest::keyPress(f.Text1[6], Qt::Key_Control);
        EXPECT_EQ(f.Text1[6]->text(), "Ctrl+");
        f.Command1->setFocus();
        EXPECT_EQ(f.Text1[6]->text(), "NotSet");
        f.Command1->click();
    });
    EXPECT_EQ(t.ini("COMMSET", "HotKeyDesc6"), "NotSet");
    EXPECT_EQ(t.w.hotkeys.registered.count(6), 0u);
}
