// The page server for real on the loopback address, with the whole program on test doubles
// behind it: what pages receive over a whole timing, what a control page may do, and the
// answers to requests the server must refuse.
#include "app/InstanceRequests.h"
#include "core/Colors.h"
#include "menu/MenuForm.h"
#include "message/SpeakerMessageForm.h"
#include "remote/RemoteView.h"
#include "windows/FullScreenForm.h"
#include "remote/server/PageServer.h"
#include "remote/server/RequestGate.h"
#include "support/Browser.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>
#include <gtest/gtest.h>

namespace {
const QString kKey = QStringLiteral("0123456789abcdef0123456789abcdef");

// The program with its page switched on, a five-second scheme with a prompt at three.
struct Served {
    FakeWorld w;
    PageServer server{QHostAddress::LocalHost};
    Services services{w.clock, w.random, w.sound, w.dialogs, w.dir, w.end, w.hotkeys, w.timers,
                      w.events, w.programs, w.screenSaver, w.records, w.desktop, server, w.qtTexts};
    quint16 port = FreeLoopbackPort();
    std::unique_ptr<App> app;
    explicit Served(const QStringList& scheme = {"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=05", "[TSSET1]", "TSSS1=03"})
    {
        w.writeIni(QStringList{"[RemoteView]", "Enabled=1", "Port=" + QString::number(port), "ControlKey=" + kKey} + scheme);
        app = std::make_unique<App>(services);
        app->Start();
    }
    void tick()
    {
        for (FakeTimer* t : w.timers.made)
            if (t->interval() == 1000)
                t->fire();
    }
};

// A page's WebSocket: the states it got, and the answers to its commands (whether each ran).
struct Page {
    QWebSocket ws;
    QList<QJsonObject> states;
    QList<bool> answers;
    QString language; // of the latest texts
    Page(quint16 port, const QString& query = {})
    {
        QObject::connect(&ws, &QWebSocket::textMessageReceived, &ws, [this](const QString& m) {
            const QJsonObject o = QJsonDocument::fromJson(m.toUtf8()).object();
            if (o.value("t") == "done")
                answers << o.value("ok").toBool();
            else if (o.value("t") == "state")
                states << o;
            else if (o.value("t") == "texts")
                language = o.value("lang").toString();
        });
        ws.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws%2").arg(port).arg(query)));
    }
    // Waits for the latest state to have these values ("phase=1 counter=00:00:04 blink=false").
    bool shows(const QString& fields)
    {
        const QStringList want = fields.split(' ');
        const auto has = [&](const QString& f) {
            return states.last().value(f.section('=', 0, 0)).toVariant().toString() == f.section('=', 1);
        };
        return QTest::qWaitFor([&] { return !states.isEmpty() && std::all_of(want.begin(), want.end(), has); }, 5000);
    }
    // Sends a command; whether it ran.
    bool run(int command)
    {
        const qsizetype before = answers.size();
        ws.sendTextMessage(QStringLiteral("{\"cmd\":%1}").arg(command));
        return QTest::qWaitFor([&] { return answers.size() > before; }, 5000) && answers.last();
    }
};

// One request on a fresh connection: the status line of the answer (or all of it), empty when
// none came.
QByteArray Ask(quint16 port, const QByteArray& request, bool whole = false, int waitMs = 5000)
{
    QTcpSocket s;
    QByteArray answer;
    QObject::connect(&s, &QTcpSocket::readyRead, &s, [&] { answer += s.readAll(); });
    s.connectToHost(QHostAddress::LocalHost, port);
    s.write(request);
    (void)QTest::qWaitFor([&] { return s.state() == QAbstractSocket::UnconnectedState; }, waitMs);
    return whole ? answer : answer.left(answer.indexOf("\r\n"));
}

QByteArray Get(const QByteArray& target, const QByteArray& headers = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n";
}
} // namespace

