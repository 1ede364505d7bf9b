// records.csv on Windows: each line appended in one write to a handle opened with
// FILE_APPEND_DATA alone, so the line lands at the file's end whole, whoever else appends.
#include "config/RegularFile.h"
#include "platform/ProgramEnv.h"
#include "platform/records/RecordStore.h"
#include "platform/win/WinFiles.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <limits>
#include <windows.h>

namespace {
void Report(const QString& what, const QString& path, const QString& why)
{
    std::fprintf(stderr, "Horalto: %s %s: %s\n", qPrintable(what), qPrintable(QDir::toNativeSeparators(path)),
                 qPrintable(why));
}

// The regular file at `path` with the access asked for; nothing for a pipe, a device or a folder.
HANDLE OpenRegular(const QString& path, DWORD access, DWORD disposition, QString* why)
{
    const HANDLE h = CreateFileW(WinPath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        *why = WinLastErrorText();
        return h;
    }
    if (!WinIsDiskFile(h)) {
        CloseHandle(h);
        *why = QStringLiteral("not a regular file");
        return INVALID_HANDLE_VALUE;
    }
    return h;
}

// Up to `n` bytes at `from`, as pread gives them.
QByteArray ReadAt(HANDLE h, qint64 from, qint64 n)
{
    QByteArray b(qsizetype(n), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < b.size()) {
        OVERLAPPED at {};
        at.Offset = DWORD(quint64(from + got) & 0xffffffffu);
        at.OffsetHigh = DWORD(quint64(from + got) >> 32);
        DWORD r = 0;
        if (!ReadFile(h, b.data() + got, DWORD(std::min<qsizetype>(b.size() - got, 1 << 30)), &r, &at) || r == 0)
            break;
        got += r;
    }
    b.truncate(got);
    return b;
}

qint64 SizeOf(HANDLE h)
{
    LARGE_INTEGER size {};
    return GetFileSizeEx(h, &size) ? size.QuadPart : 0;
}
} // namespace

RecordFile::RecordFile(QString path, QString firstLine) : path_(std::move(path)), firstLine_(std::move(firstLine)) {}

QString RecordFile::DefaultPath()
{
    // Beside the program where it keeps its files, else in the user's %APPDATA%\Horalto.
    const ExecutableDir dir;
    if (dir.writable())
        return dir.path() + QStringLiteral("/records.csv");
    const QString home = dir.configHome();
    return home.isEmpty() ? QString() : home + QStringLiteral("/Horalto/records.csv");
}

bool RecordFile::append(const QString& line)
{
    if (path_.isEmpty()) {
        std::fprintf(stderr, "Horalto: cannot keep the timing record: no folder for records.csv\n");
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QString why;
    const HANDLE h = OpenRegular(path_, FILE_APPEND_DATA | FILE_READ_DATA | SYNCHRONIZE, OPEN_ALWAYS, &why);
    if (h == INVALID_HANDLE_VALUE) {
        Report(QStringLiteral("cannot write the timing record to"), path_, why);
        return false;
    }
    // A new file starts with the byte-order mark and the column names; a file whose last line
    // lost its line break (edited by hand) gets one first.
    QByteArray bytes;
    const qint64 size = SizeOf(h);
    if (size == 0)
        bytes = "\xEF\xBB\xBF" + firstLine_.toUtf8();
    else if (ReadAt(h, size - 1, 1) != "\n")
        bytes = "\r\n";
    bytes += line.toUtf8();
    DWORD written = 0;
    const bool ok = WriteFile(h, bytes.constData(), DWORD(bytes.size()), &written, nullptr) && written == DWORD(bytes.size());
    if (!ok)
        why = WinLastErrorText();
    FlushFileBuffers(h);
    CloseHandle(h);
    if (!ok) {
        Report(QStringLiteral("cannot write the timing record to"), path_, why);
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
        QString why;
        const HANDLE h = OpenRegular(path, GENERIC_READ, OPEN_EXISTING, &why);
        if (h == INVALID_HANDLE_VALUE) {
            if (GetLastError() != ERROR_FILE_NOT_FOUND && GetLastError() != ERROR_PATH_NOT_FOUND)
                Report(QStringLiteral("cannot read the timing records from"), path, why);
            return RecordChunk();
        }
        const RecordChunk chunk = RecordChunkBefore(SizeOf(h), [h](qint64 from, qint64 n) { return ReadAt(h, from, n); },
                                                    end, bytes);
        CloseHandle(h);
        return chunk;
    };
}

QString RecordFile::nextBackup() const
{
    QString name = path_ + QStringLiteral(".bak");
    for (int n = 1; GetFileAttributesW(WinPath(name).c_str()) != INVALID_FILE_ATTRIBUTES; ++n)
        name = path_ + QStringLiteral(".bak.") + QString::number(n);
    return name;
}

bool RecordFile::clear()
{
    const std::wstring from = WinPath(path_);
    const DWORD attributes = GetFileAttributesW(from.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        Report(QStringLiteral("cannot move the timing records aside:"), path_, QStringLiteral("not a regular file"));
        return false;
    }
    // MoveFileExW without MOVEFILE_REPLACE_EXISTING never replaces a backup that appears
    // meanwhile: the next free name is taken.
    for (int tries = 0; tries < 100; ++tries) {
        if (MoveFileExW(from.c_str(), WinPath(nextBackup()).c_str(), MOVEFILE_WRITE_THROUGH))
            break;
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            break;
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
            Report(QStringLiteral("cannot move the timing records aside:"), path_, WinErrorText(error));
            return false;
        }
    }
    emit changed();
    return true;
}
