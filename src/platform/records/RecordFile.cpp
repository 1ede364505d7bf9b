#include "platform/records/RecordStore.h"

#include "config/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// An errno value of its own: the path names something other than a regular file.
constexpr int kNotRegular = -1;

void Report(const QString& what, const QString& path, int error)
{
    std::fprintf(stderr, "Horalto: %s %s: %s\n", qPrintable(what), qPrintable(path),
                 error == kNotRegular ? "not a regular file" : std::strerror(error));
}

// Opens the regular file at `path` (or the one a link of its owner names) without ever waiting,
// as a named pipe would make open() wait; -1 with the reason in `error` otherwise.
int OpenRegular(const QString& path, int flags, int* error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (!FileTargetProblem(path).isEmpty()) {
        *error = kNotRegular;
        return -1;
    }
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) { // put in its place meanwhile
        ::close(fd);
        *error = kNotRegular;
        return -1;
    }
    return fd;
}
} // namespace

RecordFile::RecordFile(QString path, QString firstLine) : path_(std::move(path)), firstLine_(std::move(firstLine)) {}

QString RecordFile::DefaultPath()
{
    // Only an absolute XDG_DATA_HOME counts; otherwise ~/.local/share.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home))
            return QString();
        base = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(base + QStringLiteral("/horalto/records.csv"));
}

bool RecordFile::append(const QString& line)
{
    if (path_.isEmpty()) {
        std::fprintf(stderr, "Horalto: cannot keep the timing record: no home directory for records.csv\n");
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    int error = 0;
    const int fd = OpenRegular(path_, O_WRONLY | O_APPEND | O_CREAT, &error);
    if (fd < 0) {
        Report(QStringLiteral("cannot write the timing record to"), path_, error);
        return false;
    }
    // A new file starts with the byte-order mark and the column names; a file whose last line
    // lost its line break (edited by hand) gets one first.
    QByteArray bytes;
    struct stat st {};
    char last = '\n';
    if (::fstat(fd, &st) == 0 && st.st_size == 0)
        bytes = "\xEF\xBB\xBF" + firstLine_.toUtf8();
    else if (::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n')
        bytes = "\r\n";
    bytes += line.toUtf8();
    // One write: the line reaches the file whole, whatever happens to the program afterwards.
    ssize_t written;
    do
        written = ::write(fd, bytes.constData(), std::size_t(bytes.size()));
    while (written < 0 && errno == EINTR);
    error = errno;
    // A full disk took part of the line: it is taken back, so no half line stays.
    if (written > 0 && written < bytes.size() && ::fstat(fd, &st) == 0 && ::ftruncate(fd, st.st_size - written) != 0)
        Report(QStringLiteral("cannot take back a part of the timing record in"), path_, errno);
    ::close(fd);
    if (written != bytes.size()) {
        Report(QStringLiteral("cannot write the timing record to"), path_, written < 0 ? error : ENOSPC);
        return false;
    }
    emit changed();
    return true;
}

QString RecordFile::readAll() const
{
    return QString::fromUtf8(ReadRegularFile(path_, std::numeric_limits<qint64>::max()).value_or(QByteArray()));
}

RecordReader RecordFile::reader() const
{
    return [path = path_](qint64 end, qint64 bytes) {
        int error = 0;
        const int fd = OpenRegular(path, O_RDONLY, &error);
        if (fd < 0) {
            if (error != ENOENT)
                Report(QStringLiteral("cannot read the timing records from"), path, error);
            return RecordChunk();
        }
        struct stat st {};
        ::fstat(fd, &st);
        const RecordChunk chunk = RecordChunkBefore(qint64(st.st_size), [fd](qint64 from, qint64 n) {
            QByteArray b(qsizetype(n), Qt::Uninitialized);
            qsizetype got = 0;
            while (got < b.size()) {
                const ssize_t r = ::pread(fd, b.data() + got, size_t(b.size() - got), off_t(from + got));
                if (r < 0 && errno == EINTR)
                    continue;
                if (r <= 0)
                    break;
                got += r;
            }
            b.truncate(got);
            return b;
        }, end, bytes);
        ::close(fd);
        return chunk;
    };
}

QString RecordFile::nextBackup() const
{
    QString name = path_ + QStringLiteral(".bak");
    struct stat st {};
    for (int n = 1; ::lstat(QFile::encodeName(name).constData(), &st) == 0; ++n)
        name = path_ + QStringLiteral(".bak.") + QString::number(n);
    return name;
}

bool RecordFile::clear()
{
    const QByteArray from = QFile::encodeName(path_);
    struct stat st {};
    if (::stat(from.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        Report(QStringLiteral("cannot move the timing records aside:"), path_, kNotRegular);
        return false;
    }
    // A backup that appears meanwhile is not replaced either: the next free name is taken.
    for (int tries = 0; tries < 100; ++tries) {
        const QByteArray to = QFile::encodeName(nextBackup());
        int moved = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
        if (moved != 0 && errno == EINVAL) // a file system that cannot say: the name was free a moment ago
            moved = ::rename(from.constData(), to.constData());
        if (moved == 0 || errno == ENOENT)
            break;
        if (errno != EEXIST) {
            Report(QStringLiteral("cannot move the timing records aside:"), path_, errno);
            return false;
        }
    }
    emit changed();
    return true;
}
