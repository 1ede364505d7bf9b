// The real program with its timing page switched on, and the control page in a real browser
// (headless Chromium) on the loopback address: the page follows the program, its start button
// starts a timing in the program, and when the program ends the page says so.
#include "support/Browser.h"
#include "support/E2e.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(EndToEndRemotePage, TheControlPageStartsATimingAndSaysWhenTheProgramHasGone)
{
    const QPoint exit(374 + 27, 212 + 12); // "退 出"
    const QString key = QStringLiteral("00112233445566778899aabbccddeeff");
    const quint16 port = FreeLoopbackPort();
    ProgramRun run;
    run.writeIni({"[RemoteView]", "Enabled=1", "Port=" + QString::number(port), "ControlKey=" + key,
                  "[JSSET1]", "JSHH=00", "JSMM=05", "JSSS=00"});
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(main.isEmpty()) << "the main window did not appear";

    Browser browser;
    ASSERT_TRUE(browser.open(QStringLiteral("http://127.0.0.1:%1/control?key=%2").arg(port).arg(key)));
    const QString counter = "document.getElementById('counter').textContent";
    const QString status = "document.getElementById('status').textContent";
    const QString start = "document.querySelector('button[data-cmd=\"1\"]')";
    ASSERT_TRUE(browser.waitFor(counter + " === '00:05:00' && " + status + " === '未计时' && !" + start + ".disabled"))
        << browser.eval("document.body.innerText").toString().toStdString();

    browser.eval(start + ".click()");
    EXPECT_TRUE(browser.waitFor(counter + " < '00:04:59' && " + status + " === '计时中'"));
    const int shown = ProgramRun::counterSeconds(main);
    EXPECT_TRUE(shown > 0 && shown < 300) << "the program's own counter reads " << shown;

    ProgramRun::click(ProgramRun::geometry(main).topLeft() + exit);
    RunTool("xdotool", {"windowactivate", "--sync", ProgramRun::findWindow("Horalto", 5000), "key", "y"}); // "是": it asks while timing
    EXPECT_EQ(run.waitForEnd(), 0);
    EXPECT_TRUE(browser.waitFor("document.body.classList.contains('offline') && " + status + " === '连接已断开'", 3000));
}