TEST(PageServer, PagesFollowAWholeTimingAndTheControlPageRunsOfferedCommandsOnly)
{
    Served p;
    Page viewer(p.port), control(p.port, "?key=" + kKey);
    ASSERT_TRUE(viewer.shows("phase=0 counter=00:00:05 color=#ff0000"));
    ASSERT_TRUE(control.shows("phase=0"));
    EXPECT_EQ(viewer.states.first().value("title"), "Horalto 计时方案1");

    EXPECT_TRUE(control.run(1)); // 计时
    EXPECT_TRUE(viewer.shows("phase=1 counter=00:00:05 offers=dooohoddddddh"));
    p.tick(), p.tick(), p.tick(); // 05, 04, 03: the prompt
    EXPECT_TRUE(viewer.shows("phase=1 counter=00:00:03 blink=true"));
    EXPECT_EQ(p.w.sound.played.size(), 1);
    EXPECT_TRUE(control.run(6)); // 暂停
    EXPECT_TRUE(viewer.shows("phase=2 pause=继续"));
    EXPECT_FALSE(control.run(8)) << "计时方案2 is not offered while a timing runs";
    viewer.ws.sendTextMessage("{\"cmd\":6}"); // a viewing page's commands do nothing
    QTest::qWait(300);
    EXPECT_EQ(p.app->session.Phase(), TimingPhase::Paused);
    EXPECT_TRUE(control.run(6));
    EXPECT_TRUE(viewer.shows("phase=1 scheme=1"));
    for (int i = 0; i < 3; ++i)
        p.tick();
    EXPECT_TRUE(viewer.shows("phase=0 counter=00:00:00 end=true"));
    EXPECT_TRUE(control.run(2)); // 复位
    EXPECT_TRUE(viewer.shows("phase=0 counter=00:00:05 end=false"));

    // A new key closes the control page at once; the viewing page stays.
    p.app->remoteView().ChangeControlKey();
    EXPECT_TRUE(QTest::qWaitFor([&] { return control.ws.state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_EQ(int(control.ws.closeCode()), 4403);
    EXPECT_EQ(Ask(p.port, Get("/control?key=" + kKey.toLatin1())), "HTTP/1.1 403 Forbidden");
    EXPECT_EQ(viewer.ws.state(), QAbstractSocket::ConnectedState);
    viewer.ws.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.server.connectionsFrom(QHostAddress::LocalHost) == 0; }, 5000));
}

