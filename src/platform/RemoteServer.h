#pragma once
#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

// One picture of the timing session as the page on a phone shows it.
struct RemoteState {
    QString counter;   // the counter text
    QString color;     // the counter's colour as the program shows it now, "#rrggbb"
    QString signal;    // the contest signal's colour behind the counter, "#RRGGBB"; empty: none
    QString title;     // the scheme title, or the programme's current speaker (user text)
    QString next;      // "下一位：李四": the speaker who follows, empty without one
    QString info;      // the full-screen information text (user text)
    QString pauseWord; // "暂停" or "继续"
    int phase = 0;     // 0 idle, 1 running, 2 paused
    int scheme = 1;    // 1..5
    int mode = 0;      // 0 main window, 1 toolbar, 2 full screen
    bool blinking = false;
    bool finished = false; // the last timing ran to its end (and nothing has happened since)
    bool overtime = false; // the timing goes on beyond its end ("+00:00:07")
    // The commands 1..13 (start, reset, the three display modes, pause, the five schemes, the
    // next speaker, 换方), one mark each: 'o' offered, 'd' shown but not usable now, 'h' hidden.
    QString offers;
    QString message; // the message to the speaker (user text), empty without; the speaker page shows it
    QString speaker; // the programme's current speaker (user text), empty without a programme
    bool adjustable = false; // the time may be adjusted now (the control page's buttons)
    // A debate scheme: both sides' names and clocks (as the counter shows them), whose time is
    // gone, and the side with the floor (0 or 1). Without a debate `debate` is false.
    bool debate = false;
    QString sideNames[2];
    QString sideTexts[2];
    bool sideGone[2] = {false, false};
    int floor = 0;
    bool operator==(const RemoteState&) const = default;
};

// The program's side of a control page: a command it asks for.
class RemoteCommands {
public:
    virtual ~RemoteCommands() = default;
    // Runs command `id` (1..13) exactly as its hotkey would: only when the program offers it
    // now. False when it did not run.
    virtual bool runRemoteCommand(int id) = 0;
    // Moves the counter by `seconds` (-3600..3600) as "horalto adjust" does: only while the
    // program offers it. False when it did not run.
    virtual bool runRemoteAdjust(int seconds) = 0;
    // The message to the speaker; an empty text clears it.
    virtual void setRemoteMessage(const QString& text) = 0;
};

// The server of the timing page for phones and tablets on the local network: a viewing page at
// "/", the speaker's view at "/speaker", the streaming overlay at "/overlay" and a control page
// at "/control?key=<control key>", kept up to date over a WebSocket.
// Everything runs on the calling thread's event loop and never waits for a client.
class RemoteServer {
public:
    virtual ~RemoteServer() = default;
    // Serves on `port` of every address of the machine, or of `address` only when one is given.
    // An empty text when serving, otherwise one line that says why not (the port is in use,
    // ...). Serving already: the port, the address and the key are taken anew.
    virtual QString start(quint16 port, const QByteArray& controlKey, RemoteCommands& commands,
                          const QString& address = {}) = 0;
    // Closes every connection and the port.
    virtual void stop() = 0;
    virtual bool serving() const = 0;
    // A new control key: control pages opened with the old one are closed at once.
    virtual void setControlKey(const QByteArray& key) = 0;
    // The state to show; every page gets it when it differs from the last one, and once a
    // second in any case.
    virtual void publish(const RemoteState& state) = 0;
    // The page's own texts in the interface's language: `language` as HTML names it ("zh-CN",
    // "en"), `texts` from each Chinese text of the page to its translation. Pages served from
    // now on read them; pages open get them at once.
    virtual void setTexts(const QString& language, const QMap<QString, QString>& texts) = 0;
    // The machine's addresses that a phone on the local network can reach ("192.168.1.20"):
    // its IPv4 addresses, IPv6 ones only when it has no IPv4 address, never loopback or
    // link-local ones. Empty without a network.
    virtual QStringList addresses() = 0;
    // The QR code of a text: one pixel a module, black on white with a quiet zone; a null
    // image when it cannot be made.
    virtual QImage qrCode(const QString& text) = 0;
};
