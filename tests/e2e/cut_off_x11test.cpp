// A timing cut off by kill -9 in the real program: at the next start it is recorded as 中断 when
// its length ran out meanwhile, or continued where it would be when the user says so.
#include "support/E2e.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

TEST(EndToEndCutOff, AKilledTimingIsRecordedAsInterruptedOrContinuedAtTheNextStart)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ProgramRun run;
    run.writeIni({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=08", "[JSSET2]", "JSHH=00", "JSMM=01", "JSSS=00"});
    const QString data = run.path("data/horalto/");
    QDir().mkpath(data);
    QFile list(data + "programme.csv");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly) && list.write("姓名,题目\r\nAnn\r\nBob,Hope,2\r\n") > 0);
    list.close();
    const auto text = [&](const char* name) {
        QFile f(data + name);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    const auto horalto = [&](const QStringList& args) { return QProcess::execute(run.path("horalto"), args); };
    const auto cut = [&] { run.process().kill(), run.waitForEnd(); };

    // Ann's 8 s run out while the program is away: recorded with the time its journal proves.
    ASSERT_TRUE(run.start() && !ProgramRun::findWindow("第1位 \u2068Ann\u2069").isEmpty());
    EXPECT_EQ(horalto({"start"}), 0);
    QThread::msleep(6500);
    EXPECT_TRUE(QFile::exists(data + "journal.json"));
    cut();
    QThread::msleep(2500);
    ASSERT_TRUE(run.start() && !ProgramRun::findWindow("第1位 \u2068Ann\u2069").isEmpty());
    EXPECT_EQ(horalto({"next"}), 0) << "no timing runs";
    EXPECT_TRUE(text("records.csv").contains(QRegularExpression(",1,Horalto,00:00:08,倒计时,00:00:0[3-6],0,00:00:00,中断,,Ann,,")))
        << text("records.csv").toStdString();
    EXPECT_FALSE(QFile::exists(data + "journal.json"));

    // Bob's minute cut off after 4.5 s (before the journal's first rewrite): continued at the
    // next start (the user says 是), then reset. Without the time before the cut the record would
    // hold 2 s at most.
    EXPECT_EQ(horalto({"start"}), 0);
    QThread::msleep(4500);
    cut();
    ASSERT_TRUE(run.start());
    const QString question = ProgramRun::findWindow("继续上次计时");
    ASSERT_FALSE(question.isEmpty()) << "the continue is offered";
    RunTool("xdotool", {"windowactivate", "--sync", question});
    ProgramRun::key("Return");
    ASSERT_FALSE(ProgramRun::findWindow("第2位 \u2068Bob\u2069《\u2068Hope\u2069》").isEmpty());
    QThread::msleep(1500);
    EXPECT_EQ(horalto({"reset"}), 0) << "the timing runs again";
    QThread::msleep(300);
    const QStringList lines = text("records.csv").trimmed().split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[2].contains(QRegularExpression(",2,Horalto,00:01:00,倒计时,00:00:0[3-9],0,00:00:0[0-9],复位,,Bob,Hope,")))
        << "counted on from where the cut left it: " << lines[2].toStdString();
    EXPECT_TRUE(text("programme.csv").contains(QRegularExpression("\r\n1,Ann,,,0:00:0[3-6],[^,]*,,\r\n2,Bob,Hope,2,0:00:0[3-9],")))
        << text("programme.csv").toStdString();
    cut();
}
