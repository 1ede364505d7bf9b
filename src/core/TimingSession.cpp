#include "core/TimingSession.h"
#include "platform/Random.h"
#include "platform/Timer.h"

TimingSession::TimingSession(Random& random, TimerFactory& timers) : random_(random)
{
    Timer2 = timers.create(500, [this] { BlinkTick(); });
}

TimingSession::~TimingSession() = default;

void TimingSession::SetCounterText(const QString& text)
{
    counterText_ = text;
    emit counterTextChanged(counterText_);
}

void TimingSession::SetSchemeTitle(const QString& caption)
{
    schemeTitle_ = caption;
    emit schemeTitleChanged(schemeTitle_);
}

void TimingSession::SetInfoPictureShown(bool shown)
{
    infoPictureShown_ = shown;
    emit infoPictureShownChanged(infoPictureShown_);
}

void TimingSession::StepRunningLight(bool timing)
{
    constexpr int lights = 9;
    const int from = litLight_;
    litLight_ = timing ? (from + 1) % lights : 0;
    if (litLight_ != from)
        emit runningLightMoved(from, litLight_);
}

bool TimingSession::Blinking() const { return Timer2->isEnabled(); }

void TimingSession::StartBlink() { Timer2->setEnabled(true); }

void TimingSession::StopBlink() { Timer2->setEnabled(false); }

void TimingSession::BlinkTick()
{
    if (blinkTicks_ <= 6) {
        for (int view = 0; view < CounterViews; ++view) {
            const int red = random_.between(0, 255);
            const int green = random_.between(0, 255);
            const int blue = random_.between(0, 255);
            emit blinkColorDrawn(view, blue * 65536 + green * 256 + red);
        }
        ++blinkTicks_;
    } else {
        emit blinkRestored();
        Timer2->setEnabled(false);
        blinkTicks_ = 0;
    }
}
