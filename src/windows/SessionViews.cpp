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
    auto showColor = [label, view](int of, int color) {
        if (of == view && color >= 0)
            SetForeColor(label, color);
    };
    showText(session.CounterText());
    showColor(view, session.CounterColor(view));
    QObject::connect(&session, &TimingSession::counterTextChanged, window, showText, Qt::DirectConnection);
    QObject::connect(&session, &TimingSession::counterColorChanged, window, showColor, Qt::DirectConnection);
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
