// The single instance on Windows: who may talk through the pipe, and one request answered.
#include "platform/ProgramEnv.h"
#include "platform/win/WinInstanceChannel.h"
#include "platform/win/WinSameUser.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTest>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>
#include <windows.h>

TEST(WinSameUser, TellsProcessesOfThisUser)
{
    const struct {
        unsigned long pid;
        bool same;
    } cases[] = {
        {GetCurrentProcessId(), true},
        {0, false},          // the idle process: nobody's
        {0xFFFFFFF0, false}, // no such process
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameUserProcess(c.pid), c.same) << c.pid;
    EXPECT_EQ(PipeClientProcess(INVALID_HANDLE_VALUE), 0u);
}

TEST(WinInstanceChannel, LaterStartIsAnsweredByTheRunningOne)
{
    const QString name = QStringLiteral("HoraltoTest-%1").arg(QRandomGenerator::global()->generate());
    WinInstanceChannel running(name), later(name);
    EXPECT_EQ(later.ask("pause", false).kind, InstanceChannel::Reply::Kind::NoneRuns);
    ASSERT_EQ(running.ask("start", true).kind, InstanceChannel::Reply::Kind::Claimed);
    ASSERT_TRUE(running.listen([](const QByteArray& request) { return "did " + request; }));

    std::optional<InstanceChannel::Reply> reply;
    std::atomic<bool> done = false;
    std::thread asking([&] {
        reply = later.ask("pause", true);
        done = true;
    });
    QTest::qWaitFor([&] { return done.load(); }, 10000);
    asking.join();
    EXPECT_EQ(reply->kind, InstanceChannel::Reply::Kind::Answered);
    EXPECT_EQ(reply->answer, "did pause");
}

TEST(WinProgramDir, InstalledUnderProgramFilesKeepsFilesElsewhere)
{
    qputenv("ProgramFiles", "C:\\Program Files");
    qputenv("ProgramFiles(x86)", "C:\\Program Files (x86)");
    const struct {
        const char* dir;
        bool own;
    } cases[] = {
        {"C:/Program Files/Horalto", false},
        {"c:/program files/horalto", false},
        {"C:/Program Files (x86)/Horalto", false},
        {"C:/Program Files", false},
        {"C:/Program Files Horalto", true},
        {"D:/比赛/Horalto", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OwnProgramDir(QString::fromUtf8(c.dir), 0, 0), c.own) << c.dir;
}
