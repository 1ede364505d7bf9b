// SIGTERM and SIGINT end the real program as its exit button does (status 0), also right after
// a prompt sound played, and nothing of it is left in the temporary directory.
#include "support/E2e.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

TEST(EndToEndSignals, TermAndIntEndTheProgramAsItsExitDoesLeavingNoTemporaryFiles)
{
    for (const int sig : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sig);
        ProgramRun run;
        QTemporaryDir tmp, runtime; // Qt keeps its runtime files out of TMPDIR with the latter
        ASSERT_TRUE(tmp.isValid() && runtime.isValid());
        // A prompt one second after the start.
        run.writeIni({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=05", "[TSSET1]", "TSHH1=00", "TSMM1=00", "TSSS1=04"});
        ASSERT_TRUE(run.start({}, {{"TMPDIR", tmp.path()}, {"XDG_RUNTIME_DIR", runtime.path()}}));
        ASSERT_FALSE(ProgramRun::findWindow("Horalto 计时方案1").isEmpty()) << "the main window did not appear";
        ProgramRun::key("F5"); // the start hotkey
        QThread::msleep(2500);
        ::kill(pid_t(run.process().processId()), sig);
        EXPECT_EQ(run.waitForEnd(), 0);
        EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
}
