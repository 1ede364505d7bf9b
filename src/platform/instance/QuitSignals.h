#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM and SIGINT (kill, Ctrl+C in a terminal, a session ending) as a request to end the
// program in an orderly way: the handler only writes a byte to a pipe, and `onQuit` runs later
// on this thread's event loop. The first signal asks; a second of the same kind, should the
// program not end, ends it at once as the default action does. One instance at a time.
class QuitSignals : public QObject {
public:
    explicit QuitSignals(std::function<void()> onQuit);
    ~QuitSignals() override; // the default actions back
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> onQuit_;
    QSocketNotifier* notifier_ = nullptr;
};
