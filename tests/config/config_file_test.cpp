#include "config/AtomicFile.h"
#include "config/ConfigFile.h"
#include "platform/ProgramEnv.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList dirEntries(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Sets or clears the immutable flag of a directory; false when the system does not allow it.
bool setImmutable(const QString& dir, bool on)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

struct ConfigFileTest : ::testing::Test {
    FakeWorld w;
    ConfigFile cfg{w.dir};
};

TEST_F(ConfigFileTest, EmptyOrBlankValueReadsDefaultAndWritesItInPlace)
{
    w.writeIni({"[JSSET1]", "JSHH=00", "JSSS=", "JSMM=   ", "JSFX=1"});
    const QByteArray before = w.iniBytes();
    EXPECT_EQ(cfg.PeekIniText("JSSET1", "JSSS"), std::nullopt);
    EXPECT_EQ(cfg.PeekIniText("JSSET1", "none"), std::nullopt);
    EXPECT_EQ(cfg.PeekIniText("JSSET1", "JSFX"), "1");
    EXPECT_EQ(w.iniBytes(), before); // peeking writes nothing
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSSS", "30"), "30");
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSMM", "00"), "00");
    EXPECT_EQ(w.iniBytes(), "[JSSET1]\r\nJSHH=00\r\nJSSS=30\r\nJSMM=00\r\nJSFX=1\r\n");
    // A present value is returned without writing anything.
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSHH", "99"), "00");
    EXPECT_EQ(cfg.ReadIniText("jsset1", "jssS", "99"), "30");
    EXPECT_EQ(w.iniBytes(), "[JSSET1]\r\nJSHH=00\r\nJSSS=30\r\nJSMM=00\r\nJSFX=1\r\n");
}

TEST_F(ConfigFileTest, MissingFileIsBuiltFromDefaultsAsKeysAreRead)
{
    EXPECT_EQ(cfg.ConfigFilePath(), w.iniPath());
    EXPECT_EQ(cfg.ReadIniText("FangAnSelect", "JsFangAnId", "1"), "1");
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSHH", "00"), "00");
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSSS", "30"), "30");
    EXPECT_EQ(cfg.ReadIniText("FangAnSelect", "Other", "x"), "x");
    EXPECT_EQ(w.iniBytes(), "[FangAnSelect]\r\nJsFangAnId=1\r\nOther=x\r\n"
                            "[JSSET1]\r\nJSHH=00\r\nJSSS=30\r\n");
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSSS", "99"), "30");
    EXPECT_EQ(dirEntries(w.tmp.path()), QStringList{"config.ini"});
}

TEST_F(ConfigFileTest, SectionsAndKeysMatchWithoutRegardToCase)
{
    w.writeIni({"[jsset2]", "jshh=05", "[JSSET3]", "JSHH=07"});
    EXPECT_EQ(cfg.ReadIniText("JSSET2", "JSHH", "00"), "05");
    cfg.WriteIniText("JsSet2", "JsHh", "06");
    EXPECT_EQ(w.iniLines(), (QStringList{"[jsset2]", "jshh=06", "[JSSET3]", "JSHH=07"}));
    // A section with the number in front is another section.
    EXPECT_EQ(cfg.ReadIniText("2JSSET", "JSHH", "00"), "00");
    EXPECT_EQ(w.iniLines().mid(4), (QStringList{"[2JSSET]", "JSHH=00"}));
}

TEST_F(ConfigFileTest, ReplacingAValueKeepsEveryOtherByte)
{
    const QByteArray before = "; kept comment\r\n"
                              "stray line before any section\n"
                              "[S]\r\n"
                              "bad=\x81\x20\xff\r\n"
                              "  key = old  \r\n"
                              "\r\n"
                              "garbage without equals\r\n"
                              "[T]\n"
                              "x=1";
    writeBytes(w.iniPath(), before);
    cfg.WriteIniText("s", "KEY", "提示");
    QByteArray expected = before;
    expected.replace("  key = old  ", "key=\xcc\xe1\xca\xbe");
    EXPECT_EQ(w.iniBytes(), expected);
    EXPECT_EQ(cfg.ReadIniText("S", "key", ""), "提示");
    EXPECT_EQ(cfg.ReadIniText("T", "x", ""), "1");

    // A new key goes after the section's last entry; the unterminated last line gets its end.
    cfg.WriteIniText("S", "added", "v");
    cfg.WriteIniText("T", "y", "2");
    expected.replace("key=\xcc\xe1\xca\xbe\r\n", "key=\xcc\xe1\xca\xbe\r\nadded=v\r\n");
    expected += "\r\ny=2\r\n";
    EXPECT_EQ(w.iniBytes(), expected);
}

