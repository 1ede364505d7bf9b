// The files the program writes (stores, reports) only ever replace a regular file: never a device,
// a pipe or a folder, never through a dangling link or a link into another user's file.
#include "config/AtomicFile.h"
#include "config/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

TEST(FileTarget, OnlyARegularFileOrANewOneIsWrittenAndALinkOnlyToItsOwnersFile)
{
    QTemporaryDir dir;
    const QString d = dir.path() + '/';
    for (const char* name : {"own.csv", "other.csv"}) {
        QFile f(d + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir().mkdir(d + "folder") && ::mkfifo(QFile::encodeName(d + "pipe.pdf").constData(), 0644) == 0);
    // As root the file can be given to another user; otherwise that kind is not tried.
    const bool others = ::chown(QFile::encodeName(d + "other.csv").constData(), 65534, 65534) == 0;
    const struct {
        const char* name;
        const char* linkTo; // nothing: the path itself
        bool written;
    } kinds[] = {{"new.csv", nullptr, true},          {"own.csv", nullptr, true},           {"to-own.csv", "own.csv", true},
                 {"folder", nullptr, false},          {"pipe.pdf", nullptr, false},         {"to-device.pdf", "/dev/null", false},
                 {"dangling.csv", "no/x.csv", false}, {"to-folder.csv", "folder", false},   {"to-pipe.pdf", "pipe.pdf", false},
                 {"to-other.csv", "other.csv", !others}};
    for (const auto& k : kinds) {
        const QString path = d + k.name;
        if (k.linkTo)
            ASSERT_TRUE(QFile::link(*k.linkTo == '/' ? QString(k.linkTo) : d + k.linkTo, path));
        EXPECT_EQ(FileTargetProblem(path).isEmpty(), k.written) << k.name;
        EXPECT_EQ(AtomicFile::replace(path, "new"), k.written) << k.name;
        EXPECT_EQ(ReadRegularFile(path, 10) == QByteArray("new"), k.written) << k.name;
    }
    EXPECT_FALSE(QDir(d + "no").exists()) << "nothing created through the dangling link";
    EXPECT_TRUE(QFileInfo(d + "to-device.pdf").isSymLink() && !QFileInfo(d + "pipe.pdf").isFile());
}
