// The About box on the whole program with test doubles, and its system-information button with
// the real program starter against a PATH the test makes.
#include "support/TestApp.h"

#include "about/frmAbout.h"
#include "hotkeys/HotKeys.h"
#include "menu/MenuForm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
bool WithAboutBox(App& app, const std::function<void(frmAbout&)>& act)
{
    return WithModal<frmAbout>([&] { app.ShowAboutBox(&app.mainForm()); }, act);
}
} // namespace

TEST(AboutBox, ShowsTheProgramSuspendsTheHotkeysAndRegistersTheFilesAfterOk)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    // Changed in the file behind the program's back: closing the box registers what the file says.
    t.app->config.WriteIniText("COMMSET", "HotKeySetA1", "Ctrl");
    t.app->config.WriteIniText("COMMSET", "HotKeyDesc1", "Ctrl+F5");
    t.w.programs.onPath = {"kinfocenter"};
    t.w.programs.startWorks = false;
    EXPECT_TRUE(WithAboutBox(*t.app, [&](frmAbout& box) {
        EXPECT_TRUE(t.w.hotkeys.registered.empty());
        t.w.hotkeys.press(1);
        EXPECT_FALSE(t.m().IsTiming());
        EXPECT_EQ(box.windowTitle(), "关于 Horalto");
        EXPECT_EQ(box.lblVersion->text(), "版本 11.3.15");
        EXPECT_FALSE(box.Image4->pixmap().isNull());
        // A program found that will not start is as good as none.
        box.cmdSysInfo->click();
        ASSERT_EQ(t.w.dialogs.informations.size(), 1u);
        EXPECT_EQ(t.w.dialogs.informations[0].text, "此时系统信息不可用");
        EXPECT_TRUE(box.isVisible());
        box.cmdOK->click();
    }));
    EXPECT_EQ(t.w.hotkeys.registered.at(1).modifiers, 2);
    EXPECT_TRUE(t.app->menuForm().CommandItem(CommandId(1))->text().endsWith("Ctrl+F5"));
    t.w.hotkeys.press(1);
    EXPECT_TRUE(t.m().IsTiming());
}

// The real starter. Recording scripts stand in for the programs: the first of the box's order
// found on PATH starts (kinfocenter before gnome-system-monitor, though PATH lists that first),
// with no arguments; with none on PATH (one in a relative directory of PATH does not count) the
// message comes and the box stays open.
TEST(AboutBox, SystemInformationStartsTheFirstProgramFoundOnPathOrSaysItIsNotAvailable)
{
    QTemporaryDir bin1, bin2, cwd;
    const QString log = cwd.filePath("ran.log");
    for (const QString& script : {bin1.filePath("gnome-system-monitor"), bin2.filePath("kinfocenter"), cwd.filePath("hardinfo")}) {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString("#!/bin/sh\necho \"$0 $*${HORALTO_OWN:+ inherited}\" >> '%1'\n").arg(log).toLocal8Bit());
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString oldCwd = QDir::currentPath();
    const QByteArray oldPath = qgetenv("PATH");
    QDir::setCurrent(cwd.path());
    qputenv("HORALTO_OWN", "1"); // set by the program for itself: not passed on
    QtProgramStarter real({"HORALTO_OWN"});
    for (const bool found : {true, false}) {
        FakeWorld w;
        Services services{w.clock, w.random, w.sound, w.dialogs, w.dir, w.end, w.hotkeys, w.timers, w.events, real, w.screenSaver,
                          w.records, w.desktop, w.remote, w.qtTexts};
        App app(services);
        ASSERT_TRUE(app.Start());
        qputenv("PATH", (found ? "relative:" + bin1.path() + ":" + bin2.path() : QString(".:/nonexistent")).toLocal8Bit());
        EXPECT_TRUE(WithAboutBox(app, [&](frmAbout& box) {
            box.cmdSysInfo->click();
            EXPECT_TRUE(box.isVisible());
        }));
        if (found) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(log); }, 5000));
            QFile f(log);
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(QString::fromLocal8Bit(f.readAll()), bin2.filePath("kinfocenter") + " \n");
        }
        EXPECT_EQ(w.dialogs.informations.size(), found ? 0u : 1u);
    }
    qputenv("PATH", oldPath);
    qunsetenv("HORALTO_OWN");
    QDir::setCurrent(oldCwd);
}
