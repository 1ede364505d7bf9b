#pragma once
#include <QtGlobal>

// When this process was started, in milliseconds on the scale of SystemClock::monotonicMs (time
// since boot, sleep included), to the kernel's tick (10 ms); 0 when it cannot be read.
qint64 ProcessStartedMs();
