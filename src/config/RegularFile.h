#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The whole content of a regular file (or of the regular file a symbolic link names), or nothing
// when the path names anything else (a named pipe, a device, a socket, a directory), cannot be
// opened, or holds more than maxBytes. Opening never waits: a named pipe without a writer does
// not block. Qt resource paths (":/...") are read as they are.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes);
