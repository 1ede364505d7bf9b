// The entry point of the page server module (horalto-remote.so), loaded by LoadedRemote.
#include "remote/server/PageServer.h"

extern "C" Q_DECL_EXPORT RemoteServer* HoraltoCreateRemoteServer()
{
    return new PageServer;
}
