#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The whole content of a regular file (or of the regular file a symbolic link names), or nothing
// when the path names anything else (a named pipe, a device, a socket, a directory), cannot be
// opened, holds more than maxBytes, or is a link that another user's link or file is behind (see
// FileTargetProblem). Opening never waits: a named pipe without a writer does not block. Qt
// resource paths (":/...") are read as they are.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes);

// Why a file the program writes may not be written at `path`, in the interface's language; empty
// when it may: the path names nothing yet, a regular file, or a symbolic link to a regular file
// where the link and the file belong to the same user. A device, a named pipe, a
// socket or a directory is refused, as is a link to one, a link to nothing (the write would
// create a file wherever it points) and a link into a place of another user.
QString FileTargetProblem(const QString& path);
