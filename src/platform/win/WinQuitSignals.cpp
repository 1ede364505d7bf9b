// Windows has no quit signals for a program with windows: the end of the session reaches it as
// a request to save its state, which ends it as "退出" does.
#include "platform/instance/QuitSignals.h"

#include <QGuiApplication>

QuitSignals::QuitSignals(std::function<void()> onQuit) : onQuit_(std::move(onQuit))
{
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, [this] {
            if (onQuit_)
                std::exchange(onQuit_, nullptr)();
        });
}

QuitSignals::~QuitSignals() = default;
