// The files the program writes (stores, reports) only ever replace a regular file: never a device,
// a pipe or a directory, never through a dangling link, never through a link into another
// user's file.
#include "config/AtomicFile.h"
#include "config/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

TEST(FileTarget, OnlyARegularFileOrANewOneIsWrittenAndALinkOnlyToItsOwnersFile)
{
    QTemporaryDir dir;
    const QString d = dir.path() + '/';
    auto put = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("old") == 3;
    };
    ASSERT_TRUE(put(d + "own.csv"));
    ASSERT_TRUE(QDir().mkdir(d + "folder"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(d + "pipe.pdf").constData(), 0644), 0);
    ASSERT_TRUE(put(d + "other.csv"));
    // As root the file can be given to another user; otherwise that kind is not tried.
    const bool others = ::chown(QFile::encodeName(d + "other.csv").constData(), 65534, 65534) == 0;
    for (const auto& [link, target] : {std::pair{"to-own.csv", "own.csv"}, std::pair{"to-device.pdf", "/dev/null"},
                                       std::pair{"dangling.csv", "missing/x.csv"}, std::pair{"to-folder.csv", "folder"},
                                       std::pair{"to-pipe.pdf", "pipe.pdf"}, std::pair{"to-other.csv", "other.csv"}})
        ASSERT_TRUE(QFile::link(QString(target).startsWith('/') ? target : d + target, d + link));
    const struct {
        const char* name;
        bool written;
    } kinds[] = {
        {"new.csv", true},        {"own.csv", true},       {"to-own.csv", true},   {"folder", false},
        {"pipe.pdf", false},      {"/dev/null", false},    {"to-device.pdf", false}, {"dangling.csv", false},
        {"to-folder.csv", false}, {"to-pipe.pdf", false},  {"to-other.csv", !others},
    };
    for (const auto& k : kinds) {
        const QString path = QString(k.name).startsWith('/') ? k.name : d + k.name;
        EXPECT_EQ(FileTargetProblem(path).isEmpty(), k.written) << k.name;
        EXPECT_EQ(AtomicFile::replace(path, "new"), k.written) << k.name;
        if (k.written)
            EXPECT_EQ(ReadRegularFile(path, 10), QByteArray("new")) << k.name;
    }
    EXPECT_FALSE(QFileInfo::exists(d + "missing")) << "nothing created through the dangling link";
    EXPECT_TRUE(QFileInfo(d + "pipe.pdf").isFile() == false && QFileInfo::exists(d + "pipe.pdf"));
    EXPECT_TRUE(QFileInfo(d + "to-device.pdf").isSymLink());
    EXPECT_EQ(ReadRegularFile(d + "to-other.csv", 10).has_value(), !others) << "read through a link to another's file";
}
