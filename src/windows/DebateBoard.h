#pragma once
#include "core/DebateClocks.h"
#include "core/TimingSession.h"
#include "windows/Control.h"

class CounterLabel;

// Both clocks of a debate side by side under the sides' names, in the place of a window's
// counter. The side with the floor is marked (a frame, "▶" before its name, full brightness);
// the other is dimmed but readable; a side whose time is gone shows on a red plate. Its mouse handlers are
// the counter's, so a click does what a click on the counter does.
class DebateBoard : public Control {
    Q_OBJECT
public:
    enum class Layout {
        Halves,     // two equal halves (the main window)
        FloorLarge, // the side with the floor wide, the other small (the toolbars)
        Stage,      // two equal halves, the other side much dimmer (the full-screen window)
    };
    DebateBoard(QWidget* parent, Layout layout);

    // `counterBgr` the counter's colour (-1: as it was); on a contest signal colour the digits
    // and names are black or white, whichever stands out on it.
    void Show(const DebateShown& shown, int counterBgr, std::optional<QRgb> signal);
    const DebateShown& Shown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Layout layout_;
    DebateShown shown_;
    QColor digits_ = Qt::yellow;
    QColor names_ = QColor(0xF4, 0xF8, 0xFF);
    bool onSignal_ = false;
    QColor back_; // what lies behind the board: the window's own colour or the signal
};

// The board of `counter` follows the session: shown in its place in a debate scheme, hidden
// (and the counter shown) otherwise. The board takes the counter's geometry unless `place`
// gives it another one whenever it shows.
void FollowDebate(QWidget* window, const TimingSession& session, CounterLabel* counter, DebateBoard* board,
                  TimingSession::CounterView view, std::function<QRect()> place = {});
