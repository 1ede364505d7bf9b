// `cmake --install` into a temporary DESTDIR: the installed files, the desktop entry and the
// AppStream data validated, and the installed program started from its read-only prefix.
#include "support/E2e.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QStringDecoder>
#include <gtest/gtest.h>

TEST(EndToEndInstall, InstalledFilesValidateAndTheProgramWritesOnlyItsUsersSettings)
{
    ProgramRun run; // its directory holds the installed tree
    QTemporaryDir home;
    QProcess install;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DESTDIR", run.path("root"));
    install.setProcessEnvironment(env);
    install.start("cmake", {"--install", HORALTO_BUILD_DIR, "--prefix", "/usr"});
    ASSERT_TRUE(install.waitForFinished(60000) && install.exitCode() == 0) << install.readAllStandardError().constData();

    const QString usr = run.path("root/usr/"), icons = usr + "share/icons/hicolor/", id = "io.horalto.Horalto";
    const QString programDir = QFileInfo(QFileInfo(usr + "bin/horalto").canonicalFilePath()).path();
    for (const QString& f : {icons + "scalable/apps/" + id + ".svg", icons + "16x16/apps/" + id + ".png",
                             icons + "256x256/apps/" + id + ".png", programDir + "/horalto-sound.so"})
        EXPECT_TRUE(QFileInfo::exists(f)) << qPrintable(f);
    EXPECT_EQ(QProcess::execute("desktop-file-validate", {usr + "share/applications/" + id + ".desktop"}), 0);
    EXPECT_EQ(QProcess::execute("appstreamcli", {"validate", "--no-net", usr + "share/metainfo/" + id + ".metainfo.xml"}), 0);

    const QStringList launcher = NobodyLauncher(home.path(), {run.dir()});
    if (launcher.isEmpty())
        QProcess::execute("chmod", {"-R", "a-w", run.path("root")});
    const QStringList files = FileStates(run.path("root"));
    ASSERT_TRUE(run.start(launcher, {{"HOME", home.path()}, {"XDG_CONFIG_HOME", home.path() + "/cfg"}, {"XDG_RUNTIME_DIR", ""}},
                          usr + "bin/horalto"));
    const bool shown = !ProgramRun::findWindow("Horalto 计时方案1").isEmpty();
    run.process().kill();
    run.waitForEnd();
    QProcess::execute("chmod", {"-R", "u+w", run.path("root")});
    ASSERT_TRUE(shown) << "the installed program did not start";
    EXPECT_EQ(FileStates(run.path("root")), files) << "the program wrote into its prefix";
    QFile ini(home.path() + "/cfg/horalto/config.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString(QStringDecoder("GBK").decode(ini.readAll())).contains("TSWAV=" + programDir + "/wav/提示音.wav"));
}
