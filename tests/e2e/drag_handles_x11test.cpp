// The drag handles of the real program under the window manager: a click or double-click
// without movement reaches the control (the title input box, the toolbar counters' colour
// chooser), a drag moves the window, and a right-button release opens the popup menu.
#include "support/E2e.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString kMain = QStringLiteral("Horalto 计时方案1");

QStringList At(QPoint p) { return {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())}; }

void DoubleClick(QPoint p)
{
    RunTool("xdotool", At(p) + QStringList{"sleep", "0.1", "click", "--repeat", "2", "--delay", "80", "1"});
}

// Presses the left button at `from`, moves there by `by` in ten steps, releases.
void Drag(QPoint from, QPoint by)
{
    RunTool("xdotool", At(from));
    RunTool("xdotool", {"mousedown", "1"});
    QThread::msleep(100);
    for (int step = 1; step <= 10; ++step, QThread::msleep(20))
        RunTool("xdotool", At(from + by * step / 10));
    RunTool("xdotool", {"mouseup", "1"});
    QThread::msleep(300);
}

// The popup menu: a visible window of the program that is taller than wide.
bool MenuShown()
{
    for (int tries = 0; tries < 30; ++tries, QThread::msleep(100))
        for (const QString& id : RunTool("xdotool", {"search", "--onlyvisible", "--class", "horalto"}).split('\n', Qt::SkipEmptyParts))
            if (const QRect g = ProgramRun::geometry(id); g.height() > 2 * g.width())
                return true;
    return false;
}

} // namespace

TEST(EndToEndDragHandles, MainTitleDoubleClickEditsTheTitleDragMovesRightReleaseOpensTheMenu)
{
    ProgramRun run;
    ASSERT_TRUE(run.start());
    const QString id = ProgramRun::findWindow(kMain);
    ASSERT_FALSE(id.isEmpty()) << "the main window did not appear";
    const QRect g = ProgramRun::geometry(id);

    DoubleClick(g.topLeft() + QPoint(30, 12)); // on the title text
    const QString box = ProgramRun::findWindow("Horalto", 5000);
    ASSERT_FALSE(box.isEmpty()) << "the title input box did not open";
    RunTool("xdotool", {"windowactivate", "--sync", box, "key", "ctrl+a", "type", "Round2"});
    ProgramRun::key("Return");
    EXPECT_FALSE(ProgramRun::findWindow("Round2 计时方案1", 5000).isEmpty()) << "the new title is not shown";

    Drag(g.topLeft() + QPoint(30, 12), QPoint(-200, 150));
    const QRect moved = ProgramRun::geometry(id);
    EXPECT_EQ(moved.topLeft(), g.topLeft() + QPoint(-200, 150));

    ProgramRun::click(moved.topLeft() + QPoint(8, 120), 3); // the window background
    EXPECT_TRUE(MenuShown()) << "no popup menu after the right-button release";
    ProgramRun::key("Escape");
    EXPECT_EQ(ProgramRun::geometry(id).topLeft(), moved.topLeft()) << "a click without movement moved the window";
}

TEST(EndToEndDragHandles, ToolbarCounterDoubleClickChoosesItsColourInBothSizes)
{
    const struct { const char* maxToolsBar; const char* name; QPoint counter; } sizes[] = {
        {"No", "Horalto 工具条", {184, 12}},
        {"Yes", "Horalto 大工具条", {364, 25}},
    };
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.name);
        ProgramRun run;
        run.writeIni({"[COMMSET1]", QStringLiteral("MaxToolsBar=") + s.maxToolsBar});
        ASSERT_TRUE(run.start());
        ASSERT_FALSE(ProgramRun::findWindow(kMain).isEmpty());
        ProgramRun::key("F7"); // toolbar mode
        const QString bar = ProgramRun::findWindow(s.name, 5000);
        ASSERT_FALSE(bar.isEmpty()) << "the toolbar did not appear";
        const QPoint at = ProgramRun::geometry(bar).topLeft() + s.counter;

        DoubleClick(at);
        const QString chooser = ProgramRun::findWindow("选择颜色", 5000); // Qt's own text, in Chinese
        ASSERT_FALSE(chooser.isEmpty()) << "the colour chooser did not open";
        RunTool("xdotool", {"windowactivate", "--sync", chooser, "key", "Return"}); // black
        QThread::msleep(500);
        EXPECT_TRUE(run.iniLines().contains("ToolsBar=0")) << "the chosen colour was not stored";

        ProgramRun::click(at, 3);
        EXPECT_TRUE(MenuShown()) << "no popup menu after the right-button release on the counter";
        ProgramRun::key("Escape");
    }
}
