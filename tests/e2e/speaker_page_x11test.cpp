// The speaker's view in a real browser (headless Chromium) beside the real program: a message
// sent by a later start shows as text, and the page takes the colour of a prompt's signal.
#include "support/Browser.h"
#include "support/E2e.h"

#include <QDateTime>
#include <QProcess>
#include <gtest/gtest.h>

TEST(EndToEndSpeakerPage, ShowsTheMessageOfALaterStartAndTheSignalColour)
{
    const quint16 port = FreeLoopbackPort();
    ProgramRun run;
    run.writeIni({"[RemoteView]", "Enabled=1", "Port=" + QString::number(port), "[JSSET1]", "JSHH=00", "JSMM=05", "JSSS=00",
                  "[TSSET1]", "TSMM1=04", "TSSS1=58", "TSColor1=#00A651"});
    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow("Horalto 计时方案1").isEmpty()) << "the main window did not appear";
    const auto horalto = [&](const QStringList& args) { return QProcess::execute(run.path("horalto"), args); };

    Browser browser;
    ASSERT_TRUE(browser.open(QStringLiteral("http://127.0.0.1:%1/speaker").arg(port)));
    const QString counter = "document.getElementById('counter').textContent";
    const QString message = "document.getElementById('message')";
    const QString background = "getComputedStyle(document.body).backgroundColor";
    ASSERT_TRUE(browser.waitFor(counter + " === '00:05:00' && " + background + " === 'rgb(43, 43, 43)'"));
    // When the message arrives, by the page's own clock.
    browser.eval("new MutationObserver(() => { window.seen = Date.now(); }).observe(" + message + ", {childList: true})");

    const qint64 sent = QDateTime::currentMSecsSinceEpoch();
    EXPECT_EQ(horalto({"message", "请总结 <b>x</b>"}), 0);
    EXPECT_TRUE(browser.waitFor(message + ".textContent === '请总结 <b>x</b>' && !" + message + ".querySelector('b')"));
    std::printf("message on the speaker's view %lld ms after the later start began\n",
                qint64(browser.eval("window.seen").toDouble()) - sent);
    EXPECT_EQ(horalto({"adjust", "+30"}), 1) << "nothing to adjust while idle";

    EXPECT_EQ(horalto({"start"}), 0);
    EXPECT_TRUE(browser.waitFor(background + " === 'rgb(0, 166, 81)' && " + counter + " <= '00:04:58'", 5000));
    EXPECT_EQ(browser.eval("getComputedStyle(document.getElementById('counter')).color").toString(), "rgb(0, 0, 0)")
        << "dark digits on the green";
    EXPECT_EQ(horalto({"message"}), 0);
    EXPECT_TRUE(browser.waitFor(message + ".textContent === ''"));
    run.process().kill();
    EXPECT_TRUE(browser.waitFor("document.body.classList.contains('offline') && " + background + " === 'rgb(43, 43, 43)'", 5000));
}
