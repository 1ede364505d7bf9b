#include "app/InstanceRequests.h"

#include "app/App.h"
#include "app/CommandLine.h"
#include "platform/instance/InstanceChannel.h"
#include "platform/desktop/X11WindowMove.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QApplication>
#include <cstdio>

namespace {
void Print(std::FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
}

// The running program's display window, or the modal dialog open over it, raised and activated.
void BringToFront(App& app)
{
    QWidget* w = nullptr;
    switch (app.session.Mode()) {
    case DisplayMode::Main: w = &app.mainForm(); break;
    case DisplayMode::Toolbar:
        w = app.session.LargeToolbarChosen() ? &app.toolsBarFormMax() : &app.toolsBarForm();
        break;
    case DisplayMode::FullScreen: w = &app.fullScreenForm(); break;
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        w = modal;
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
    ActivateX11Window(w->windowHandle());
}
} // namespace

std::optional<int> HandOverOrClaim(const QStringList& args, InstanceChannel& channel,
                                   const std::function<void()>& beforePrinting)
{
    const CommandLine line = ParseCommandLine(args);
    auto print = [&beforePrinting](std::FILE* to, const std::function<QString()>& text) {
        if (beforePrinting)
            beforePrinting();
        Print(to, text());
    };
    switch (line.action) {
    case CommandLine::Action::Help:
        print(stdout, CommandLineText::Help);
        return ExitStatus::Acted;
    case CommandLine::Action::Version:
        print(stdout, CommandLineText::Version);
        return ExitStatus::Acted;
    case CommandLine::Action::Usage:
        // The error line again, now in the texts' language.
        print(stderr, [&args] { return ParseCommandLine(args).error + CommandLineText::UsageHint(); });
        return ExitStatus::Usage;
    case CommandLine::Action::Report:
        // main() writes the report before asking anyone; never handed over.
        return ExitStatus::Usage;
    case CommandLine::Action::Start:
    case CommandLine::Action::Command:
        break;
    }
    const bool start = line.action == CommandLine::Action::Start;
    const InstanceChannel::Reply reply = channel.ask(RequestLine(line.request), /*claim=*/start);
    using Kind = InstanceChannel::Reply::Kind;
    if (reply.kind == Kind::Claimed)
        return std::nullopt;
    if (reply.kind == Kind::Answered && reply.answer == kAnswerActed)
        return ExitStatus::Acted;
    if (reply.kind == Kind::Answered && reply.answer == kAnswerNotOffered && !start)
        return ExitStatus::NotOffered;
    print(stderr, reply.kind == Kind::NoneRuns ? CommandLineText::NoInstance : CommandLineText::NoAnswer);
    return ExitStatus::NoInstance;
}

void AnswerRequests(App& app, InstanceChannel& channel)
{
    channel.listen([&app](const QByteArray& line) { return AnswerRequest(app, line); });
}

QByteArray AnswerRequest(App& app, const QByteArray& line)
{
    const std::optional<InstanceRequest> request = ParseRequestLine(line);
    if (!request || app.Ended())
        return kAnswerRefused;
    if (!request->command) {
        BringToFront(app);
        return kAnswerActed;
    }
    if (request->speaker > 0)
        return app.GoToSpeaker(request->speaker - 1) ? kAnswerActed : kAnswerNotOffered;
    return app.RunOffered(*request->command) ? kAnswerActed : kAnswerNotOffered;
}
