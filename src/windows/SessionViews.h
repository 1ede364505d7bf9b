#pragma once
#include "core/TimingSession.h"

#include "windows/CounterLabel.h"

#include <QColor>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// What every display window shows of the timing session, now and from now on (the
// connections end with `window`).

// The counter text and the colour of `view` in `label` (black or white digits while a signal
// colour shows); `afterText` runs after every new text.
void FollowCounter(QWidget* window, const TimingSession& session, CounterLabel* label, TimingSession::CounterView view,
                   const std::function<void()>& afterText = {});

// The contest signal behind the counter: `show` gets the signal colour now and whenever it
// changes, nullopt when none shows (the view's own background again).
void FollowSignal(QWidget* window, const TimingSession& session, const std::function<void(std::optional<QColor>)>& show);

// Each control enabled while the session offers its command.
void FollowOffers(QWidget* window, const TimingSession& session, std::vector<std::pair<QWidget*, CommandId>> controls);
