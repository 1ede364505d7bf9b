#pragma once
#include "core/TimingSession.h"

#include "windows/CounterLabel.h"

#include <functional>
#include <utility>
#include <vector>

// What every display window shows of the timing session, now and from now on (the
// connections end with `window`).

// The counter text and the colour of `view` in `label`; `afterText` runs after every new text.
void FollowCounter(QWidget* window, const TimingSession& session, CounterLabel* label, TimingSession::CounterView view,
                   const std::function<void()>& afterText = {});

// Each control enabled while the session offers its command.
void FollowOffers(QWidget* window, const TimingSession& session, std::vector<std::pair<QWidget*, CommandId>> controls);
