// config.ini as users keep it: encodings and line ends, locked files and links, one write per
// start, leftover temporary files.
#include "config/AtomicFile.h"
#include "core/TimeText.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

namespace {
void Put(const QString& path, const QByteArray& bytes, mode_t mode = 0644)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    f.close();
    ::chmod(QFile::encodeName(path).constData(), mode);
}

const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kGbk = "\xCC\xE1\xCA\xBE\xD2\xF4";             // 提示音
const QByteArray kUtf8 = "\xE6\x8F\x90\xE7\xA4\xBA\xE9\x9F\xB3"; // 提示音
const QString kForeign = QStringLiteral("/opt/françois/😀/한.wav");
} // namespace

TEST(ConfigBytes, FilesInBytesOut)
{
    // Key k of [S] reads as `read` (nothing written), then v is set to `value`; with `link`,
    // config.ini links to real.ini.
    struct Case {
        const char* name;
        QByteArray before;
        QString read, value;
        QByteArray after;
        mode_t mode = 0644;
        bool link = false;
    };
    const std::vector<Case> cases = {
        {"GBK", "[S]\r\nk=" + kGbk + "\r\n", "提示音", "提示音", "[S]\r\nk=" + kGbk + "\r\nv=" + kGbk + "\r\n"},
        {"GBK lacks", "[S]\r\nk=a\r\n", "a", kForeign,
         "[S]\r\nk=a\r\nv=/opt/fran\x81\x30\x8A\x34ois/\x94\x39\xFC\x36/\x83\x36\x84\x33.wav\r\n"},
        {"byte-order mark", kBom + "[S]\r\nk=22\r\n", "22", "提示音", kBom + "[S]\r\nk=22\r\nv=" + kUtf8 + "\r\n"},
        {"UTF-8, LF", "[S]\nk=" + kUtf8 + "\n[T]", "提示音", kForeign, "[S]\nk=" + kUtf8 + "\nv=" + kForeign.toUtf8() + "\n[T]"},
        {"LF", "[T]\nk=v\n[S]\nk=1", "1", "2", "[T]\nk=v\n[S]\nk=1\nv=2\n"},
        {"locked", "[S]\r\nk=1\r\n", "1", "2", "[S]\r\nk=1\r\n", 0444},
        {"link", "[S]\r\nk=1\r\n", "1", "2", "[S]\r\nk=1\r\nv=2\r\n", 0640, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWorld w;
        const ConfigFile cfg(w.dir);
        const QString real = w.path(c.link ? "real.ini" : "config.ini");
        Put(real, c.before, c.mode);
        if (c.link)
            QFile::link("real.ini", w.iniPath());
        EXPECT_EQ(cfg.ReadIniText("S", "k", "default"), c.read);
        const bool stored = cfg.WriteIniText("S", "v", c.value);
        EXPECT_EQ(stored, c.after != c.before);
        EXPECT_EQ(w.iniBytes(), c.after); // through the link: its target
        EXPECT_EQ(cfg.PeekIniText("S", "v").value_or("-"), stored ? c.value : "-");
        struct stat st {};
        ::stat(QFile::encodeName(real).constData(), &st);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_EQ(QFileInfo(w.iniPath()).isSymLink(), c.link);
        EXPECT_EQ(QDir(w.tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), c.link ? 2 : 1);
    }
}

namespace {
// The bytes (the program directory as "DIR"), the writes, whether all came before a message.
struct StartRun {
    QByteArray bytes;
    int writes = 0;
    bool early = true;
    std::size_t messages = 0;
};
// One start on `file` (none when null), defaults batched or written one by one as read.
StartRun Start(const QByteArray& file, bool batched)
{
    TestApp t;
    StartRun r;
    if (!file.isNull())
        Put(t.w.iniPath(), file);
    AtomicFile::setBeforeRename([&](const QString&) {
        ++r.writes;
        r.early = r.early && t.w.dialogs.warnings.empty();
        return true;
    });
    ConfigFile::setBatching(batched);
    t.start();
    ConfigFile::setBatching(true);
    AtomicFile::setBeforeRename({});
    r.bytes = t.w.iniBytes().replace(t.w.tmp.path().toUtf8(), "DIR");
    r.messages = t.w.dialogs.warnings.size();
    return r;
}
} // namespace

TEST(ConfigBytes, StartWritesItsDefaultsOnceWithTheBytesOfOneWriteEach)
{
    const std::vector<QByteArray> files = {
        QByteArray(),
        "; mine\r\n[fangANselect]\r\nJsFangAnId = 2\r\n[JSSET2]\r\nJSSS=\r\nJSMM=01\r\n\r\n[COMMSET]\r\nHotKeyDesc3=F7\r\n"
        "[TSSET2]\r\nTSSS5=10",
        "[JSSET1]\r\nJSHH=24\r\n", // a configuration error after many defaults were read
    };
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.constData());
        const StartRun oneByOne = Start(file, false), batched = Start(file, true);
        EXPECT_GT(oneByOne.writes, 10);
        EXPECT_EQ(batched.writes, 1);
        EXPECT_EQ(batched.bytes, oneByOne.bytes);
        EXPECT_TRUE(batched.early);
        EXPECT_EQ(batched.messages, file.contains("24") ? 1u : 0u);
        EXPECT_EQ(Start(batched.bytes, true).writes, 0); // complete now
    }
}

