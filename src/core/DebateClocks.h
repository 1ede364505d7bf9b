#pragma once
// The two clocks of a debate scheme: each side has the scheme's length to speak, counted down on
// its own clock; one side has the floor, and handing it over stops one clock and starts the other
// at the same reading of the monotonic clock, so neither side loses or gains a second.
#include "core/CountedTime.h"

#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// What a view shows of one side.
struct DebateSideShown {
    QString name;
    QString text;       // "00:03:12"; "+00:00:05" while it counts its overtime
    bool gone = false;  // its time is gone: shown in red
};

// What every view shows of a debate.
struct DebateShown {
    std::array<DebateSideShown, 2> sides;
    int floor = 0;        // the side that has the floor: 0 the first, 1 the second
    bool running = false; // the clock of the side with the floor runs
};

// What a tick or a command brought about, for the session to act on.
struct DebateEvents {
    bool prompt = false;    // a side's clock reached a prompt
    bool blinks = false;    // ... one without a signal colour
    bool sideEnded = false; // a side's time went
    bool bothEnded = false; // no side has time left
};

class DebateClocks {
public:
    struct Scheme {
        std::int32_t lengthSeconds = 0;                    // each side's time
        std::array<std::int32_t, 5> promptSeconds{};       // remaining time of each prompt; 0 none
        std::array<std::optional<QRgb>, 5> promptColors{}; // their signal colours
        bool overtime = false; // a side whose time is gone counts its overtime while it keeps the floor
    };

    void Configure(const Scheme& scheme);
    const Scheme& Configured() const { return scheme_; }

    // Both clocks full; the first side has the floor and its clock runs from `now`.
    void Start(qint64 now);
    void Pause(qint64 now);
    void Resume(qint64 now);
    // Hands the floor over: the running clock stops and the other starts at `now`; paused, the
    // other side is the one that continues. Whether it did (the other side has time, or
    // overtime is counted).
    bool Switch(qint64 now);
    bool CanSwitch() const;
    // Gives the side with the floor `seconds` (a minus takes them) while its time is not gone:
    // its clock stays within nothing counted and its whole length. Prompts moved back in front
    // of the clock act again when reached; prompts jumped over stay silent. The seconds applied.
    int Adjust(int seconds, qint64 now);
    // Both clocks full, nothing running, the first side has the floor.
    void Reset();
    // Each side's clock at `countedMs` (a side beyond its length has its time gone, the prompts
    // passed heard), `floor` with the floor, its clock running from `now` unless `paused`.
    void Restore(const std::array<qint64, 2>& countedMs, int floor, bool paused, qint64 now);
    // The clock with the floor at `now`: its prompts, its end and the floor passing on.
    DebateEvents Tick(qint64 now);

    int Floor() const { return floor_; }
    bool Running() const { return running_; }
    bool Gone(int side) const { return sides_[side].gone; }
    // The side's counted time, overtime included.
    qint64 CountedMs(int side, qint64 now) const;
    // The seconds shown as counted (whole seconds, overtime excluded) and as overtime.
    std::int32_t CountedSeconds(int side, qint64 now) const;
    std::int32_t OvertimeSeconds(int side, qint64 now) const;
    // The whole seconds the side's clock still shows (0 once its time is gone).
    std::int32_t RemainingSeconds(int side, qint64 now) const;
    // The signal colour of the side with the floor: its last prompt with a colour.
    std::optional<QRgb> FloorSignal() const { return sides_[floor_].signal; }
    // The side's clock as shown: remaining time, or "+" and its overtime.
    QString Text(int side, qint64 now) const;
    DebateShown Shown(qint64 now, const QString& nameA, const QString& nameB) const;

private:
    struct Side {
        CountedTime counted;
        std::array<bool, 5> prompted{};
        bool gone = false;
        std::optional<QRgb> signal;
    };
    qint64 LengthMs() const { return qint64(scheme_.lengthSeconds) * 1000; }
    void Run(int side, qint64 now);
    void Stop(int side, qint64 now);

    Scheme scheme_;
    std::array<Side, 2> sides_;
    int floor_ = 0;
    bool running_ = false;
};
