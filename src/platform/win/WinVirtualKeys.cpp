// Windows binds the stored keys as they are: no desktop names a key it bound in its own words,
// so no trigger text is ever read back.
#include "platform/hotkeys/VirtualKeys.h"

std::optional<StoredKey> VirtualKeyForTrigger(const QString&)
{
    return std::nullopt;
}
