#include "platform/win/WinSameUser.h"

#include <QByteArray>

#include <windows.h>

namespace {
// The user SID of a process's token; empty when it cannot be read.
QByteArray UserSid(HANDLE process)
{
    HANDLE token = nullptr;
    if (!process || !OpenProcessToken(process, TOKEN_QUERY, &token))
        return QByteArray();
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(qsizetype(size), '\0');
    QByteArray sid;
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.constData());
        if (IsValidSid(user->User.Sid))
            sid = QByteArray(static_cast<const char*>(user->User.Sid), qsizetype(GetLengthSid(user->User.Sid)));
    }
    CloseHandle(token);
    return sid;
}
} // namespace

bool SameUserProcess(unsigned long processId)
{
    if (processId == 0)
        return false;
    static const QByteArray own = UserSid(GetCurrentProcess());
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return false;
    const QByteArray other = UserSid(process);
    CloseHandle(process);
    return !own.isEmpty() && other == own;
}

unsigned long PipeClientProcess(void* pipe)
{
    ULONG id = 0;
    return GetNamedPipeClientProcessId(static_cast<HANDLE>(pipe), &id) ? id : 0;
}

unsigned long PipeServerProcess(void* pipe)
{
    ULONG id = 0;
    return GetNamedPipeServerProcessId(static_cast<HANDLE>(pipe), &id) ? id : 0;
}
