// The real program with English chosen: its windows and its command line speak English, and
// its choice stays as it was.
#include "support/E2e.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(EndToEndEnglish, TheChosenLanguageReachesTheWindowsAndTheCommandLine)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ProgramRun run;
    run.writeIni({"[Language]", "UI=en"});
    ASSERT_TRUE(run.start());
    EXPECT_FALSE(ProgramRun::findWindow("Horalto · Timing scheme 1").isEmpty());
    for (const auto& [args, first] : {std::pair{QStringList{"--help"}, QByteArray("Usage: horalto [command]")},
                                      std::pair{QStringList{"start", "now"}, QByteArray("horalto: unknown argument \"now\"")}}) {
        QProcess cli;
        cli.start(run.path("horalto"), args);
        ASSERT_TRUE(cli.waitForFinished(10000));
        EXPECT_EQ((cli.readAllStandardOutput() + cli.readAllStandardError()).split('\n').front(), first);
    }
    EXPECT_EQ(run.iniLines().mid(0, 2), (QStringList{"[Language]", "UI=en"}));
    run.process().terminate();
    EXPECT_EQ(run.waitForEnd(), 0);
}
