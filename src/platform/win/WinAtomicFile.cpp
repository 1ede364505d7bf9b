// Whole-file saves on Windows: the new bytes go into a temporary file beside the old one, are
// flushed to the disk (FlushFileBuffers), and take the old file's place by ReplaceFileW (which
// keeps the old file's attributes and permissions) or, for a new file, MoveFileExW with
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH.
#include "config/AtomicFile.h"
#include "config/RegularFile.h"
#include "platform/win/WinFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

namespace {

AtomicFile::BeforeRename& beforeRename()
{
    static AtomicFile::BeforeRename hook;
    return hook;
}

QFileInfo targetOf(const QString& path)
{
    const QFileInfo given(path);
    return QFileInfo(given.exists() ? given.canonicalFilePath() : given.absoluteFilePath());
}

// Temporary files are "." + the file's name + "." + a random number in base 36.
QString tempPrefix(const QFileInfo& target)
{
    return QLatin1Char('.') + target.fileName() + QLatin1Char('.');
}

bool isBase36(QStringView s)
{
    if (s.isEmpty() || s.size() > 13)
        return false;
    for (const QChar c : s)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z')))
            return false;
    return true;
}

bool writeAll(HANDLE h, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        const DWORD want = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 30));
        if (!WriteFile(h, bytes.constData() + done, want, &n, nullptr) || n == 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

int AtomicFile::removeLeftovers(const QString& path, int minAgeSeconds)
{
    const QFileInfo target = targetOf(path);
    const QString prefix = tempPrefix(target);
    const QDir dir = target.absoluteDir();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int removed = 0;
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = f.fileName();
        if (!name.startsWith(prefix) || !isBase36(QStringView(name).sliced(prefix.size())) || f.isSymLink())
            continue;
        if (f.lastModified().toUTC().secsTo(now) < minAgeSeconds)
            continue;
        if (DeleteFileW(WinPath(f.absoluteFilePath()).c_str()))
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
    const std::wstring targetName = WinPath(target.absoluteFilePath());
    const DWORD attributes = GetFileAttributesW(targetName.c_str());
    const bool hadOld = attributes != INVALID_FILE_ATTRIBUTES;
    // A read-only file is the user's lock against changes; a folder is no file to replace.
    if (hadOld && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;

    QString tempName;
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && h == INVALID_HANDLE_VALUE; ++attempt) {
        tempName = target.absolutePath() + QLatin1Char('/') + tempPrefix(target)
            + QString::number(QRandomGenerator::global()->generate64(), 36);
        h = CreateFileW(WinPath(tempName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const std::wstring temp = WinPath(tempName);
    bool ok = writeAll(h, bytes);
    ok = ok && FlushFileBuffers(h);
    ok = CloseHandle(h) && ok;
    if (!ok) {
        DeleteFileW(temp.c_str());
        return false;
    }

    if (beforeRename() && !beforeRename()(tempName))
        return false;

    bool moved = hadOld && ReplaceFileW(targetName.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                        nullptr, nullptr);
    if (!moved)
        moved = MoveFileExW(temp.c_str(), targetName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!moved) {
        DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}
