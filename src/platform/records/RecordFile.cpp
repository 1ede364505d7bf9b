#include "platform/records/RecordStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
void Report(const QString& what, const QString& path, int error)
{
    std::fprintf(stderr, "Horalto: %s %s: %s\n", qPrintable(what), qPrintable(path), std::strerror(error));
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
    const QByteArray name = QFile::encodeName(path_);
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        Report(QStringLiteral("cannot write the timing record to"), path_, errno);
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
    const int error = errno;
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
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

bool RecordFile::clear()
{
    const QByteArray from = QFile::encodeName(path_);
    const QByteArray to = QFile::encodeName(path_ + QStringLiteral(".bak"));
    if (::rename(from.constData(), to.constData()) != 0 && errno != ENOENT) {
        Report(QStringLiteral("cannot move the timing records aside:"), path_, errno);
        return false;
    }
    emit changed();
    return true;
}
