// Starts of the real program beside a running one on the same display: a plain start brings the
// running program to the front and ends, touching nothing; commands act as the hotkeys do;
// malformed requests are refused; the lock of a killed program does not stay.
#include "platform/instance/LocalInstanceChannel.h"
#include "support/E2e.h"

#include <QLocalSocket>
#include <QTest>
#include <gtest/gtest.h>

TEST(EndToEndSingleInstance, LaterStartsHandOverToTheRunningProgram)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ProgramRun run;
    const auto horalto = [&](const QStringList& args) { return QProcess::execute(run.path("horalto"), args); };
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(main.isEmpty());
    QProcess other; // another program's window has the focus
    other.start("xmessage", {"-title", "Other", "-geometry", "260x60+10+700", "another program"});
    const QString otherId = RunTool("xdotool", {"search", "--sync", "--name", "^Other$"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return RunTool("xdotool", {"windowactivate", "--sync", otherId, "getactivewindow"}) == otherId; }, 5000));

    const QStringList files = FileStates(run.dir());
    EXPECT_EQ(horalto({}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return RunTool("xdotool", {"getactivewindow"}) == main; }, 5000))
        << "the running program's window did not come to the front";
    EXPECT_EQ(FileStates(run.dir()), files) << "the second start touched the program directory";
    EXPECT_EQ(horalto({"start"}), 0);
    EXPECT_EQ(horalto({"start"}), 1);
    EXPECT_EQ(horalto({"scheme", "7"}), 64);

    // Too long, two lines, not a request: refused, and the timing goes on.
    const QString socketPath = LocalInstanceChannel().socketPath();
    for (const QByteArray& bad : {QByteArray(200, 'x'), QByteArray("HORALTO/1 reset\nHORALTO/1 reset\n"),
                                  QByteArray("HORALTO/1 reset now\n")}) {
        QLocalSocket s;
        s.connectToServer(socketPath);
        ASSERT_TRUE(s.waitForConnected(3000));
        s.write(bad);
        s.waitForDisconnected(5000);
        const QByteArray answer = s.readAll();
        EXPECT_TRUE(answer.isEmpty() || answer == "REFUSED\n") << answer.constData();
    }
    EXPECT_EQ(horalto({"start"}), 1) << "a refused request changed the timing";

    run.process().kill();
    run.waitForEnd();
    EXPECT_EQ(horalto({"reset"}), 2);
    ASSERT_TRUE(run.start());
    // The timing the kill cut off is offered to go on first; 否 records it.
    const QString question = ProgramRun::findWindow("继续上次计时");
    ASSERT_FALSE(question.isEmpty());
    RunTool("xdotool", {"windowactivate", "--sync", question});
    ProgramRun::key("Escape");
    EXPECT_FALSE(ProgramRun::findWindow("Horalto 计时方案1").isEmpty()) << "the killed program's lock stayed";
    EXPECT_EQ(horalto({"start"}), 0);
    other.kill();
    other.waitForFinished();
}
