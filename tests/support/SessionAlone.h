#pragma once
// The timing session with no window, on the core fakes: config.ini written from lines, then the
// start-up steps of scheme 1. Qt Core only.
#include "support/CoreFakes.h"

#include "config/ConfigFile.h"
#include "core/TimingSession.h"

#include <QFile>
#include <QTemporaryDir>

struct SessionAlone {
    QTemporaryDir tmp;
    FixedDir dir{tmp.path()};
    ConfigFile config{dir};
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeTimers timers;
    FakeEvents events;
    FakeScreenSaver screenSaver;
    TimingSession s{SessionServices{clock, random, sound, timers, events, screenSaver, dir}, config};

    // config.ini from ASCII lines, then the start-up steps of scheme 1; false when it could not
    // be written.
    bool load(const QStringList& lines)
    {
        QFile f(tmp.path() + "/config.ini");
        if (!f.open(QIODevice::WriteOnly) || f.write(lines.join("\r\n").toLatin1() + "\r\n") < 0)
            return false;
        f.close();
        s.SetFangAnId(1);
        s.TitleText = "Horalto";
        s.LoadInfoDisplay();
        s.ShowSchemeTitle();
        s.ReadSchemeState();
        s.ShowLoadedScheme();
        s.Timer1->setEnabled(true);
        return true;
    }
    FakeTimer& timer(const std::unique_ptr<IntervalTimer>& t) { return static_cast<FakeTimer&>(*t); }
};
