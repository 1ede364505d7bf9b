#pragma once
#include "core/OfferedCommands.h"
#include "platform/RemoteServer.h"
#include "remote/RemoteSettings.h"

#include <QObject>

class Commands;
class ConfigFile;
class Random;
class TimingSession;

// The timing page on phones and tablets, as one more view of the timing session: it follows
// the session's signals and hands the state to the page server (the remote service), and it
// runs the control page's commands as a hotkey press would (Commands::RunOffered). It also applies
// the settings of the "远程显示" dialog.
class RemoteView final : public QObject, public RemoteCommands {
    Q_OBJECT
public:
    RemoteView(const TimingSession& session, Commands& commands, const ConfigFile& config, RemoteServer& remote,
               Random& random);
    ~RemoteView() override;

    // At start-up with [RemoteView] Enabled=1: the page is served (a missing control key is
    // made and written first).
    void StartIfEnabled();
    // The program ends: every page is closed, so it says at once that the program has gone.
    void Stop();

    // The dialog's settings: each is written to config.ini and takes effect at once.
    void SetEnabled(bool on);
    void SetPort(quint16 port);
    // The one address to serve on, empty for every address.
    void SetAddress(const QString& address);
    // The machine's addresses that a phone can use, now.
    QStringList Addresses() const;
    // The address served on: the one chosen while the machine has it, else empty (every one).
    QString ServedAddress() const;
    // A new control key: the old control address stops working at once.
    void ChangeControlKey();

    const RemoteSettings& Settings() const { return settings_; }
    bool Serving() const;
    // One line on why the page is not served although it is switched on; empty otherwise.
    const QString& Problem() const { return problem_; }
    // The programme's current speaker in place of the scheme title, and the one who follows;
    // empty texts: the scheme title, no line.
    void ShowSpeaker(const QString& title, const QString& next);
    // What the page shows now.
    RemoteState State() const;

    bool runRemoteCommand(int id) override;
    bool runRemoteAdjust(int seconds) override;
    void setRemoteMessage(const QString& text) override;

signals:
    // Serving, port, key or problem changed (the dialog follows).
    void settingsChanged();

private:
    void Serve();
    // A changed port or address: served there at once when the page is on, else only told.
    void ServeAgain();
    // The page's texts in the interface's language, and the state with them.
    void ShowTexts();
    // The state goes out once the current command or tick is over: one message for all the
    // signals it emitted.
    void Publish();

    const TimingSession& session_;
    Commands& commands_;
    const ConfigFile& config_;
    RemoteServer& remote_;
    Random& random_;
    RemoteSettings settings_;
    QString problem_;
    bool publishPending_ = false;
    bool finished_ = false;
    TimingPhase lastPhase_ = TimingPhase::Idle;
    QString speakerTitle_;
    QString nextSpeaker_;
};
