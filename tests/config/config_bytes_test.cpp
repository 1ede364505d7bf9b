// config.ini as users keep it: encodings and line ends, locked files and links, the user's own
// file when the program directory is read-only, one write per start, leftover temporary files.
#include "config/AtomicFile.h"
#include "config/ConfigFile.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

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

mode_t modeOf(const QString& path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode;
}

const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kGbkPrompt = "\xCC\xE1\xCA\xBE\xD2\xF4";             // 提示音
const QByteArray kUtf8Prompt = "\xE6\x8F\x90\xE7\xA4\xBA\xE9\x9F\xB3"; // 提示音
const QString kForeignPath = QStringLiteral("/opt/françois/😀/한.wav");
const QByteArray kForeignGb18030 = "/opt/fran\x81\x30\x8A\x34ois/\x94\x39\xFC\x36/\x83\x36\x84\x33.wav";

TEST(ConfigBytes, FilesInBytesOut)
{
    struct Case {
        const char* name;
        QByteArray before;   // the file as the user left it; empty: no file
        QString readKey;     // read in [S] first: the value must come back, nothing written
        QString readValue;
        QString key, value;  // then written in [S]
        QByteArray after;    // the file afterwards
        mode_t mode = 0644;
        bool link = false;   // config.ini is a link to real.ini
    };
    const std::vector<Case> cases = {
        {"GBK file keeps every other byte", "[S]\r\nTSWAV=" + kGbkPrompt + "\r\nx=1\r\n", "TSWAV", "提示音", "x", "提示音",
         "[S]\r\nTSWAV=" + kGbkPrompt + "\r\nx=" + kGbkPrompt + "\r\n"},
        {"characters GBK lacks round trip", "", "", "", "TSWAV", kForeignPath,
         "[S]\r\nTSWAV=" + kForeignGb18030 + "\r\n"},
        {"byte-order mark: first section read, file stays UTF-8", kBom + "[S]\r\nJSSS=22\r\n", "JSSS", "22", "TSWAV",
         "提示音", kBom + "[S]\r\nJSSS=22\r\nTSWAV=" + kUtf8Prompt + "\r\n"},
        {"UTF-8 without mark, LF", "[S]\nShowinfoTxt=\xE7\xAC\xAC\xE5\x8D\x81\xE5\xB1\x8A\n", "ShowinfoTxt", "第十届",
         "TSWAV", kForeignPath, "[S]\nShowinfoTxt=\xE7\xAC\xAC\xE5\x8D\x81\xE5\xB1\x8A\nTSWAV=" + kForeignPath.toUtf8() + "\n"},
        {"LF file keeps LF for new lines", "[T]\nk=v\n[S]\na=1", "a", "1", "b", "2", "[T]\nk=v\n[S]\na=1\nb=2\n"},
        {"locked file (mode 444) is not written", "[S]\r\nx=1\r\n", "x", "1", "x", "2", "[S]\r\nx=1\r\n", 0444},
        {"link: target written, link and mode kept", "[S]\r\nx=1\r\n", "x", "1", "x", "2", "[S]\r\nx=2\r\n", 0640, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWorld w;
        const ConfigFile cfg(w.dir);
        const QString real = c.link ? w.path("real.ini") : w.iniPath();
        if (!c.before.isEmpty() || c.link) {
            writeBytes(real, c.before);
            ::chmod(QFile::encodeName(real).constData(), c.mode);
        }
        if (c.link)
            ASSERT_TRUE(QFile::link("real.ini", w.iniPath()));
        if (!c.readKey.isEmpty()) {
            EXPECT_EQ(cfg.ReadIniText("S", c.readKey, "default"), c.readValue);
            EXPECT_EQ(readBytes(real), c.before);
        }
        const bool written = cfg.WriteIniText("S", c.key, c.value);
        EXPECT_EQ(written, c.after != c.before);
        EXPECT_EQ(readBytes(real), c.after);
        EXPECT_EQ(cfg.PeekIniText("S", c.key), written ? c.value : c.readValue);
        if (!c.before.isEmpty())
            EXPECT_EQ(modeOf(real) & 07777, c.mode);
        EXPECT_EQ(QFileInfo(w.iniPath()).isSymLink(), c.link);
        EXPECT_EQ(QDir(w.tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), c.link ? 2 : 1);
    }
}

// One start of the program on `file` (none when null), with the defaults batched or written one
// by one as each is read.
struct StartRun {
    QByteArray bytes;
    int writes = 0;
    bool writtenBeforeMessage = true;
};
StartRun Start(TestApp& t, const QByteArray& file, bool batched)
{
    t.app.reset();
    t.w.hotkeys.registered.clear();
    t.w.timers.made.clear();
    t.w.dialogs.warnings.clear();
    QFile::remove(t.w.iniPath());
    if (!file.isNull())
        writeBytes(t.w.iniPath(), file);
    StartRun r;
    AtomicFile::setBeforeRename([&](const QString&) {
        ++r.writes;
        r.writtenBeforeMessage = r.writtenBeforeMessage && t.w.dialogs.warnings.empty();
        return true;
    });
    ConfigFile::setBatching(batched);
    t.app = std::make_unique<App>(t.w.services);
    t.app->Start();
    ConfigFile::setBatching(true);
    AtomicFile::setBeforeRename({});
    r.bytes = t.w.iniBytes();
    return r;
}

TEST(ConfigBytes, StartWritesItsDefaultsOnceWithTheBytesOfOneWriteEach)
{
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"fresh", QByteArray()},
        {"partly filled", "; mine\r\n[fangANselect]\r\nJsFangAnId = 2\r\n[JSSET2]\r\nJSSS=\r\nJSMM=01\r\n\r\n"
                          "[COMMSET]\r\nHotKeyDesc3=F7\r\n[TSSET2]\r\nTSSS5=10"},
        {"configuration error", "[JSSET1]\r\nJSHH=24\r\n"},
    };
    for (const auto& [name, file] : files) {
        SCOPED_TRACE(name);
        TestApp t;
        const StartRun oneByOne = Start(t, file, false);
        const StartRun batched = Start(t, file, true);
        EXPECT_GT(oneByOne.writes, 10);
        EXPECT_EQ(batched.writes, 1);
        EXPECT_EQ(batched.bytes, oneByOne.bytes);
        EXPECT_TRUE(batched.writtenBeforeMessage);
        EXPECT_EQ(t.w.dialogs.warnings.size(), std::string(name) == "configuration error" ? 1u : 0u);
    }
    // A complete file is not written at all.
    TestApp t;
    const StartRun first = Start(t, QByteArray(), true);
    EXPECT_EQ(Start(t, first.bytes, true).writes, 0);
}

