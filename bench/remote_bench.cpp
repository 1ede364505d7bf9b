// Figures of the timing page, against the real program on the loopback address:
//   latency [CHANGES]         a change in the program (start or reset from a control socket)
//                             until the text changed in the page's DOM in headless Chromium,
//                             and until the state message reached a WebSocket: median and max
//   viewers [N] [SECONDS]     N pages connected while a timing runs: the tick's drift (the
//                             first arrival of each new counter against start + k seconds),
//                             the time to reach all N pages, and the program's CPU
// Run under an X server (bench/remote does all of it).
#include "support/Browser.h"
#include "support/E2e.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebSocket>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
const QString kKey = QStringLiteral("0123456789abcdef0123456789abcdef");

double WallMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

// The program's CPU time so far, in milliseconds.
double CpuMs(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    f.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = f.readAll().split(')').value(1).trimmed().split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

struct Program {
    ProgramRun run;
    quint16 port = FreeLoopbackPort();
    explicit Program(const QStringList& scheme)
    {
        run.writeIni(QStringList{"[RemoteView]", "Enabled=1", "Port=" + QString::number(port), "ControlKey=" + kKey,
                                 "[COMMSET1]", "STARTSTATE=3", "FINSHSTATE=3", "MaxToolsBar=No", "DouDong=No"}
                     + scheme);
        run.start();
        ProgramRun::findWindow("Horalto 计时方案1");
    }
    QUrl socketUrl(bool control) const
    {
        return QUrl(QStringLiteral("ws://127.0.0.1:%1/ws%2").arg(port).arg(control ? "?key=" + kKey : QString()));
    }
};

// A WebSocket that notes when each message arrived.
struct Socket {
    QWebSocket ws;
    std::vector<std::pair<double, QJsonObject>> got;
    explicit Socket(const QUrl& url)
    {
        QObject::connect(&ws, &QWebSocket::textMessageReceived, &ws, [this](const QString& m) {
            got.emplace_back(WallMs(), QJsonDocument::fromJson(m.toUtf8()).object());
        });
        ws.open(url);
    }
};

void PrintSpread(const char* what, std::vector<double> v)
{
    if (v.empty()) {
        std::printf("%-34s no samples\n", what);
        return;
    }
    std::sort(v.begin(), v.end());
    std::printf("%-34s median %6.2f ms, max %6.2f ms (%zu samples)\n", what, v[v.size() / 2], v.back(), v.size());
}

int Latency(int changes)
{
    Program p({"[JSSET1]", "JSHH=00", "JSMM=05", "JSSS=00"});
    Browser browser;
    const QString status = "document.getElementById('status').textContent";
    if (!browser.open(QStringLiteral("http://127.0.0.1:%1/").arg(p.port)) || !browser.waitFor(status + " === '未计时'")) {
        std::printf("the page did not come up\n");
        return 1;
    }
    browser.eval("window.changes = []; new MutationObserver(() => changes.push(performance.timeOrigin + performance.now()))"
                 ".observe(document.getElementById('status'), {childList: true, characterData: true, subtree: true})");
    Socket control(p.socketUrl(true)), viewer(p.socketUrl(false));
    if (!AwaitEvents([&] { return !viewer.got.empty() && !control.got.empty(); }, 10000)) {
        std::printf("the sockets did not connect\n");
        return 1;
    }
    std::vector<double> toDom, toSocket;
    for (int i = 0; i < changes; ++i) {
        const int phase = i % 2 == 0 ? 1 : 0;
        const size_t seen = viewer.got.size();
        const double sent = WallMs();
        control.ws.sendTextMessage(QStringLiteral("{\"cmd\":%1}").arg(phase == 1 ? 1 : 2)); // 计时, 复位
        const bool arrived = AwaitEvents([&] {
            for (size_t k = seen; k < viewer.got.size(); ++k)
                if (viewer.got[k].second.value("phase").toInt() == phase)
                    return toSocket.push_back(viewer.got[k].first - sent), true;
            return false;
        }, 5000);
        const bool shown = AwaitEvents([&] { return browser.eval("changes.length").toInt() > i; }, 5000);
        if (!arrived || !shown) {
            std::printf("change %d did not arrive\n", i + 1);
            break;
        }
        toDom.push_back(browser.eval(QStringLiteral("changes[%1]").arg(i)).toDouble() - sent);
    }
    std::printf("%d changes (start and reset from a control socket, the status text watched):\n", changes);
    PrintSpread("  command -> state at a socket", toSocket);
    PrintSpread("  command -> text in the page's DOM", toDom);
    return 0;
}

int Viewers(int count, int seconds)
{
    Program p({"[JSSET1]", "JSHH=01", "JSMM=00", "JSSS=00"});
    std::vector<std::unique_ptr<Socket>> pages;
    for (int i = 0; i < count; ++i)
        pages.push_back(std::make_unique<Socket>(p.socketUrl(false)));
    Socket control(p.socketUrl(true));
    const bool all = AwaitEvents([&] {
        return std::all_of(pages.begin(), pages.end(), [](const auto& s) { return !s->got.empty(); }) && !control.got.empty();
    }, 20000);
    if (!all) {
        std::printf("not every page connected\n");
        return 1;
    }
    control.ws.sendTextMessage("{\"cmd\":1}");
    AwaitEvents([] { return false; }, 1500); // the first ticks settle
    const qint64 pid = p.run.process().processId();
    const double cpu0 = CpuMs(pid);
    QElapsedTimer wall;
    wall.start();
    for (auto& s : pages)
        s->got.clear();
    AwaitEvents([] { return false; }, seconds * 1000);
    const double cpu = CpuMs(pid) - cpu0, elapsed = double(wall.elapsed());

    // Each page's first arrival of each counter text, without the one already shown at the
    // start; the first and the last page it reached.
    std::map<QString, std::pair<double, double>> arrivals;
    for (const auto& s : pages) {
        std::map<QString, double> first;
        for (const auto& [t, o] : s->got)
            if (o.value("t") == "state" && o.value("phase").toInt() == 1)
                first.try_emplace(o.value("counter").toString(), t);
        if (!first.empty())
            first.erase(std::prev(first.end()));
        for (const auto& [counter, t] : first) {
            auto [it, fresh] = arrivals.try_emplace(counter, t, t);
            it->second.first = std::min(it->second.first, t);
            it->second.second = std::max(it->second.second, t);
        }
    }
    // Counting down: the k-th second after the first seen counter is k seconds lower.
    auto secondsOf = [](const QString& c) {
        return c.section(':', 0, 0).toInt() * 3600 + c.section(':', 1, 1).toInt() * 60 + c.section(':', 2, 2).toInt();
    };
    double first = 0, worst = 0, last = 0, fanout = 0;
    int top = -1, ticks = 0;
    for (auto it = arrivals.rbegin(); it != arrivals.rend(); ++it) {
        const int s = secondsOf(it->first);
        if (top < 0) {
            top = s;
            first = it->second.first;
        }
        const double offset = it->second.first - first - (top - s) * 1000.0;
        worst = std::max(worst, std::abs(offset));
        last = offset;
        fanout = std::max(fanout, it->second.second - it->second.first);
        ++ticks;
    }
    std::printf("%d viewers, %d s: %d ticks, drift max %.2f ms, final %.2f ms; all pages reached within %.2f ms; "
                "program CPU %.2f%%\n",
                count, seconds, ticks, worst, last, fanout, 100.0 * cpu / elapsed);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("latency");
    if (mode == "latency")
        return Latency(argc > 2 ? std::atoi(argv[2]) : 100);
    if (mode == "viewers")
        return Viewers(argc > 2 ? std::atoi(argv[2]) : 50, argc > 3 ? std::atoi(argv[3]) : 120);
    std::fprintf(stderr, "usage: remote_bench latency [CHANGES] | viewers [N] [SECONDS]\n");
    return 2;
}
