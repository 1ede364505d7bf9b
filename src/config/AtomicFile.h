#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// Replacing a file's content so that the file always holds either its old or its new content:
// the new bytes go into a temporary file beside it, are flushed to the disk, and the temporary
// file is then renamed over the old one.
class AtomicFile {
public:
    // Writes `bytes` as the new content of `path` (through a symbolic link to its target; a
    // replaced file keeps its permissions). False when anything fails; the old file is then
    // untouched. Needs a writable directory. A target FileTargetProblem() refuses (a device, a
    // pipe, a directory, a dangling link, a link into another user's file) is left alone: false. A file that may not be written (no write
    // permission for this process, or no write permission bit at all, which also locks it
    // against root) is left alone: false.
    static bool replace(const QString& path, const QByteArray& bytes);

    // Removes the temporary files that writes of `path` left behind when the program was
    // killed during a write: names as replace() makes them, beside the file (its target
    // through a symbolic link), regular files last modified at least `minAgeSeconds` ago, so
    // that a write of another running copy is not disturbed. Returns how many were removed.
    static int removeLeftovers(const QString& path, int minAgeSeconds = 60);

    // Runs after the temporary file is complete and flushed, just before the rename, with the
    // temporary file's path. Returning false stops the write there, leaving the temporary file
    // behind as a crash at that moment would. For tests; an empty function removes it.
    using BeforeRename = std::function<bool(const QString& tempPath)>;
    static void setBeforeRename(BeforeRename hook);
};
