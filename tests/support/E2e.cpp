#include "support/E2e.h"

#include <QDir>
#include <QDirIterator>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

QString RunTool(const QString& program, const QStringList& args, int timeoutMs)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(1000);
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QStringList FileStates(const QString& dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        out << f.filePath() + ' ' + QString::number(f.size()) + ' ' + f.lastModified().toString(Qt::ISODateWithMs);
    }
    out.sort();
    return out;
}

QStringList NobodyLauncher(const QString& home, const QStringList& open)
{
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody)
        return {};
    if (::chown(QFile::encodeName(home).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
        return {};
    for (const QString& p : open)
        ::chmod(QFile::encodeName(p).constData(), 0755);
    return {"setpriv", QString("--reuid=%1").arg(nobody->pw_uid), QString("--regid=%1").arg(nobody->pw_gid),
            "--clear-groups"};
}

ProgramRun::ProgramRun()
{
    const QString exe = QStringLiteral(HORALTO_EXE);
    QFile::copy(exe, path("horalto"));
    QFile(path("horalto")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::copy(QStringLiteral(HORALTO_SOUND_MODULE), path("horalto-sound.so"));
    QFile::copy(QStringLiteral(HORALTO_REMOTE_MODULE), path("horalto-remote.so"));
    QDir().mkpath(path("wav"));
    const QDir wavs(QFileInfo(exe).absolutePath() + "/wav");
    for (const QString& f : wavs.entryList(QDir::Files))
        QFile::copy(wavs.filePath(f), path("wav/" + f));
}

ProgramRun::~ProgramRun()
{
    if (proc_.state() != QProcess::NotRunning) {
        proc_.kill();
        proc_.waitForFinished(3000);
    }
}

void ProgramRun::writeIni(const QStringList& lines) const
{
    QFile f(path("config.ini"));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QStringEncoder enc("GBK");
    f.write(enc.encode(lines.join("\r\n") + "\r\n"));
}

QStringList ProgramRun::iniLines() const
{
    QFile f(path("config.ini"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder dec("GBK");
    QStringList lines = QString(dec.decode(f.readAll())).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool ProgramRun::start(const QStringList& launcher, const QList<QPair<QString, QString>>& extra, const QString& program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    env.insert("XDG_DATA_HOME", path("data")); // the timing records stay in the test's directory
    for (const auto& [name, value] : extra) {
        if (value.isEmpty())
            env.remove(name);
        else
            env.insert(name, value);
    }
    proc_.setProcessEnvironment(env);
    proc_.setWorkingDirectory("/");
    proc_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString exe = program.isEmpty() ? path("horalto") : program;
    if (launcher.isEmpty())
        proc_.start(exe, {});
    else
        proc_.start(launcher.first(), launcher.mid(1) << exe);
    return proc_.waitForStarted(10000);
}

int ProgramRun::waitForEnd(int timeoutMs)
{
    if (!proc_.waitForFinished(timeoutMs))
        return -1;
    return proc_.exitStatus() == QProcess::NormalExit ? proc_.exitCode() : -1;
}

QString ProgramRun::findWindow(const QString& name, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        const QString out = RunTool("xdotool", {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(name) + "$"});
        if (!out.isEmpty())
            return out.split('\n').first();
        QThread::msleep(100);
    }
    return QString();
}

QStringList ProgramRun::visibleWindows() const
{
    const QString out = RunTool("xdotool", {"search", "--onlyvisible", "--pid", QString::number(proc_.processId()), "--name", "."});
    return out.isEmpty() ? QStringList() : out.split('\n');
}

QRect ProgramRun::geometry(const QString& windowId)
{
    const QString out = RunTool("xdotool", {"getwindowgeometry", "--shell", windowId});
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString& line : out.split('\n')) {
        const QString v = line.section('=', 1);
        if (line.startsWith("X=")) x = v.toInt();
        else if (line.startsWith("Y=")) y = v.toInt();
        else if (line.startsWith("WIDTH=")) w = v.toInt();
        else if (line.startsWith("HEIGHT=")) h = v.toInt();
    }
    return QRect(x, y, w, h);
}

void ProgramRun::click(QPoint p, int button)
{
    RunTool("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
    QThread::msleep(50);
    RunTool("xdotool", {"click", QString::number(button)});
}

void ProgramRun::key(const QString& keys)
{
    RunTool("xdotool", {"key", keys});
}

QImage ProgramRun::screenshot()
{
    QProcess p;
    p.start("import", {"-window", "root", "png:-"});
    p.waitForFinished(15000);
    QImage img;
    img.loadFromData(p.readAllStandardOutput(), "PNG");
    return img;
}

int ProgramRun::counterSeconds(const QString& mainWindowId)
{
    const QRect area = QRect(24, 86, 381, 111).translated(geometry(mainWindowId).topLeft());
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QImage shot = screenshot().copy(area);
        // Red digits become black on white, with a margin, at half size: what tesseract reads best.
        QImage bw(shot.width() + 60, shot.height() + 60, QImage::Format_Grayscale8);
        bw.fill(255);
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 80)
                    bw.setPixel(x + 30, y + 30, qRgb(0, 0, 0));
            }
        QTemporaryDir dir;
        const QString file = dir.filePath("counter.png");
        bw.scaled(bw.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(file);
        const QString text = RunTool("tesseract", {file, "-", "--psm", "7", "-c", "tessedit_char_whitelist=0123456789:"});
        const auto m = QRegularExpression("^(\\d\\d):(\\d\\d):(\\d\\d)$").match(text.trimmed());
        if (m.hasMatch())
            return m.captured(1).toInt() * 3600 + m.captured(2).toInt() * 60 + m.captured(3).toInt();
    }
    return -1;
}

