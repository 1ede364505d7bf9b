#include "config/AtomicFile.h"

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

} // namespace

void AtomicFile::setBeforeRename(BeforeRename hook)
{
    beforeRename() = std::move(hook);
}

bool AtomicFile::replace(const QString& path, const QByteArray& bytes)
{
    // Through a symbolic link the link stays and its target gets the new content.
    const QFileInfo given(path);
    const QFileInfo target(given.exists() ? given.canonicalFilePath() : given.absoluteFilePath());
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    const QByteArray dirName = QFile::encodeName(target.absolutePath());

    struct stat old {};
    const bool hadOld = ::stat(targetName.constData(), &old) == 0;

    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tempName = dirName + "/." + QFile::encodeName(target.fileName()) + '.'
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
