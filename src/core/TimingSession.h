#pragma once
#include <QObject>
#include <QString>
#include <memory>

class IntervalTimer;
class Random;
class TimerFactory;

// The timing state that every view of the counter follows, kept apart from the windows: the
// views read it through the getters and follow its signals (direct connections, emitted at the
// point where a view is to change). Holds the counter text and the scheme title every view
// shows, whether the information picture shows, the lit running light, and the blink after a prompt: its 500 ms timer (Timer2), its count and its random colours.
class TimingSession : public QObject {
    Q_OBJECT
public:
    // The counter views in the order the blink draws their colours.
    enum CounterView { MainCounter, SmallToolbarCounter, LargeToolbarCounter, FullScreenCounter, CounterViews };

    TimingSession(Random& random, TimerFactory& timers);
    ~TimingSession() override;

    std::unique_ptr<IntervalTimer> Timer2; // 500 ms, the blink

    // The counter text of every counter view ("hh:mm:ss") and the scheme title
    // ("<title> 计时方案<n>"). Each set is told to the views, changed or not.
    const QString& CounterText() const { return counterText_; }
    const QString& SchemeTitle() const { return schemeTitle_; }
    void SetCounterText(const QString& text);
    void SetSchemeTitle(const QString& caption);

    // The information picture of the full-screen window: shown by an end into full screen,
    // hidden by a start or a reset.
    bool InfoPictureShown() const { return infoPictureShown_; }
    void SetInfoPictureShown(bool shown);

    // The lit light of the full-screen window's strip of running lights (0..8; 0 is the blank
    // step at rest). While a timing runs each step lights the next one, round the strip;
    // otherwise a step puts it back to 0.
    int LitLight() const { return litLight_; }
    void StepRunningLight(bool timing);

    // Blink steps shown since the blink began (0 when it is off or has just been restored).
    int BlinkTicks() const { return blinkTicks_; }
    bool Blinking() const;
    // A prompt: the blink runs (a blink already running goes on with its count).
    void StartBlink();
    // Stops the blink where it is (the program unloads).
    void StopBlink();
    // One blink step: seven steps of random colours (red, green, blue drawn for each view in
    // CounterView order), then the eighth restores the configured colours and ends the blink.
    void BlinkTick();

signals:
    void counterTextChanged(const QString& text);
    void schemeTitleChanged(const QString& caption);
    void infoPictureShownChanged(bool shown);
    void runningLightMoved(int from, int to); // only when the lit light changes
    void blinkColorDrawn(int view, int color); // color as 0xBBGGRR
    void blinkRestored();                      // before the blink timer stops

private:
    Random& random_;
    int blinkTicks_ = 0;
    QString counterText_;
    QString schemeTitle_;
    bool infoPictureShown_ = false;
    int litLight_ = 0;
};
