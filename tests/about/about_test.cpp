// The About box on the whole program with test doubles, and its system-information button with
// the real program starter against a PATH the test makes.
#include "support/TestApp.h"

#include "about/frmAbout.h"
#include "hotkeys/HotKeys.h"
#include "windows/Control.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

void WithAboutBox(App& app, const std::function<void(frmAbout&)>& act)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (box) {
            ran = true;
            act(*box);
            if (box->isVisible())
                box->reject();
        } else if (QApplication::activeModalWidget()) {
            QApplication::activeModalWidget()->close();
        }
    });
    app.ShowAboutBox(&app.mainForm());
    EXPECT_TRUE(ran) << "the About box did not open modally";
}

// PATH set for the length of a test.
class PathFor {
public:
    explicit PathFor(const QString& path) : old_(qgetenv("PATH")) { qputenv("PATH", path.toLocal8Bit()); }
    ~PathFor() { qputenv("PATH", old_); }

private:
    QByteArray old_;
};

// An executable script that appends "<its path> <its arguments>" to `log`.
void WriteRecorder(const QString& path, const QString& log)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QString("#!/bin/sh\necho \"$0 $*\" >> '%1'\n").arg(log).toLocal8Bit());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

TEST(AboutBox, ShowsTheProgramSuspendsTheHotkeysAndRegistersTheFilesAfterOk)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    // Changed in the file behind the program's back: the box's closing registers what the file says.
    t.app->config.WriteIniText("COMMSET", "HotKeySetA1", "Ctrl");
    t.app->config.WriteIniText("COMMSET", "HotKeyDesc1", "Ctrl+F5");

    WithAboutBox(*t.app, [&](frmAbout& box) {
        EXPECT_TRUE(t.w.hotkeys.registered.empty());
        t.w.hotkeys.press(1);
        EXPECT_FALSE(t.m().IsTiming);
        EXPECT_EQ(box.windowTitle(), "关于 Horalto");
        EXPECT_EQ(box.Label5->text(), "关于Horalto");
        EXPECT_EQ(box.lblTitle->text(), "Horalto");
        EXPECT_EQ(box.lblVersion->text(), "版本 11.3.15");
        EXPECT_EQ(box.lblDescription->text(), "倒计时软件，可用于一般的演讲比赛等场合。");
        EXPECT_EQ(box.cmdOK->text(), "确    定");
        EXPECT_EQ(box.cmdSysInfo->text(), "系统信息(&S)...");
        EXPECT_FALSE(box.Image4->pixmap().isNull());
        box.cmdOK->click();
    });
    EXPECT_EQ(t.w.hotkeys.registered.at(1).modifiers, 2);
    EXPECT_EQ(t.app->hotKeys().MenuItem(1)->text().right(7), "Ctrl+F5");
    t.w.hotkeys.press(1);
    EXPECT_TRUE(t.m().IsTiming);
}

TEST(AboutBox, SystemInformationStartsTheFirstProgramFoundOrSaysItIsNotAvailable)
{
    struct Case { QStringList onPath; bool startWorks; const char* started; };
    const Case cases[] = {
        {{"gnome-system-monitor", "kinfocenter", "xfce4-taskmanager"}, true, "/usr/bin/kinfocenter"},
        {{"hardinfo", "hardinfo2"}, true, "/usr/bin/hardinfo2"},
        {{}, true, nullptr},
        {{"kinfocenter"}, false, nullptr}, // found, but it would not start
    };
    for (const Case& c : cases) {
        TestApp t;
        ASSERT_TRUE(t.start());
        t.w.programs.onPath = c.onPath;
        t.w.programs.startWorks = c.startWorks;
        WithAboutBox(*t.app, [&](frmAbout& box) {
            box.cmdSysInfo->click();
            EXPECT_TRUE(box.isVisible()) << "the box stays open";
        });
        if (c.started && c.startWorks) {
            ASSERT_EQ(t.w.programs.started.size(), 1u);
            EXPECT_EQ(t.w.programs.started[0].first, c.started);
            EXPECT_TRUE(t.w.dialogs.informations.empty());
        } else {
            ASSERT_EQ(t.w.dialogs.informations.size(), 1u) << c.onPath.join(',').toStdString();
            EXPECT_EQ(t.w.dialogs.informations[0].text, "此时系统信息不可用");
        }
    }
}

// The real starter: a recording script put on PATH is started with no arguments; a PATH without
// one (a relative directory holding one does not count) gives the message.
TEST(AboutBox, RealStarterRunsTheProgramFromPathDetached)
{
    QTemporaryDir bin, other;
    const QString log = bin.filePath("ran.log");
    WriteRecorder(bin.filePath("kinfocenter"), log);
    WriteRecorder(other.filePath("hardinfo"), log);
    QtProgramStarter real;

    const QString cwd = QDir::currentPath();
    QDir::setCurrent(other.path());
    for (const bool found : {true, false}) {
        FakeWorld w;
        Services services{w.clock, w.random, w.sound, w.dialogs, w.dir, w.end, w.hotkeys, w.timers, w.events, real};
        App app(services);
        ASSERT_TRUE(app.Start());
        PathFor path(found ? "relative/bin:" + bin.path() : ".:/nonexistent");
        WithAboutBox(app, [&](frmAbout& box) { box.StartSysInfo(); });
        if (found) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(log); }, 5000));
            QFile f(log);
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(QString::fromLocal8Bit(f.readAll()), bin.filePath("kinfocenter") + " \n");
            EXPECT_TRUE(w.dialogs.informations.empty());
        } else {
            ASSERT_EQ(w.dialogs.informations.size(), 1u);
            EXPECT_EQ(w.dialogs.informations[0].text, "此时系统信息不可用");
        }
    }
    QDir::setCurrent(cwd);
}

TEST(AboutBox, DialogPicturesHaveTheSizesTheDialogsAreLaidOutFor)
{
    struct Picture { const char* name; int width, height; };
    const Picture pictures[] = {
        {"hotkey_title.png", 410, 24}, {"about_title.png", 432, 24}, {"about_picture.png", 64, 64},
        {"hotkey_close_normal.png", 42, 18}, {"hotkey_close_hover.png", 42, 18}, {"hotkey_close_pressed.png", 42, 18},
        {"about_close_normal.png", 42, 18}, {"about_close_hover.png", 42, 18}, {"about_close_pressed.png", 42, 18},
    };
    for (const Picture& p : pictures)
        EXPECT_EQ(QImage(QStringLiteral(":/images/") + p.name).size(), QSize(p.width, p.height)) << p.name;
}
