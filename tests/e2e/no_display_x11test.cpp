// Started where no X display can be opened, the program says so in one line and ends.
#include <QProcess>
#include <gtest/gtest.h>

namespace {
struct Outcome {
    int status;
    QStringList lines;
};

Outcome RunWith(const QString& display)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    if (!display.isEmpty())
        env.insert("DISPLAY", display);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(HORALTO_EXE), {});
    p.waitForFinished(20000);
    const QString err = QString::fromUtf8(p.readAllStandardError()).trimmed();
    return {p.exitCode(), err.split('\n', Qt::SkipEmptyParts)};
}
} // namespace

TEST(EndToEndNoDisplay, SaysSoInOneLineAndEnds)
{
    for (const QString& display : {QString(), QString(":8765")}) {
        const Outcome o = RunWith(display);
        EXPECT_EQ(o.status, 1) << display.toStdString();
        ASSERT_EQ(o.lines.size(), 1) << o.lines.join(" | ").toStdString();
        EXPECT_TRUE(o.lines[0].startsWith("Horalto: ")) << o.lines[0].toStdString();
        EXPECT_TRUE(o.lines[0].contains("display")) << o.lines[0].toStdString();
    }
}
