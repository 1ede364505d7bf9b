#pragma once
#include <QString>
#include <string>

// Paths and errors as the Windows file functions take and give them.

// The path in the system's form: backslashes, wide characters.
std::wstring WinPath(const QString& path);

// The system's text for GetLastError()'s code (or the one given).
QString WinErrorText(unsigned long code);
QString WinLastErrorText();

// What the handle names is an ordinary disk file (not a pipe, a console or a device).
bool WinIsDiskFile(void* handle);
