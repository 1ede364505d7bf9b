// The entry points of the sound module (horalto-sound.so), loaded by LoadedSound.
#include "platform/sound/QtSound.h"

extern "C" Q_DECL_EXPORT Sound* HoraltoCreateSound()
{
    return new QtSound;
}

// Connects to the sound server; any thread may call it, before the first HoraltoCreateSound().
extern "C" Q_DECL_EXPORT void HoraltoConnectSound()
{
    QtSound::connectOutput();
}
