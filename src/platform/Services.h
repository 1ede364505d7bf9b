#pragma once
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Hotkeys.h"
#include "platform/ProgramEnv.h"
#include "platform/ProgramStarter.h"
#include "platform/QtTranslations.h"
#include "platform/Random.h"
#include "platform/RecordStore.h"
#include "platform/RemoteServer.h"
#include "platform/ScreenSaver.h"
#include "platform/Sound.h"
#include "platform/Timer.h"

// Everything the program needs from the outside world. The program holds references only;
// whoever builds the program owns the services (main() the real ones, a test its doubles).
struct Services {
    Clock& clock;
    Random& random;
    Sound& sound;
    Dialogs& dialogs;
    ProgramDir& programDir;
    ProgramEnd& programEnd;
    HotkeyService& hotkeys;
    TimerFactory& timers;
    EventPump& events;
    ProgramStarter& programs;
    ScreenSaver& screenSaver;
    RecordStore& records;
    Desktop& desktop;
    RemoteServer& remote;
    QtTexts& qtTexts;
    // Where the contest programme is kept (programme.csv); empty: it is not kept.
    QString programmePath = {};
};
