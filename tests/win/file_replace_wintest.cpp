// Whole-file saves and appended records on Windows, on the real file system (under Wine in CI).
#include "config/AtomicFile.h"
#include "config/RegularFile.h"
#include "platform/records/RecordStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <windows.h>

namespace {
QByteArray Content(const QString& path)
{
    return ReadRegularFile(path, 1 << 20).value_or("<none>");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

int Leftovers(const QString& dir)
{
    return int(QDir(dir).entryList({QStringLiteral(".*.ini.*")}, QDir::Files | QDir::Hidden).size());
}
} // namespace

TEST(WinAtomicFile, ReplacesWholeOrNotAtAll)
{
    enum class Old { None, Plain, ReadOnly };
    const struct {
        Old old;
        bool renameGoesAhead;
        bool ok;
        QByteArray after;
        int leftovers;
    } cases[] = {
        {Old::None, true, true, "new", 0},
        {Old::Plain, true, true, "new", 0},
        {Old::ReadOnly, true, false, "old", 0},  // the user's lock holds
        {Old::Plain, false, false, "old", 1},    // killed just before the rename
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/计时 config.ini");
        if (c.old != Old::None)
            Write(path, "old");
        if (c.old == Old::ReadOnly)
            SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                               FILE_ATTRIBUTE_READONLY);
        bool sawTemp = false;
        AtomicFile::setBeforeRename([&](const QString& temp) {
            sawTemp = Content(temp) == "new";
            return c.renameGoesAhead;
        });
        EXPECT_EQ(AtomicFile::replace(path, "new"), c.ok);
        AtomicFile::setBeforeRename({});
        EXPECT_EQ(Content(path), c.after);
        EXPECT_EQ(Leftovers(dir.path()), c.leftovers);
        EXPECT_EQ(sawTemp, c.old != Old::ReadOnly);
        EXPECT_EQ(AtomicFile::removeLeftovers(path, 0), c.leftovers);
        SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                           FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(WinRecordFile, AppendsWholeLines)
{
    const struct {
        QByteArray before; // "<none>": no file
        QByteArray after;
    } cases[] = {
        {"<none>", "\xEF\xBB\xBF" "a,b\r\n1,复位\r\n"},
        {"x\r\n", "x\r\n1,复位\r\n"},
        {"x", "x\r\n1,复位\r\n"}, // a last line without its break gets one first
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/记录/records.csv");
        if (c.before != "<none>") {
            QDir().mkpath(dir.path() + QStringLiteral("/记录"));
            Write(path, c.before);
        }
        RecordFile records(path, QStringLiteral("a,b\r\n"));
        EXPECT_TRUE(records.append(QStringLiteral("1,复位\r\n")));
        EXPECT_EQ(Content(path), c.after);
        const QString backup = records.nextBackup();
        EXPECT_TRUE(records.clear());
        EXPECT_EQ(Content(backup), c.after);
        EXPECT_EQ(records.nextBackup(), path + QStringLiteral(".bak.1"));
    }
}
