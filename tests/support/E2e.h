#pragma once
// Running the real executable in a temporary program directory under the test's X server,
// and looking at it from outside with xdotool and screenshots.
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

// Runs a command to its end; its standard output (trimmed), or a null string when it failed.
QString RunTool(const QString& program, const QStringList& args, int timeoutMs = 10000);

// Every file under `dir` (sockets too) with its size and time of change: what a program touched.
QStringList FileStates(const QString& dir);

// A launcher (setpriv) that runs a program as "nobody" when the test runs as root, who may write
// anywhere: `home` is given to nobody, and the folders `open` become readable to it. Empty when
// the test does not run as root.
QStringList NobodyLauncher(const QString& home, const QStringList& open);

class ProgramRun {
public:
    // Copies the executable and its wav/ directory into a fresh program directory.
    ProgramRun();
    ~ProgramRun();

    QString dir() const { return tmp_.path(); }
    QString path(const QString& name) const { return tmp_.path() + "/" + name; }
    // config.ini from lines, GBK with CR LF.
    void writeIni(const QStringList& lines) const;
    // config.ini decoded, one entry a line.
    QStringList iniLines() const;

    // Starts the program (`program`, else the one in this directory), through `launcher` when
    // given (for example setpriv with its arguments), with `env` added to the environment (an
    // empty value removes a variable).
    bool start(const QStringList& launcher = {}, const QList<QPair<QString, QString>>& env = {},
               const QString& program = {});

    // Waits for the program to end; its exit status, or -1 when it did not end in time.
    int waitForEnd(int timeoutMs = 10000);
    QProcess& process() { return proc_; }

    // The X window id of the visible window whose name matches exactly; 0 when none in time.
    static QString findWindow(const QString& name, int timeoutMs = 10000);
    // Visible top-level windows of this program's process (ids).
    QStringList visibleWindows() const;
    // Geometry of a window on the screen.
    static QRect geometry(const QString& windowId);
    // A left click at a screen position.
    static void click(QPoint screenPos, int button = 1);
    static void key(const QString& keys);
    // The whole screen.
    static QImage screenshot();
    // The main window's red counter in seconds, read off the screen by OCR; -1 when unreadable.
    static int counterSeconds(const QString& mainWindowId);

private:
    QTemporaryDir tmp_;
    QProcess proc_;
};

