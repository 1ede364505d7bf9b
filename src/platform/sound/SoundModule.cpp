// The entry point of the sound module (horalto-sound.so), loaded by LoadedSound.
#include "platform/sound/QtSound.h"

extern "C" Q_DECL_EXPORT Sound* HoraltoCreateSound()
{
    return new QtSound;
}
