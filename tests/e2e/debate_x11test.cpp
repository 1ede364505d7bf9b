// A debate of 10 s a side run by the real program: `horalto start`, `horalto switch` and the
// control page's 换方 hand the floor over, the timing page in headless Chromium shows both
// clocks, the sides' ends pass the floor on and end the timing, and records.csv has both times.
#include "support/Browser.h"
#include "support/E2e.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

TEST(EndToEndDebate, TwoClocksDrivenFromTheCommandLineAndReadOnThePage)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString key = QStringLiteral("00112233445566778899aabbccddeeff");
    const quint16 port = FreeLoopbackPort();
    ProgramRun run;
    run.writeIni({"[RemoteView]", "Enabled=1", "Port=" + QString::number(port), "ControlKey=" + key, "[JSSET1]", "JSHH=00",
                  "JSMM=00", "JSSS=10", "[COMMSET1]", "Debate=Yes", "SideB=Con"});
    const auto horalto = [&](const QStringList& args) { return QProcess::execute(run.path("horalto"), args); };
    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow("Horalto 计时方案1").isEmpty());
    EXPECT_EQ(horalto({"switch"}), 1) << "no timing yet";

    Browser browser;
    ASSERT_TRUE(browser.open(QStringLiteral("http://127.0.0.1:%1/control?key=%2").arg(port).arg(key)));
    // "name clock [floor] [gone]" of both sides.
    const QString sides = "[0,1].map(i => { const e = document.getElementById('side' + i); return e.innerText.replace(/\\s+/g, ' ')"
                          " + (e.classList.contains('floor') ? ' floor' : '') + (e.classList.contains('gone') ? ' gone' : ''); }).join(' | ')";
    // `expected` a regular expression of the whole text.
    const auto shows = [&](const QString& expected, int timeoutMs = 3000) {
        const bool ok = browser.waitFor("/^" + expected + "$/.test(" + sides + ")", timeoutMs);
        EXPECT_TRUE(ok) << "expected " << expected.toStdString() << ", shown " << browser.eval(sides).toString().toStdString();
        return ok;
    };
    ASSERT_TRUE(shows("正方 00:00:10 floor \\| Con 00:00:10"));
    EXPECT_TRUE(browser.eval("document.getElementById('counter').hidden").toBool());

    EXPECT_EQ(horalto({"start"}), 0);
    QThread::msleep(3300);
    EXPECT_EQ(horalto({"switch"}), 0);
    shows("正方 00:00:0[67] \\| Con 00:00:(10|09) floor"); // the switch's own start takes a moment
    QThread::msleep(2300);
    shows("正方 00:00:0[67] \\| Con 00:00:0[78] floor");
    browser.eval("document.querySelector('button[data-cmd=\"13\"]').click()"); // the page's 换方
    shows("正方 00:00:0[67] floor \\| Con 00:00:0[78]");
    // 正方's time goes: Con has the floor, then Con's goes and the timing ends.
    shows("正方 00:00:00 gone \\| Con 00:00:0[4-8] floor", 9000);
    shows("正方 00:00:00 gone \\| Con 00:00:00 floor gone", 10000);
    EXPECT_TRUE(browser.waitFor("document.getElementById('status').textContent === '时间到'"));
    EXPECT_EQ(horalto({"switch"}), 1) << "the timing has ended";

    QFile records(run.path("data/horalto/records.csv"));
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = records.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(",结果,调整,正方用时,反方用时\r"));
    EXPECT_TRUE(lines[1].contains(",00:00:20,0,00:00:00,到时,") && lines[1].endsWith(",00:00:10,00:00:10"))
        << lines[1].toStdString();
    run.process().kill();
    run.waitForEnd();
}