TEST(PageServer, RefusesWhatItDoesNotServeAndGoesOnServing)
{
    Served p;
    const QByteArray upgrade = "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                               "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n";
    QByteArray manyHeaders;
    for (int i = 0; i <= RequestGate::kHeaders; ++i)
        manyHeaders += "X-" + QByteArray::number(i) + ": 1\r\n";
    const struct {
        const char* what;
        QByteArray request;
        QByteArray status;
    } cases[] = {
        {"viewing page", Get("/"), "HTTP/1.1 200 OK"},
        {"script", Get("/horalto.js"), "HTTP/1.1 200 OK"},
        {"control page", Get("/control?key=" + kKey.toLatin1()), "HTTP/1.1 200 OK"},
        {"wrong key", Get("/control?key=" + QByteArray(32, 'f')), "HTTP/1.1 403 Forbidden"},
        {"no key", Get("/control"), "HTTP/1.1 403 Forbidden"},
        {"socket with a wrong key", Get("/ws?key=x", upgrade), "HTTP/1.1 403 Forbidden"},
        {"socket elsewhere", Get("/other", upgrade), "HTTP/1.1 404 Not Found"},
        {"another method", "POST / HTTP/1.1\r\nContent-Length: 0\r\n\r\n", "HTTP/1.1 405 Method Not Allowed"},
        {"socket by another method", "POST /ws HTTP/1.1\r\n" + upgrade + "\r\n", "HTTP/1.1 405 Method Not Allowed"},
        {"unknown path", Get("/../config.ini"), "HTTP/1.1 404 Not Found"},
        {"socket path without upgrade", Get("/ws"), "HTTP/1.1 400 Bad Request"},
        {"a body", Get("/", "Content-Length: 5\r\n") + "hello", "HTTP/1.1 400 Bad Request"},
        {"not HTTP", "HELLO\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"header without a name", Get("/", ": x\r\n"), "HTTP/1.1 400 Bad Request"},
        {"too many headers", Get("/", manyHeaders), "HTTP/1.1 431 Request Header Fields Too Large"},
        {"head too large", Get("/", "X-Big: " + QByteArray(RequestGate::kHeadBytes, 'a') + "\r\n"),
         "HTTP/1.1 431 Request Header Fields Too Large"},
        {"still serving", Get("/"), "HTTP/1.1 200 OK"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ask(p.port, c.request), c.status) << c.what;

    // Half an upgrade or an odd one is answered at once; one the WebSocket refuses is closed.
    const QByteArray key = "Sec-WebSocket-Version: 13\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n";
    const struct {
        const char* what;
        QByteArray headers;
    } odd[] = {
        {"upgrade without connection", "Upgrade: websocket\r\n" + key},
        {"connection without upgrade", "Connection: Upgrade\r\n" + key},
        {"upgrade with keep-alive", "Upgrade: websocket\r\nConnection: keep-alive\r\n" + key},
        {"another protocol", "Upgrade: h2c\r\nConnection: Upgrade\r\n" + key},
        {"two upgrades", "Upgrade: websocket\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n" + key},
        {"upgrade without its key", "Upgrade: websocket\r\nConnection: Upgrade\r\n"},
        {"upgrade to an old version", "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 8\r\n"},
    };
    for (const auto& c : odd) {
        QElapsedTimer t;
        t.start();
        const QByteArray answer = Ask(p.port, Get("/ws", c.headers), true, RequestGate::kHeadMs + 2000);
        EXPECT_LT(t.elapsed(), RequestGate::kHeadMs + 1000) << c.what << " left open: " << answer.toStdString();
    }

    // A request head that never ends is cut off in time; the server serves meanwhile.
    QTcpSocket stalled;
    stalled.connectToHost(QHostAddress::LocalHost, p.port);
    stalled.write("GET / HTTP/1.1\r\n");
    EXPECT_EQ(Ask(p.port, Get("/")), "HTTP/1.1 200 OK");
    EXPECT_TRUE(QTest::qWaitFor([&] { return stalled.state() == QAbstractSocket::UnconnectedState; },
                                RequestGate::kHeadMs + 5000));
}

TEST(PageServer, TenWrongKeysWithinAMinuteLockTheAddressOutForAMinute)
{
    Served p;
    qint64 now = 0;
    p.server.now = [&] { return now; };
    const QByteArray right = Get("/control?key=" + kKey.toLatin1()), wrong = Get("/control?key=0");
    const struct {
        qint64 at;
        int wrongKeys;
        QByteArray then;
    } steps[] = {
        {0, 9, "HTTP/1.1 200 OK"},            // nine are not enough
        {60000, 9, "HTTP/1.1 200 OK"},        // the first nine have expired
        {61000, 1, "HTTP/1.1 403 Forbidden"}, // the tenth within a minute: locked, right key or not
        {120999, 0, "HTTP/1.1 403 Forbidden"},
        {121000, 0, "HTTP/1.1 200 OK"},       // a minute later
    };
    for (const auto& s : steps) {
        now = s.at;
        for (int i = 0; i < s.wrongKeys; ++i)
            ASSERT_EQ(Ask(p.port, wrong), "HTTP/1.1 403 Forbidden");
        EXPECT_EQ(Ask(p.port, right), s.then) << "at " << s.at;
    }
}

TEST(PageServer, OpenPagesAndThePageServedFollowTheChosenLanguage)
{
    Served p;
    Page viewer(p.port);
    ASSERT_TRUE(viewer.shows("phase=0 pause=暂停"));
    EXPECT_EQ(viewer.language, "zh-CN");
    p.app->ChooseLanguage(Language::English);
    EXPECT_TRUE(viewer.shows("pause=Pause"));
    EXPECT_EQ(viewer.language, "en") << "an open page is served again in English";
    const QByteArray page = Ask(p.port, Get("/"), true);
    for (const char* text : {"<html lang=\"en\">", "<title>Horalto timer</title>", ">Connecting…<", ">Scheme 5<"})
        EXPECT_TRUE(page.contains(text)) << text;
}

TEST(PageServer, ListsOnlyAddressesAPhoneCanUse)
{
    struct Case { QStringList machine, listed; };
    const Case cases[] = {
        {{"127.0.0.1", "192.168.1.20", "::1", "fe80::1%eth0", "fd00::5", "10.0.0.7"}, {"192.168.1.20", "10.0.0.7"}},
        {{"169.254.3.4", "127.0.0.1", "::1", "fe80::1", "2001:db8::7", "fd12::9"}, {"2001:db8::7", "fd12::9"}},
        {{"127.0.0.1", "::1", "fe80::1", "169.254.0.1", "0.0.0.0", "::ffff:192.168.1.2"}, {}},
        {{"192.168.1.20", "192.168.1.20", "2001:db8::7"}, {"192.168.1.20"}},
    };
    for (const Case& c : cases) {
        QList<QHostAddress> all;
        for (const QString& a : c.machine)
            all << QHostAddress(a);
        EXPECT_EQ(PageServer::UsableAddresses(all), c.listed) << c.machine.join(' ').toStdString();
    }
}

TEST(PageServer, TheMessageAndTheAdjustmentComeFromTheControlPageTheCommandLineAndTheMenu)
{
    Served p;
    Page viewer(p.port), control(p.port, "?key=" + kKey), speaker(p.port, "?view=speaker");
    ASSERT_TRUE(viewer.shows("phase=0 message= adjust=false"));
    // The speaker's view and the control page receive the message; the audience's page never does.
    const auto message = [&](const QString& text) {
        const auto has = [&](const Page& page) { return !page.states.isEmpty() && page.states.last().value("message") == text; };
        return QTest::qWaitFor([&] { return has(speaker) && has(control); }, 5000) && viewer.states.last().value("message") == "";
    };
    const auto ask = [&](const QString& json) {
        const qsizetype before = control.answers.size();
        control.ws.sendTextMessage(json);
        return QTest::qWaitFor([&] { return control.answers.size() > before; }, 5000) && control.answers.last();
    };
    // The user's text reaches the page as the same text: one line, markup and quotes as typed.
    EXPECT_TRUE(ask(R"({"message":"a\n<b>\"x\"</b> &amp;"})"));
    EXPECT_TRUE(message(R"(a <b>"x"</b> &amp;)"));
    EXPECT_FALSE(ask(R"({"adjust":30})")) << "nothing to adjust while idle";

    FakeInstanceChannel channel;
    AnswerRequests(p.app->session, *p.app, channel);
    const auto later = [&](const QStringList& args) { return channel.answerer(RequestLine(ParseCommandLine(args).request)); };
    EXPECT_EQ(later({"message", "请总结", "\u2014 </script>"}), kAnswerActed);
    EXPECT_TRUE(message("请总结 \u2014 </script>"));
    EXPECT_EQ(later({"adjust", "-30"}), kAnswerNotOffered);

    const QByteArray ini = p.w.iniBytes();
    p.app->menuForm().MSpeakerMessage->trigger();
    SpeakerMessageForm& form = p.app->speakerMessageForm();
    form.PhraseButtons[4]->click();
    form.SendMessage->click();
    EXPECT_TRUE(message("谢谢"));
    // The full-screen window shows it only once the user says so, and that choice is kept.
    const auto onFullScreen = [&] {
        const QList<QLabel*> labels = p.app->fullScreenForm().findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == "谢谢" && !l->isHidden(); });
    };
    EXPECT_FALSE(onFullScreen());
    EXPECT_EQ(p.w.iniBytes(), ini);
    form.FullScreenCheck->click();
    EXPECT_TRUE(onFullScreen());
    EXPECT_TRUE(p.w.iniLines().join('\n').contains("[SpeakerMessage]\nFullScreen=1"));
    form.ClearMessage->click();
    EXPECT_TRUE(message(""));

    EXPECT_TRUE(control.run(1));
    p.tick(); // shows 05
    EXPECT_TRUE(ask(R"({"adjust":-3})"));
    EXPECT_TRUE(viewer.shows("phase=1 counter=00:00:02 adjust=true"));
    p.app->menuForm().MAdjust->actions()[0]->trigger(); // +10 秒: back to the length, no further
    EXPECT_TRUE(viewer.shows("counter=00:00:05"));
    EXPECT_EQ(later({"adjust", "+30"}), kAnswerActed);
    p.app->session.ResetTiming();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.w.records.lines.size() == 1; }, 1000));
    EXPECT_EQ(ParseCsv(p.w.records.lines.value(0)).value(0).value(AdjustColumn), "+0") << p.w.records.lines.value(0).toStdString();
}