TEST(ConfigBytes, ExplicitWriteDuringABatchIsOnDiskAtOnce)
{
    FakeWorld w;
    const ConfigFile cfg(w.dir);
    ConfigFile::DefaultsBatch batch(cfg);
    cfg.ReadIniText("A", "d", "1");
    EXPECT_TRUE(cfg.WriteIniText("A", "x", "2"));
    EXPECT_EQ(w.iniBytes(), "[A]\r\nd=1\r\nx=2\r\n");
}

TEST(ConfigBytes, StartRemovesOnlyItsOwnStaleTemporaryFiles)
{
    TestApp t;
    const QStringList stale = {".config.ini.0", ".config.ini.3w5e11264sgsf"};
    const QStringList kept = {".config.ini.new", ".config.ini.ABC", ".config.ini.3w5e11264sgsfx", ".other.ini.abc",
                              "config.ini.abc", ".config.ini.dir"};
    QDir(t.w.tmp.path()).mkdir(".config.ini.dir");
    const utimbuf old{1000, 1000};
    for (const QString& name : stale + kept) {
        if (!name.endsWith(".dir"))
            Put(t.w.path(name), "x");
        if (name != ".config.ini.new") // .new: a write of another running copy
            ::utime(QFile::encodeName(t.w.path(name)).constData(), &old);
    }
    ASSERT_TRUE(t.start({"[FangAnSelect]", "JsFangAnId=1"}));
    for (const QString& name : stale + kept)
        EXPECT_EQ(QFileInfo::exists(t.w.path(name)), kept.contains(name)) << name.toStdString();
}

TEST(ConfigBytes, EachFileIsReadInTheEncodingItWasWrittenIn)
{
    // config.ini holding `file` (with `written` stored under [S] v by the program when given)
    // reads [S] k as `k` and v as `written`, now and after the program is started anew.
    QStringEncoder enc("GBK");
    auto gbk = [&](const QString& s) { return QByteArray(enc.encode(s)); };
    struct Case { const char* name; QByteArray file; QString k, written; };
    const std::vector<Case> cases = {
        {"GBK that is valid UTF-8", "[S]\r\nk=" + gbk("时示录学校陆石魏") + "\r\n", "时示录学校陆石魏"},
        {"GBK value written into ASCII", "[S]\r\nk=a\r\n", "a", "/home/u/学校/tone.wav"},
        {"GBK of an earlier version",
         gbk("[InfoTxtSet]\r\nShowinfoTxt=第三届演讲比赛\r\n[S]\r\nk=C:\\计时\\wav\\提示音.wav\r\n"), "C:\\计时\\wav\\提示音.wav"},
        {"UTF-8 with the mark", kBom + QStringLiteral("[S]\r\nk=提示音\r\n").toUtf8(), "提示音"},
        {"UTF-8 without the mark", QStringLiteral("[T]\nt=第三届演讲比赛\n[S]\nk=提示音\n").toUtf8(), "提示音"},
        {"short GBK value", "[A]\r\nx=1\r\n[S]\r\nk=" + gbk("演讲") + "\r\n", "演讲"},
        {"short UTF-8 value", QStringLiteral("[A]\r\nx=1\r\n[S]\r\nk=演讲\r\n").toUtf8(), "演讲"},
        // A value the program writes never changes how the rest is read: the file keeps its
        // encoding however the new bytes look.
        {"GBK written that is UTF-8 alone", "[S]\r\nk=" + gbk("学校") + "\r\n", "学校", QStringLiteral("袗")},
        {"UTF-8 left with Latin letters", QStringLiteral("[S]\r\nk=café\r\nv=第三届\r\n").toUtf8(), "café", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWorld w;
        Put(w.iniPath(), c.file);
        if (!c.written.isNull())
            EXPECT_TRUE(ConfigFile(w.dir).WriteIniText("S", "v", c.written));
        EXPECT_EQ(ConfigFile(w.dir).PeekIniText("S", "k"), c.k);
        EXPECT_EQ(ConfigFile(w.dir).PeekIniText("S", "v").value_or(QString()), c.written);
    }
}

TEST(ConfigBytes, AConfigurationThatIsNoRegularFileOfAUsableSizeEndsTheStart)
{
    for (const char* make : {"mkfifo config.ini", "ln -s /dev/zero config.ini", "truncate -s 17M config.ini"}) {
        TestApp t;
        ASSERT_EQ(QProcess::execute("sh", {"-c", QString("cd '%1' && %2").arg(t.w.tmp.path(), make)}), 0);
        EXPECT_FALSE(t.start()) << make;
        EXPECT_EQ(t.w.dialogs.warnings.size() == 1 ? t.w.dialogs.warnings[0].text : "", ConfigErrorMessage());
        EXPECT_EQ(t.w.end.statuses, std::vector<int>{1});
    }
}
