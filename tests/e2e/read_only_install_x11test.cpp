// The real program in a directory its user may not write (root's, run as nobody; or mode 555):
// its settings go to ~/.config/horalto/config.ini, started from the directory's Config.ini.
#include "support/E2e.h"

#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(EndToEndReadOnlyInstall, SettingsGoToTheUsersConfigurationFolder)
{
    ProgramRun run;
    QTemporaryDir home;
    const QByteArray shipped = "[FangAnSelect]\r\nJsFangAnId=2\r\n[JSSET2]\r\nJSSS=45\r\n";
    QFile f(run.path("Config.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(shipped) == shipped.size());
    f.close();
    // ProgramRun made the directory and the executable private to root.
    const QStringList launcher = NobodyLauncher(home.path(), {run.dir(), run.path("horalto")});
    if (launcher.isEmpty())
        ::chmod(QFile::encodeName(run.dir()).constData(), 0555);

    ASSERT_TRUE(run.start(launcher, {{"HOME", home.path()}, {"XDG_CONFIG_HOME", ""}, {"XDG_RUNTIME_DIR", ""}}));
    const bool shown = !ProgramRun::findWindow("Horalto 计时方案2").isEmpty();
    run.process().kill();
    run.waitForEnd();
    ::chmod(QFile::encodeName(run.dir()).constData(), 0755);
    ASSERT_TRUE(shown) << "the main window of scheme 2 did not appear";

    QFile own(home.path() + "/.config/horalto/config.ini");
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    const QStringList lines = QString(QStringDecoder("GBK").decode(own.readAll())).split("\r\n");
    EXPECT_EQ(lines.mid(0, 5), (QStringList{"[FangAnSelect]", "JsFangAnId=2", "[JSSET2]", "JSSS=45", "JSHH=00"}));
    EXPECT_TRUE(lines.contains("TSWAV=" + run.path("wav/提示音.wav")));
    EXPECT_TRUE(lines.contains("HotKeySetB1=116"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), shipped);
}
