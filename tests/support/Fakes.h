#pragma once
// Test doubles for every outside-world service: a clock the test sets, scripted random numbers,
// recorded sounds, scripted dialog answers, recorded hotkey grabs, timers that tick on demand.
#include "platform/instance/InstanceChannel.h"
#include "platform/Services.h"
#include "support/CoreFakes.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class FakeDialogs final : public Dialogs {
public:
    struct Warning { QString title, text; };
    struct Input { QString title, prompt, preset; };
    std::vector<Warning> warnings;
    std::vector<Warning> informations;
    std::vector<Warning> questions;
    std::deque<bool> questionAnswers; // empty: No
    std::vector<QStringList> choices;  // the text, then the buttons offered
    std::deque<int> choiceAnswers;     // empty: 取消
    std::function<void()> whileAsking; // runs once while the next question is open (a command that comes meanwhile)
    std::vector<Input> inputs;
    int colorCalls = 0;
    std::deque<std::optional<QString>> inputAnswers; // empty: cancel
    std::deque<std::optional<int>> colorAnswers;     // empty: cancel
    std::deque<std::optional<QString>> fileAnswers;  // empty: cancel
    struct FileQuestion { QString title, startDir, filter; };
    std::vector<FileQuestion> fileQuestions;

    void warning(QWidget*, const QString& title, const QString& text) override { warnings.push_back({title, text}); }
    void information(QWidget*, const QString& title, const QString& text) override
    {
        informations.push_back({title, text});
    }
    bool question(QWidget*, const QString& title, const QString& text, bool defaultNo = false) override;
    int choose(QWidget*, const QString&, const QString& text, const QStringList& buttons) override;
    std::optional<QString> inputText(QWidget*, const QString& title, const QString& prompt,
                                     const QString& preset) override;
    std::optional<int> chooseColor(QWidget*) override;
    std::optional<QString> openFile(QWidget*, const QString&, const QString&, const QString&) override;
};

class FakeProgramEnd final : public ProgramEnd {
public:
    std::vector<int> statuses;
    void end(int status) override { statuses.push_back(status); }
    bool ended() const { return !statuses.empty(); }
};

class FakeHotkeys final : public HotkeyService {
public:
    struct Grab { int modifiers, virtualKey; };
    std::map<int, Grab> registered;
    std::vector<std::pair<int, Grab>> refusedOnes; // keys that answer "taken"
    std::vector<QString> log;                      // "add 1 0 116", "del 1"
    std::function<void(int)> handler;

    bool registerKey(int id, int modifiers, int virtualKey) override;
    void unregisterKey(int id) override;
    void setPressHandler(std::function<void(int)> h) override { handler = std::move(h); }
    void press(int id) { if (handler) handler(id); }
    bool onlyWithFocus = false; // as X11 grabs under Wayland
    bool focusOnly() const override { return onlyWithFocus; }
};

// The registered hotkeys as id -> (modifiers, virtual key), for comparing with a table.
using Grabs = std::map<int, std::pair<int, int>>;
inline Grabs Registered(const FakeHotkeys& h)
{
    Grabs g;
    for (const auto& [id, grab] : h.registered)
        g[id] = {grab.modifiers, grab.virtualKey};
    return g;
}

// Programs "on PATH" by name (found as /usr/bin/<name>); every start is recorded.
class FakePrograms final : public ProgramStarter {
public:
    QStringList onPath;
    bool startWorks = true;
    std::vector<std::pair<QString, QStringList>> started;
    QString findOnPath(const QString& name) const override { return onPath.contains(name) ? "/usr/bin/" + name : QString(); }
    bool startDetached(const QString& program, const QStringList& args) override
    {
        started.emplace_back(program, args);
        return startWorks;
    }
};

// The records in memory, as the file would hold them after its first line.
class FakeRecords final : public RecordStore {
public:
    QStringList lines;
    QString path() const override { return QStringLiteral("/data/horalto/records.csv"); }
    bool append(const QString& line) override { lines << line; emit changed(); return true; }
    QString readAll() const override { return lines.join(QString()); }
    RecordReader reader() const override
    {
        return [whole = readAll().toUtf8()](qint64 end, qint64 bytes) {
            return RecordChunkBefore(whole.size(), [&](qint64 from, qint64 n) { return whole.mid(from, n); }, end, bytes);
        };
    }
    QString nextBackup() const override { return path() + ".bak"; }
    bool clear() override { lines.clear(); emit changed(); return true; }
};

