#include "windows/SessionViews.h"

#include "windows/LabelColor.h"

void FollowCounter(QWidget* window, const TimingSession& session, CounterLabel* label, TimingSession::CounterView view,
                   const std::function<void()>& afterText)
{
    auto showText = [label, afterText](const QString& text) {
        label->ShowText(text);
        if (afterText)
            afterText();
    };
    // On a signal colour the digits are black or white; without one, the view's counter colour
    // (the label's own until the session names one).
    auto showColor = [label, view, &session, own = ForeColor(label)] {
        if (const auto signal = session.SignalColor())
            SetForeColor(label, BgrFromColor(QColor(DigitsOnSignal(*signal))));
        else
            SetForeColor(label, session.CounterColor(view) >= 0 ? session.CounterColor(view) : own);
    };
    showText(session.CounterText());
    showColor();
    QObject::connect(&session, &TimingSession::counterTextChanged, window, showText, Qt::DirectConnection);
    QObject::connect(&session, &TimingSession::counterColorChanged, window, [showColor, view](int of, int) {
        if (of == view)
            showColor();
    }, Qt::DirectConnection);
    QObject::connect(&session, &TimingSession::signalColorChanged, window, showColor, Qt::DirectConnection);
}

void FollowSignal(QWidget* window, const TimingSession& session, const std::function<void(std::optional<QColor>)>& show)
{
    auto apply = [show](std::optional<QRgb> signal) {
        show(signal ? std::optional<QColor>(QColor(*signal)) : std::nullopt);
    };
    apply(session.SignalColor());
    QObject::connect(&session, &TimingSession::signalColorChanged, window, apply, Qt::DirectConnection);
}

void FollowOffers(QWidget* window, const TimingSession& session, std::vector<std::pair<QWidget*, CommandId>> controls)
{
    auto apply = [&session, controls = std::move(controls)] {
        for (const auto& [control, id] : controls)
            control->setEnabled(session.Offered(id).enabled);
    };
    apply();
    QObject::connect(&session, &TimingSession::offersChanged, window, apply, Qt::DirectConnection);
}
