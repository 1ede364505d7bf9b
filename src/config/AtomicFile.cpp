#include "config/AtomicFile.h"

#include "config/RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

AtomicFile::BeforeRename& beforeRename()
{
    static AtomicFile::BeforeRename hook;
    return hook;
}

bool writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Makes the rename itself durable; a failure here changes nothing about the content.
void syncDirectory(const QByteArray& dir)
{
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Through a symbolic link the link stays and its target gets the new content.
QFileInfo targetOf(const QString& path)
{
    const QFileInfo given(path);
    return QFileInfo(given.exists() ? given.canonicalFilePath() : given.absoluteFilePath());
}

// Temporary files are "." + the file's name + "." + a random number in base 36.
QByteArray tempPrefix(const QFileInfo& target)
{
    return '.' + QFile::encodeName(target.fileName()) + '.';
}

bool isBase36(QByteArrayView s)
{
    // A 64-bit number has at most 13 digits in base 36.
    if (s.isEmpty() || s.size() > 13)
        return false;
    for (const char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
            return false;
    return true;
}

} // namespace

int AtomicFile::removeLeftovers(const QString& path, int minAgeSeconds)
{
    const QFileInfo target = targetOf(path);
    const QByteArray prefix = tempPrefix(target);
    const QDir dir = target.absoluteDir();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    int removed = 0;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray bytes = QFile::encodeName(name);
        if (!bytes.startsWith(prefix) || !isBase36(QByteArrayView(bytes).sliced(prefix.size())))
            continue;
        const QByteArray full = QFile::encodeName(dir.absolutePath()) + '/' + bytes;
        struct stat st {};
        if (::lstat(full.constData(), &st) != 0 || !S_ISREG(st.st_mode) || now - st.st_mtime < minAgeSeconds)
            continue;
        if (::unlink(full.constData()) == 0)
            ++removed;
    }
    return removed;
}

void AtomicFile::setBeforeRename(BeforeRename hook)
{
    beforeRename() = std::move(hook);
}

bool AtomicFile::replace(const QString& path, const QByteArray& bytes)
{
    if (!FileTargetProblem(path).isEmpty())
        return false;
    const QFileInfo target = targetOf(path);
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    const QByteArray dirName = QFile::encodeName(target.absolutePath());

    struct stat old {};
    const bool hadOld = ::stat(targetName.constData(), &old) == 0;
    // The rename would replace a file that the user locked, or that belongs to someone else.
    if (hadOld && (::access(targetName.constData(), W_OK) != 0 || (old.st_mode & 0222) == 0))
        return false;

    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tempName = dirName + '/' + tempPrefix(target)
            + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    bool ok = writeAll(fd, bytes.constData(), bytes.size());
    if (ok && hadOld)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(tempName.constData());
        return false;
    }

    if (beforeRename() && !beforeRename()(QFile::decodeName(tempName)))
        return false;

    if (::rename(tempName.constData(), targetName.constData()) != 0) {
        ::unlink(tempName.constData());
        return false;
    }
    syncDirectory(dirName);
    return true;
}