// Folders opened and texts copied.
class FakeDesktop final : public Desktop {
public:
    QStringList openedFolders;
    QStringList copied;
    bool openFolder(const QString& dir) override { openedFolders << dir; return true; }
    void copyText(const QString& text) override { copied << text; }
    QString pastedText() override { return copied.value(copied.size() - 1); }
};

// The running program's channel: answers every ask with `reply`, records the asks and keeps the
// answerer given to listen().
struct FakeInstanceChannel final : InstanceChannel {
    Reply reply {Reply::Kind::Claimed, {}};
    std::vector<std::pair<QByteArray, bool>> asked; // request, claim
    Answerer answerer;
    Reply ask(const QByteArray& request, bool claim) override { return asked.emplace_back(request, claim), reply; }
    bool listen(Answerer a) override { return answerer = std::move(a), true; }
};

// The page server as the program sees it: starts and states recorded, no port opened.
class FakeRemote final : public RemoteServer {
public:
    QString startAnswer;                 // what start() says; empty: serving
    std::vector<quint16> starts;         // the ports asked for
    QByteArray key;
    std::vector<RemoteState> published;
    QStringList hosts{QStringLiteral("192.168.1.20")};
    RemoteCommands* commands = nullptr;
    bool on = false;

    QString start(quint16 port, const QByteArray& k, RemoteCommands& c, const QString& = {}) override
    {
        starts.push_back(port);
        key = k;
        commands = &c;
        on = startAnswer.isEmpty();
        return startAnswer;
    }
    void stop() override { on = false; }
    bool serving() const override { return on; }
    void setControlKey(const QByteArray& k) override { key = k; }
    void publish(const RemoteState& s) override { published.push_back(s); }
    QString language;
    QMap<QString, QString> texts;
    void setTexts(const QString& l, const QMap<QString, QString>& t) override { language = l, texts = t; }
    QStringList addresses() override { return hosts; }
    QImage qrCode(const QString&) override { return QImage(29, 29, QImage::Format_Grayscale8); }
};

// Qt's own texts: the languages asked for, in order; nothing is loaded.
class FakeQtTexts final : public QtTexts {
public:
    QStringList used;
    bool Use(const QString& language) override { return used << language, true; }
};

// The printers and the PDF chooser: a print draws the pages into a PDF in memory.
class FakePrinting final : public Printing {
public:
    QList<QByteArray> printed;             // each print's pages as PDF bytes
    std::optional<QString> pdfAnswer;      // the file chosen, nothing: cancelled
    bool print(QWidget*, const std::function<void(QPagedPaintDevice&)>& draw) override;
    std::optional<QString> pdfFile(QWidget*, const QString&, const QString&) override { return pdfAnswer; }
};

// A complete set of doubles with a fresh temporary program directory.
struct FakeWorld {
    QTemporaryDir tmp;
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeDialogs dialogs;
    FixedDir dir{tmp.path()};
    FakeProgramEnd end;
    FakeHotkeys hotkeys;
    FakeTimers timers;
    FakeEvents events;
    FakePrograms programs;
    FakeScreenSaver screenSaver;
    FakeRecords records;
    FakeDesktop desktop;
    FakeRemote remote;
    FakeQtTexts qtTexts;
    FakePrinting printing;
    Services services{clock, random, sound, dialogs, dir, end, hotkeys, timers, events, programs, screenSaver,
                      records, desktop, remote, qtTexts, QString(), &printing};

    QString path(const QString& name) const { return tmp.path() + "/" + name; }
    QString iniPath() const { return path("config.ini"); }
    // Writes config.ini from lines joined with CR LF, encoded as GBK.
    void writeIni(const QStringList& lines) const;
    // The bytes of config.ini (empty when missing).
    QByteArray iniBytes() const;
    // config.ini decoded from GBK, split into lines.
    QStringList iniLines() const;
    // The same services with other hotkeys.
    Services with(HotkeyService& other) const
    {
        const Services& s = services;
        return {s.clock, s.random, s.sound, s.dialogs, s.programDir, s.programEnd, other, s.timers, s.events,
                s.programs, s.screenSaver, s.records, s.desktop, s.remote, s.qtTexts, s.programmePath, s.printing};
    }
};
