#include "config/RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

#ifndef _WIN32
// Why a symbolic link at `link` is not followed; empty when it is not a link or may be followed.
QString LinkProblem(const QByteArray& link)
{
    struct stat own {};
    if (::lstat(link.constData(), &own) != 0 || !S_ISLNK(own.st_mode))
        return QString();
    struct stat target {};
    if (::stat(link.constData(), &target) != 0)
        return QCoreApplication::translate("RegularFile", "这是一个指向不存在的文件的链接");
    if (own.st_uid != target.st_uid)
        return QCoreApplication::translate("RegularFile", "这是一个指向其他用户的文件的链接");
    return QString();
}
#endif
} // namespace

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes)
{
    if (path.isEmpty())
        return std::nullopt;
    if (path.startsWith(QLatin1Char(':'))) { // compiled-in resource
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || f.size() > maxBytes)
            return std::nullopt;
        return f.readAll();
    }
    const QByteArray name = QFile::encodeName(path);
#ifndef _WIN32
    if (!LinkProblem(name).isEmpty())
        return std::nullopt;
#endif
    // O_NONBLOCK: open() of a named pipe would otherwise wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> result;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxBytes) {
        QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        if (got == bytes.size()) // a file that shrank while read counts as unreadable
            result = std::move(bytes);
    }
    ::close(fd);
    return result;
}

QString FileTargetProblem(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
#ifndef _WIN32
    if (const QString link = LinkProblem(name); !link.isEmpty())
        return link;
#endif
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT ? QString() : QCoreApplication::translate("RegularFile", "无法查看该路径");
    if (S_ISDIR(st.st_mode))
        return QCoreApplication::translate("RegularFile", "这是一个文件夹");
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("RegularFile", "这不是普通文件（是设备、管道或套接字）");
    return QString();
}
