// The contest report written by `horalto report FILE` without a display, from a stored
// programme and records: every name found in the PDF's text, the header on every page.
#include "support/E2e.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(EndToEndReport, APdfWithEveryNameOnSeveralPagesAndACsvWithoutADisplay)
{
    ProgramRun run;
    QDir().mkpath(run.path("data/horalto"));
    QDir().mkpath(run.path("work"));
    // Names whose characters a CJK font also draws as radicals (马, 黄, 龙, 高, 金, 比).
    QStringList names = {"马龙", "黄金高", "比尔·王", "Ann"};
    for (int i = names.size(); i < 70; ++i)
        names << QString("选手%1").arg(i + 1);
    QByteArray programme = "\xEF\xBB\xBF序号,姓名,题目,方案,用时,结果,当前\r\n";
    programme += "1,马龙,我的梦想,,0:05:10,合格,\r\n2,黄金高,,,0:04:00,不足时,*\r\n3,比尔·王,,,0:08:01,超时,\r\n";
    for (int i = 3; i < names.size(); ++i)
        programme += QString("%1,%2,,,,,\r\n").arg(i + 1).arg(names[i]).toUtf8();
    QFile file(run.path("data/horalto/programme.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(programme);
    file.close();
    QFile records(run.path("data/horalto/records.csv"));
    ASSERT_TRUE(records.open(QIODevice::WriteOnly));
    records.write("2026-05-04,10:00:00,10:05:10,1,Horalto,00:05:00,正计时,00:05:00,0,00:00:00,到时,+00:00:10,马龙,我的梦想,合格\r\n");
    records.close();

    auto report = [&](const QString& name) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        env.insert("XDG_DATA_HOME", run.path("data"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(run.path("work"));
        p.start(run.path("horalto"), {"report", name});
        p.waitForFinished(60000);
        return p.exitCode();
    };
    ASSERT_EQ(report("contest.pdf"), 0);
    const QString pdf = run.path("work/contest.pdf");
    const QString text = RunTool("pdftotext", {"-layout", pdf, "-"});
    for (const QString& n : names)
        EXPECT_TRUE(text.contains(n)) << n.toStdString();
    EXPECT_TRUE(text.contains("2026-05-04") && text.contains("比赛报告"));
    EXPECT_TRUE(text.contains(QRegularExpression("1 +马龙 +我的梦想 +0:05:10 +0:00:10 +合格"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("70 +选手70 +未上场")));
    const int pages = RunTool("sh", {"-c", "pdfinfo '" + pdf + "' | sed -n 's/^Pages: *//p'"}).toInt();
    EXPECT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(RunTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"}).contains("姓名"))
            << "the header on page " << page;

    EXPECT_EQ(report("contest.txt"), 1);
    ASSERT_EQ(report("contest.csv"), 0);
    QFile csv(run.path("work/contest.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("\xEF\xBB\xBF序号,姓名,题目,用时,超时,结果\r\n1,马龙,我的梦想,0:05:10,0:00:10,合格\r\n"));
}
