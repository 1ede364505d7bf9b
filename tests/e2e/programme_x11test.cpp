// A contest run by the real program: a list placed as programme.csv, two speakers timed with
// `horalto next` between them, a kill -9, and after the restart the same speaker current, both
// times in the programme and both names in records.csv; and a spreadsheet's list imported.
#include "support/E2e.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QThread>
#include <gtest/gtest.h>

TEST(EndToEndProgramme, TwoSpeakersTimedThenAKillKeepTheCurrentSpeakerTheirTimesAndTheirRecords)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ProgramRun run;
    run.writeIni({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=02", "[COMMSET1]", "QualifyMin=00:00:05", "[JSSET2]", "JSHH=00",
                  "JSMM=00", "JSSS=09"});
    QDir().mkpath(run.path("data/horalto"));
    QFile list(run.path("data/horalto/programme.csv"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("姓名,题目\r\nAnn\r\nBob,Hope,2\r\nCid\r\n");
    list.close();
    const auto horalto = [&](const QStringList& args) { return QProcess::execute(run.path("horalto"), args); };

    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow("第1位 \u2068Ann\u2069").isEmpty());
    EXPECT_EQ(horalto({"start"}), 0);
    EXPECT_EQ(horalto({"next"}), 1) << "offered while a timing runs";
    QThread::msleep(3500); // the end
    EXPECT_EQ(horalto({"next"}), 0);
    EXPECT_FALSE(ProgramRun::findWindow("第2位 \u2068Bob\u2069《\u2068Hope\u2069》").isEmpty());
    EXPECT_EQ(horalto({"speaker", "4"}), 1);
    EXPECT_EQ(horalto({"start"}), 0);
    QThread::msleep(2600);
    EXPECT_EQ(horalto({"reset"}), 0);
    QThread::msleep(300);
    run.process().kill();
    run.waitForEnd();

    ASSERT_TRUE(run.start());
    EXPECT_FALSE(ProgramRun::findWindow("第2位 \u2068Bob\u2069《\u2068Hope\u2069》").isEmpty()) << "another speaker is current";
    QFile programme(run.path("data/horalto/programme.csv"));
    ASSERT_TRUE(programme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(programme.readAll());
    EXPECT_TRUE(text.contains(QRegularExpression("\r\n1,Ann,,,0:00:0[12],不足时,,\r\n2,Bob,Hope,2,0:00:0[123],,\\*,\r\n3,Cid,,,,,,\r\n$")))
        << text.toStdString();
    QFile records(run.path("data/horalto/records.csv"));
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = records.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(",超时,选手,题目,结果,调整,正方用时,反方用时\r"));
    EXPECT_TRUE(lines[1].endsWith(",到时,,Ann,,不足时,,,\r")) << "judged by scheme 1's window: " << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(",2,Horalto,00:00:09,") && lines[2].endsWith(",复位,,Bob,Hope,,,,"))
        << "Bob's scheme, his name: " << lines[2].toStdString();
    run.process().kill();
    run.waitForEnd();
}

// Saved as "Unicode 文本" (UTF-16 with its byte-order mark, tabs), imported with 导入....
TEST(EndToEndProgramme, AListSavedByASpreadsheetAsUnicodeTextImportsEverySpeakerThroughTheWindow)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ProgramRun run;
    QFile list(run.path("list.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("\xFF\xFE" + QStringEncoder(QStringEncoder::Utf16LE)
                                 .encode(u"姓名\t题目\r\n张三\t读书, 让我成长\r\nO\"Brien\t科技，让生活更美好\r\n李四\t\r\n"));
    list.close();
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(main.isEmpty());
    // The popup menu's 比赛名单...: the 15th item offered.
    ProgramRun::click(ProgramRun::geometry(main).topLeft() + QPoint(200, 140), 3);
    QThread::msleep(500);
    RunTool("xdotool", QStringList{"key"} + QStringList(15, "Down") + QStringList{"Return"});
    const QString window = ProgramRun::findWindow("比赛名单");
    ASSERT_FALSE(window.isEmpty()) << "the programme window did not open";
    ProgramRun::click(ProgramRun::geometry(window).topLeft() + QPoint(380, 445)); // 导入...
    ASSERT_FALSE(ProgramRun::findWindow("导入比赛名单").isEmpty()) << "no file chooser";
    RunTool("xdotool", {"type", "--delay", "20", list.fileName()});
    // Return: the first may only close the completer's list.
    for (int i = 0; i < 2 && !RunTool("xdotool", {"search", "--onlyvisible", "--name", "^导入比赛名单$"}).isEmpty(); ++i) {
        QThread::msleep(500);
        ProgramRun::key("Return");
    }
    QFile programme(run.path("data/horalto/programme.csv"));
    for (int waited = 0; waited < 5000 && QFileInfo(programme.fileName()).size() < 80; waited += 100)
        QThread::msleep(100);
    ASSERT_TRUE(programme.open(QIODevice::ReadOnly));
    EXPECT_EQ(programme.readAll(), "\xEF\xBB\xBF序号,姓名,题目,方案,用时,结果,当前,重计\r\n1,张三,\"读书, 让我成长\",,,,*,\r\n"
                                   "2,\"O\"\"Brien\",科技，让生活更美好,,,,,\r\n3,李四,,,,,,\r\n");
    run.process().kill();
    run.waitForEnd();
}