// The counter of the viewing page, the control page and the overlay (transparent, judged on the
// dark of a stream, and on a light solid background) in a real browser: readable, at least
// 4.5:1 against what is behind it, in each display mode, without a signal and on each signal.
TEST(PageServer, EveryPageKeepsItsCounterReadableInEveryModeAndOnEverySignal)
{
    // The preset's counter colours (white, yellow, black) and three signals, 10 s apart.
    Served p({"[JSSET1]", "JSHH=00", "JSMM=01", "JSSS=00", "[ColorSet1]", "Normal=16777215", "ToolsBar=65535",
              "FullScreen=0", "[TSSET1]", "TSSS1=50", "TSColor1=#00A651", "TSSS2=40", "TSColor2=#FFD200",
              "TSSS3=30", "TSColor3=#E0201B"});
    // Each page in a browser of its own (the pages refuse to be framed).
    const QString pages[] = {"/", "/control?key=" + kKey, "/overlay", "/overlay?bg=F4F4F4"};
    Browser browsers[4];
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(browsers[i].open(QStringLiteral("http://127.0.0.1:%1%2").arg(p.port).arg(pages[i])));
    // The counter's text, its colour and what is behind it ("" where transparent).
    const QString look = R"(JSON.stringify((() => { const c = document.getElementById('counter');
        if (!c) return ['', '', ''];
        const bg = getComputedStyle(document.body).backgroundColor;
        return [c.textContent, getComputedStyle(c).color, bg === 'rgba(0, 0, 0, 0)' ? '' : bg]; })()))";
    const auto rgb = [](const QString& css) {
        const QStringList v = QString(css).remove(QRegularExpression("[^0-9,]")).split(',');
        return qRgb(v.value(0).toInt(), v.value(1).toInt(), v.value(2).toInt());
    };

    struct Shade { const char* name; std::optional<QRgb> color; };
    const Shade shades[] = {{"none", std::nullopt}, {"green", 0xFF00A651}, {"yellow", 0xFFFFD200}, {"red", 0xFFE0201B}};
    const std::pair<const char*, CommandId> modes[] = {
        {"main", CommandId::BackToMain}, {"toolbar", CommandId::ToolbarMode}, {"full screen", CommandId::FullScreenMode}};
    p.app->Run(CommandId::Start);
    for (const Shade& signal : shades) {
        ASSERT_TRUE(QTest::qWaitFor([&] { p.tick(); return p.app->session.SignalColor() == signal.color; }, 5000)) << signal.name;
        for (const auto& [mode, command] : modes) {
            p.app->Run(command);
            p.tick(); // a new reading, so that the pages are known to show this state
            const QString counter = p.app->session.CounterText();
            for (int i = 0; i < 4; ++i) {
                QJsonArray page;
                ASSERT_TRUE(QTest::qWaitFor([&] {
                    page = QJsonDocument::fromJson(browsers[i].eval(look).toString().toUtf8()).array();
                    return page.at(0).toString() == counter;
                }, 10000)) << pages[i].toStdString() << " in " << mode << " on signal " << signal.name;
                const QString behind = page.at(2).toString();
                const double ratio = ContrastRatio(rgb(page.at(1).toString()), behind.isEmpty() ? qRgb(0, 0, 0) : rgb(behind));
                EXPECT_GE(ratio, 4.5) << pages[i].toStdString() << " in " << mode << " on signal " << signal.name << ": "
                                      << page.at(1).toString().toStdString() << " on " << behind.toStdString();
            }
        }
    }
}
