#pragma once
// The whole program on test doubles: a fresh temporary program directory, fake clock, sound,
// dialogs, hotkeys and timers. start() runs the real start-up sequence.
#include "app/App.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Runs `act` on the modal dialog of type D that `open` shows (once its loop runs), then closes
// whatever modal dialog is still open. False when no D came up.
template <typename D>
bool WithModal(const std::function<void()>& open, const std::function<void(D&)>& act)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            ran = true;
            act(*d);
        }
        if (QWidget* still = QApplication::activeModalWidget())
            still->close();
    });
    open();
    return ran;
}

struct TestApp {
    FakeWorld w;
    std::unique_ptr<App> app;

    // Builds the program; with `lines`, config.ini is written first.
    bool start(const QStringList& lines = {})
    {
        if (!lines.isEmpty())
            w.writeIni(lines);
        app = std::make_unique<App>(w.services);
        return app->Start();
    }
    TimingSession& m() { return app->session; }
    // The value of a key in config.ini as the program reads it (empty when missing).
    QString ini(const QString& section, const QString& key) const
    {
        return app->config.PeekIniText(section, key).value_or(QString());
    }
    // The main window's tick and blink timers.
    FakeTimer* timer(int interval) const
    {
        for (FakeTimer* t : w.timers.made)
            if (t->interval() == interval)
                return t;
        return nullptr;
    }
};
