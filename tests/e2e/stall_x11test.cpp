// Stopped (SIGSTOP) for 3 s in the middle of a timing, the real program loses no second: the
// end that fell within the stop comes within a second of SIGCONT and is on record as a whole
// timing.
#include "support/E2e.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

TEST(EndToEndStall, AStopOverTheEndEndsTheTimingWithinASecondOfContinuing)
{
    ProgramRun run;
    run.writeIni({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=03"});
    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow("Horalto 计时方案1").isEmpty());
    ProgramRun::key("F5");
    QThread::msleep(1500);
    const pid_t pid = pid_t(run.process().processId());
    ::kill(pid, SIGSTOP);
    QThread::msleep(3000); // the end falls 3 to 4 s after the start
    ::kill(pid, SIGCONT);
    QElapsedTimer since;
    since.start();
    QFile f(run.path("data/horalto/records.csv"));
    QByteArray bytes;
    while (since.elapsed() < 5000 && !bytes.contains("到时")) {
        QThread::msleep(20);
        if (f.open(QIODevice::ReadOnly)) {
            bytes = f.readAll();
            f.close();
        }
    }
    EXPECT_LT(since.elapsed(), 1000) << "the end came late";
    EXPECT_TRUE(bytes.contains(",1,Horalto,00:00:03,倒计时,00:00:03,0,00:00:00,到时,")) << bytes.toStdString();
}