TEST(ConfigBytes, ExplicitWriteDuringABatchIsOnDiskAtOnce)
{
    FakeWorld w;
    const ConfigFile cfg(w.dir);
    ConfigFile::DefaultsBatch batch(cfg);
    EXPECT_EQ(cfg.ReadIniText("A", "d", "1"), "1");
    EXPECT_EQ(w.iniBytes(), "");
    EXPECT_TRUE(cfg.WriteIniText("A", "x", "2"));
    EXPECT_EQ(w.iniBytes(), "[A]\r\nd=1\r\nx=2\r\n");
    EXPECT_EQ(cfg.ReadIniText("A", "e", "3"), "3");
    batch.commit();
    EXPECT_EQ(w.iniBytes(), "[A]\r\nd=1\r\nx=2\r\ne=3\r\n");
}

TEST(ConfigBytes, ReadOnlyProgramDirectoryUsesTheUsersFileStartedFromTheProgramsOne)
{
    FakeWorld w;
    QTemporaryDir home;
    const FixedDir installed(w.tmp.path(), home.path() + "/cfg", false);
    const ConfigFile cfg(installed);
    const QString own = home.path() + "/cfg/horalto/config.ini";
    EXPECT_EQ(cfg.ConfigFilePath(), own);
    writeBytes(w.path("CONFIG.INI"), "[FangAnSelect]\r\nJsFangAnId=2\r\n");
    EXPECT_EQ(cfg.ReadIniText("FangAnSelect", "JsFangAnId", "1"), "2");
    EXPECT_FALSE(QFile::exists(own)); // nothing to store yet
    EXPECT_TRUE(cfg.WriteIniText("JSSET2", "JSSS", "45"));
    EXPECT_EQ(readBytes(own), "[FangAnSelect]\r\nJsFangAnId=2\r\n[JSSET2]\r\nJSSS=45\r\n");
    EXPECT_EQ(modeOf(home.path() + "/cfg/horalto") & 0777, 0700u);
    writeBytes(w.path("CONFIG.INI"), "[FangAnSelect]\r\nJsFangAnId=3\r\n");
    EXPECT_EQ(cfg.ReadIniText("FangAnSelect", "JsFangAnId", "1"), "2"); // the user's file wins
    EXPECT_EQ(QDir(w.tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"CONFIG.INI"});
}

TEST(ConfigBytes, ConfigurationFolderFromTheEnvironment)
{
    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME"), oldHome = qgetenv("HOME");
    const std::vector<std::tuple<const char*, const char*, QString>> cases = {
        {"/x/cfg/", "/home/u", "/x/cfg"},
        {"relative", "/home/u", "/home/u/.config"},
        {"", "/home/u", "/home/u/.config"},
        {"", "", ""},
    };
    for (const auto& [xdg, home, expected] : cases) {
        qputenv("XDG_CONFIG_HOME", xdg);
        qputenv("HOME", home);
        EXPECT_EQ(ExecutableDir().configHome(), expected) << xdg << " " << home;
    }
    qputenv("XDG_CONFIG_HOME", oldXdg);
    qputenv("HOME", oldHome);
    if (oldXdg.isNull())
        qunsetenv("XDG_CONFIG_HOME");
}

TEST(ConfigBytes, StartRemovesOnlyItsOwnStaleTemporaryFiles)
{
    TestApp t;
    QDir dir(t.w.tmp.path());
    const QStringList stale = {".config.ini.0", ".config.ini.3w5e11264sgsf"};
    const QStringList kept = {".config.ini.fresh1", ".config.ini.ABC", ".config.ini.", ".config.ini.a.b",
                              ".config.ini.3w5e11264sgsfx", ".other.ini.abc", "config.ini.abc", ".config.ini.dir",
                              ".config.ini.link"};
    for (const QString& name : stale + kept) {
        if (name.endsWith(".dir"))
            dir.mkdir(name);
        else if (name.endsWith(".link"))
            QFile::link("config.ini", t.w.path(name));
        else
            writeBytes(t.w.path(name), "x");
        if (name != ".config.ini.fresh1") {
            const utimbuf old{1000, 1000};
            ::utime(QFile::encodeName(t.w.path(name)).constData(), &old);
        }
    }
    ASSERT_TRUE(t.start({"[FangAnSelect]", "JsFangAnId=1"}));
    for (const QString& name : stale)
        EXPECT_FALSE(QFileInfo::exists(t.w.path(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFileInfo(t.w.path(name)).exists() || QFileInfo(t.w.path(name)).isSymLink()) << name.toStdString();
}

} // namespace