TEST_F(ConfigFileTest, TextIsGbkOnDisk)
{
    cfg.WriteIniText("WAVSET1", "TSWAV", "提示音.wav");
    EXPECT_TRUE(w.iniBytes().contains(QByteArray("\r\nTSWAV=\xCC\xE1\xCA\xBE\xD2\xF4\x2E\x77\x61\x76\r\n")));
    EXPECT_EQ(cfg.ReadIniText("WAVSET1", "TSWAV", ""), "提示音.wav");
}

TEST_F(ConfigFileTest, LongValuesAreReadWhole)
{
    // 300 bytes: "/d/", 148 Chinese characters and "x"; no cut may split a character or drop
    // the tail.
    const QString path = "/d/" + QString(148, QChar(0x63D0)) + "x"; // 提
    w.writeIni({"[WAVSET1]", "JSWAV=" + path});
    ASSERT_EQ(w.iniBytes().size(), qsizetype(sizeof("[WAVSET1]\r\nJSWAV=\r\n") - 1 + 300));
    EXPECT_EQ(cfg.ReadIniText("WAVSET1", "JSWAV", "def"), path);
}

TEST_F(ConfigFileTest, CrashBeforeRenameLeavesOldFileIntact)
{
    w.writeIni({"[JSSET1]", "JSSS=30"});
    const QByteArray old = w.iniBytes();
    QByteArray tempContent;
    AtomicFile::setBeforeRename([&](const QString& temp) {
        tempContent = readBytes(temp);
        return false;
    });
    cfg.WriteIniText("JSSET1", "JSSS", "45");
    AtomicFile::setBeforeRename({});

    EXPECT_EQ(tempContent, "[JSSET1]\r\nJSSS=45\r\n"); // the new content was complete
    EXPECT_EQ(w.iniBytes(), old);
    EXPECT_EQ(cfg.ConfigFilePath(), w.iniPath()); // the leftover temporary file is not taken for it
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSSS", "00"), "30");
    cfg.WriteIniText("JSSET1", "JSSS", "50");
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSSS", "00"), "50");
}

TEST_F(ConfigFileTest, ExistingFileNamedInAnotherCaseIsUsed)
{
    const QString upper = w.path("Config.ini");
    writeBytes(upper, "[FangAnSelect]\r\nJsFangAnId=3\r\n");
    EXPECT_EQ(cfg.ConfigFilePath(), upper);
    EXPECT_EQ(cfg.ReadIniText("FangAnSelect", "JsFangAnId", "1"), "3");
    cfg.WriteIniText("FangAnSelect", "JsFangAnId", "4");
    EXPECT_EQ(cfg.ReadIniText("JSSET4", "JSSS", "30"), "30");
    EXPECT_EQ(readBytes(upper), "[FangAnSelect]\r\nJsFangAnId=4\r\n[JSSET4]\r\nJSSS=30\r\n");
    EXPECT_EQ(dirEntries(w.tmp.path()), QStringList{"Config.ini"});
}

TEST_F(ConfigFileTest, FailedWritesPassSilently)
{
    // The program directory is a plain file: nothing can be created in it.
    writeBytes(w.path("notadir"), "x");
    FixedDir broken(w.path("notadir"));
    ConfigFile bad(broken);
    EXPECT_EQ(bad.ReadIniText("JSSET1", "JSSS", "30"), "30");
    EXPECT_NO_THROW(bad.WriteIniText("JSSET1", "JSSS", "45"));
    EXPECT_EQ(bad.ReadIniInt("JSSET1", "JSFX", 1), 1);
    EXPECT_EQ(readBytes(w.path("notadir")), "x");
}

