// The real program installed where its user may not write (a root-owned directory run as
// "nobody", or a directory without write permission): its settings go to the user's own
// ~/.config/horalto/config.ini, started from the program directory's file.
#include "support/E2e.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void SetMode(const QString& path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
}
} // namespace

TEST(EndToEndReadOnlyInstall, SettingsGoToTheUsersConfigurationFolder)
{
    ProgramRun run;
    QTemporaryDir home;
    const QByteArray shipped = "[FangAnSelect]\r\nJsFangAnId=2\r\n[JSSET2]\r\nJSSS=45\r\n";
    {
        QFile f(run.path("Config.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(shipped);
    }
    QStringList launcher;
    if (::geteuid() == 0) {
        // As root every directory is writable: run as nobody in a directory that stays root's.
        const passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(::chown(QFile::encodeName(home.path()).constData(), nobody->pw_uid, nobody->pw_gid), 0);
        SetMode(run.dir(), 0755);
        SetMode(run.path("horalto"), 0755);
        SetMode(run.path("wav"), 0755);
        SetMode(run.path("Config.ini"), 0644);
        for (const QString& f : QDir(run.path("wav")).entryList(QDir::Files))
            SetMode(run.path("wav/" + f), 0644);
        launcher = {"setpriv", "--reuid=" + QString::number(nobody->pw_uid),
                    "--regid=" + QString::number(nobody->pw_gid), "--clear-groups"};
    } else {
        SetMode(run.dir(), 0555);
    }
    const QStringList before = QDir(run.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    ASSERT_TRUE(run.start(launcher, {{"HOME", home.path()}, {"XDG_CONFIG_HOME", ""}, {"XDG_RUNTIME_DIR", ""}}));
    const bool shown = !ProgramRun::findWindow("Horalto 计时方案2").isEmpty();
    run.process().kill();
    run.waitForEnd();
    SetMode(run.dir(), 0755);
    ASSERT_TRUE(shown) << "the main window of scheme 2 did not appear";

    // The defaults of the start are in the user's file, after the values taken from the
    // program directory's file; the program directory is as it was.
    QStringDecoder gbk("GBK");
    const QStringList own = QString(gbk.decode(ReadBytes(home.path() + "/.config/horalto/config.ini"))).split("\r\n");
    EXPECT_EQ(own.mid(0, 4), (QStringList{"[FangAnSelect]", "JsFangAnId=2", "[JSSET2]", "JSSS=45"}));
    EXPECT_TRUE(own.contains("JSHH=00"));
    EXPECT_TRUE(own.contains("TSWAV=" + run.path("wav/提示音.wav")));
    EXPECT_TRUE(own.contains("HotKeySetB1=116"));
    EXPECT_EQ(ReadBytes(run.path("Config.ini")), shipped);
    EXPECT_EQ(QDir(run.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
}
