#pragma once
#include "core/OfferedCommands.h"

#include <optional>

class QString;

class QWidget;

// The one command port of the program: every view (a window, the menu, the hotkeys, a web page,
// the command line, the programme) sends its commands here and nowhere else. The application
// implements it; a view receives it together with the timing session it observes.
class Commands {
public:
    virtual ~Commands() = default;
    // Runs the command whether or not it is offered: a control that is not offered cannot send.
    // `owner` is the window a dialog the command opens belongs to.
    virtual void Run(CommandId id, QWidget* owner = nullptr) = 0;
    // Runs the command when it is offered now and no dialog holds the hotkeys off, as a hotkey
    // press, the control page and a command from a later start do; whether it ran.
    virtual bool RunOffered(CommandId id) = 0;
    // Whether the command is shown and usable now: the session's rule, and for the programme's
    // commands what the programme allows.
    virtual CommandOffer Offered(CommandId id) const = 0;
    // The programme's speaker in `row` (0-based) made current, when that is offered as 下一位
    // is and no dialog holds the hotkeys off; whether it was.
    virtual bool GoToSpeaker(int row) = 0;
    // The running or paused timing's counter moved by `seconds` (a plus gives the speaker time)
    // when AdjustTime is offered and no dialog holds the hotkeys off: the seconds applied (0 when
    // the counter stood at its limit already); nothing when not offered.
    virtual std::optional<int> AdjustTime(int seconds) = 0;
    // The message to the speaker, shown until it is replaced; an empty text clears it.
    virtual void SetSpeakerMessage(const QString& text) = 0;
    // Why what the displays show is not kept on disk (a store could not write its last change);
    // empty while everything shown is stored.
    virtual QString UnsavedChange() const = 0;
    // How many writes of a store have failed so far: a command whose change could not be
    // stored makes it grow.
    virtual int FailedWrites() const = 0;
};
