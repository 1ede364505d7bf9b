#pragma once
#include "platform/Clock.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/hotkeys/Hotkeys.h"
#include "platform/ProgramEnv.h"
#include "platform/desktop/Printing.h"
#include "platform/desktop/ProgramStarter.h"
#include "platform/desktop/QtTranslations.h"
#include "platform/Random.h"
#include "platform/records/RecordStore.h"
#include "platform/RemoteServer.h"
#include "platform/desktop/ScreenSaver.h"
#include "platform/sound/Sound.h"
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
    // The printers and the PDF file chooser of the contest report; none: the report cannot be
    // printed or saved from the window.
    Printing* printing = nullptr;
    // Where the journal of the timing on the counter is kept (journal.json); empty: it is not.
    QString journalPath = {};
};