TEST_F(ConfigFileTest, ReadOnlyDirectoryKeepsTheOldFile)
{
    w.writeIni({"[JSSET1]", "JSSS=30"});
    const QByteArray old = w.iniBytes();
    QFile::setPermissions(w.tmp.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool immutable = ::access(QFile::encodeName(w.tmp.path()).constData(), W_OK) == 0
        && setImmutable(w.tmp.path(), true); // permissions do not stop root
    if (::access(QFile::encodeName(w.tmp.path()).constData(), W_OK) == 0 && !immutable) {
        QFile::setPermissions(w.tmp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "cannot make a directory read-only here";
    }
    cfg.WriteIniText("JSSET1", "JSSS", "45");
    EXPECT_EQ(cfg.ReadIniText("JSSET1", "JSHH", "00"), "00");
    const QByteArray after = w.iniBytes();
    if (immutable)
        setImmutable(w.tmp.path(), false);
    QFile::setPermissions(w.tmp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(after, old);
    EXPECT_EQ(dirEntries(w.tmp.path()), QStringList{"config.ini"});
}

TEST_F(ConfigFileTest, ReadIniIntTakesLeadingDigits)
{
    w.writeIni({"[JSSET1]", "JSFX= 1", "A=7x", "B=abc", "C=-5", "D=32767", "E=40000", "F=",
                "G=000000000000012", "H=99999999999999999999"});
    const QByteArray before = w.iniBytes();
    EXPECT_EQ(cfg.ReadIniInt("JSSET1", "JSFX", 0), 1);
    EXPECT_EQ(cfg.ReadIniInt("JSSET2", "JSFX", 0), 0);
    EXPECT_EQ(cfg.ReadIniInt("JSSET1", "missing", -3), -3);
    EXPECT_EQ(cfg.ReadIniInt("JSSET1", "F", 9), 9);
    EXPECT_EQ(cfg.ReadIniInt("JSSET1", "A", 0), 7);
    EXPECT_EQ(cfg.ReadIniInt("JSSET1", "B", 9), 0);
    EXPECT_EQ(cfg.ReadIniInt("JSSET1", "C", 9), 0);
    EXPECT_EQ(cfg.ReadIniInt("JSSET1", "D", 0), 32767);
    EXPECT_EQ(cfg.ReadIniInt("JSSET1", "G", 0), 12);
    EXPECT_THROW(cfg.ReadIniInt("JSSET1", "E", 0), ConfigError);
    EXPECT_THROW(cfg.ReadIniInt("JSSET1", "H", 0), ConfigError);
    EXPECT_EQ(w.iniBytes(), before); // defaults are never written

    cfg.WriteIniInt("JSSET1", "JSFX", 0);
    cfg.WriteIniInt("JSSET1", "New", -12);
    EXPECT_EQ(w.iniLines().mid(1, 1), QStringList{"JSFX=0"});
    EXPECT_EQ(w.iniLines().last(), "New=-12");
}

TEST_F(ConfigFileTest, FirstSectionAndFirstKeyWin)
{
    w.writeIni({"[A]", "k=1", "k=2", "[B]", "k=b", "[a]", "k=3", "j=4"});
    EXPECT_EQ(cfg.ReadIniText("A", "k", ""), "1");
    // "j" of the second [a] is not seen; its default goes into the first section.
    EXPECT_EQ(cfg.ReadIniText("A", "j", "d"), "d");
    cfg.WriteIniText("A", "K", "9");
    EXPECT_EQ(w.iniLines(), (QStringList{"[A]", "k=9", "k=2", "j=d", "[B]", "k=b", "[a]", "k=3", "j=4"}));
}

TEST_F(ConfigFileTest, EmptyTextLeavesKeyWithoutValue)
{
    w.writeIni({"[InfoTxtSet]", "ShowinfoTxt=hello"});
    cfg.WriteIniText("InfoTxtSet", "ShowinfoTxt", "");
    EXPECT_EQ(w.iniLines(), (QStringList{"[InfoTxtSet]", "ShowinfoTxt="}));
    EXPECT_EQ(cfg.ReadIniText("InfoTxtSet", "ShowinfoTxt", "credit"), "credit");
    EXPECT_EQ(w.iniLines(), (QStringList{"[InfoTxtSet]", "ShowinfoTxt=credit"}));
}

TEST_F(ConfigFileTest, EveryCallSeesTheFileAsItIsNow)
{
    w.writeIni({"[COMMSET1]", "DouDong=No"});
    EXPECT_EQ(cfg.ReadIniText("COMMSET1", "DouDong", "No"), "No");
    w.writeIni({"[COMMSET1]", "DouDong=Yes"}); // changed by hand meanwhile
    EXPECT_EQ(cfg.ReadIniText("COMMSET1", "DouDong", "No"), "Yes");
}

} // namespace

// Where an installed program keeps its files: never in its program directory, whoever runs it.
TEST(ProgramDirTest, OnlyTheUsersOwnFolderOutsideTheSystemHoldsTheFiles)
{
    struct Case { const char* dir; unsigned owner, user; bool own; };
    const Case cases[] = {
        {"/usr/lib/x86_64-linux-gnu/horalto", 0, 0, false}, {"/usr/local/lib/horalto", 0, 0, false},
        {"/opt/horalto", 0, 0, false}, {"/opt/horalto", 1000, 1000, false},
        {"/home/ann/horalto/build/release", 1000, 0, false}, {"/home/ann/horalto/build/release", 1000, 1000, true},
        {"/root/horalto/build/release", 0, 0, true}, {"/usrdata/horalto", 1000, 1000, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OwnProgramDir(QString::fromLatin1(c.dir), c.owner, c.user), c.own) << c.dir << " " << c.user;
}
