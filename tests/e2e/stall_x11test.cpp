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
    ASSERT_TRUE(run.start() && !ProgramRun::findWindow("Horalto 计时方案1").isEmpty());
    ProgramRun::key("F5");
    QThread::msleep(1500);
    ::kill(pid_t(run.process().processId()), SIGSTOP);
    QThread::msleep(3000); // the end falls 3 to 4 s after the start
    ::kill(pid_t(run.process().processId()), SIGCONT);
    QElapsedTimer since;
    since.start();
    QByteArray bytes;
    for (QFile f(run.path("data/horalto/records.csv")); since.elapsed() < 5000 && !bytes.contains("到时"); f.close()) {
        QThread::msleep(20);
        bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    EXPECT_LT(since.elapsed(), 1000) << "the end came late";
    EXPECT_TRUE(bytes.contains(",1,Horalto,00:00:03,倒计时,00:00:03,0,00:00:00,到时,")) << bytes.toStdString();
}
