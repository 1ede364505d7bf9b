// The real program keeps the record of each timing in records.csv; killed (kill -9) in the middle
// of a timing it leaves whole lines only.
#include "support/E2e.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

TEST(EndToEndRecords, AKillMidTimingLeavesTheFinishedTimingAsWholeLinesOnly)
{
    ProgramRun run;
    run.writeIni({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=01", "[COMMSET1]", "OverTime=Yes"});
    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow("Horalto 计时方案1").isEmpty());
    ProgramRun::key("F5");
    QThread::msleep(4500); // the end, then overtime
    ProgramRun::key("F5"); // the next speaker: the first timing goes on record
    QThread::msleep(1500);
    run.process().kill();
    run.waitForEnd();

    QFile f(run.path("data/horalto/records.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF日期,开始,结束,方案,标题,时长,方向,计时,暂停次数,暂停时长,结束方式,超时,选手,题目,结果,调整,正方用时,反方用时\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n")) << "a half line";
    const QList<QByteArray> lines = bytes.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1].count(','), 17);
    EXPECT_TRUE(lines[1].contains(",1,Horalto,00:00:01,倒计时,00:00:01,0,00:00:00,到时,+00:00:0")) << lines[1].toStdString();
}
