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
    // untouched. Needs a writable directory.
    static bool replace(const QString& path, const QByteArray& bytes);

    // Runs after the temporary file is complete and flushed, just before the rename, with the
    // temporary file's path. Returning false stops the write there, leaving the temporary file
    // behind as a crash at that moment would. For tests; an empty function removes it.
    using BeforeRename = std::function<bool(const QString& tempPath)>;
    static void setBeforeRename(BeforeRename hook);
};
