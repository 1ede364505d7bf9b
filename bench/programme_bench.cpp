// Figures of the contest programme with N speakers (1000 unless given), on the program's own
// code with test doubles for the outside world and the programme file on the disk:
// the import of an N-line file, the programme window opening, an import through 导入... into it
// (the window's longest hold), and 下一位 (median and max of 50).
// Run under an X server (bench/programme does it).
#include "support/TestApp.h"

#include "programme/ProgrammeForm.h"
#include "programme/ProgrammeRun.h"
#include "programme/ProgrammeStore.h"
#include "programme/SpeakerLines.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const int n = argc > 1 ? std::max(2, atoi(argv[1])) : 1000;
    TestApp t;
    t.w.services.programmePath = t.w.path("data/horalto/programme.csv");
    if (!t.start({"[JSSET1]", "JSSS=30"}))
        return 1;
    QFile list(t.w.path("list.csv"));
    list.open(QIODevice::WriteOnly);
    list.write("姓名,题目,方案\r\n");
    for (int i = 1; i <= n; ++i)
        list.write(QStringLiteral("选手%1,我的梦想第%1篇,%2\r\n").arg(i).arg(i % 2 + 1).toUtf8());
    list.close();

    QElapsedTimer clock;
    clock.start();
    const SpeakerFile file = ReadSpeakerFile(list.fileName());
    t.app->programme.Append(file.lines->speakers);
    const double importMs = clock.nsecsElapsed() / 1e6;

    clock.restart();
    t.app->Run(CommandId::Programme);
    QCoreApplication::processEvents();
    const double openMs = clock.nsecsElapsed() / 1e6;
    const int rows = t.app->programmeForm().List->rowCount();

    // The same list imported again through 导入... into the open window, replacing it: read and
    // parsed on the reading thread, then kept on the disk and shown. The window's longest hold
    // is the longest single turn of its event loop meanwhile.
    ProgrammeForm& form = t.app->programmeForm();
    t.w.dialogs.fileAnswers = {list.fileName()};
    t.w.dialogs.choiceAnswers = {0};
    clock.restart();
    QElapsedTimer turn;
    turn.start();
    form.Import_Click();
    double holdMs = turn.nsecsElapsed() / 1e6;
    while (form.Importing()) {
        turn.restart();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        holdMs = std::max(holdMs, turn.nsecsElapsed() / 1e6);
    }
    const double shownMs = clock.nsecsElapsed() / 1e6;
    if (form.List->rowCount() != n)
        return 1;

    std::vector<double> next;
    for (int i = 0; i < 50; ++i) {
        clock.restart();
        const bool ran = t.app->RunOffered(CommandId::NextSpeaker);
        QCoreApplication::processEvents();
        next.push_back(clock.nsecsElapsed() / 1e6);
        if (!ran)
            return 1;
    }
    std::sort(next.begin(), next.end());
    std::printf("speakers %d (rows shown %d)\n", n, rows);
    std::printf("import of the file      %8.1f ms\n", importMs);
    std::printf("window opens            %8.1f ms\n", openMs);
    std::printf("import into the window  %8.1f ms (read, kept and shown; the window held at most %.1f ms)\n",
                shownMs, holdMs);
    std::printf("下一位 (window open)    median %6.1f ms, max %6.1f ms\n", next[next.size() / 2], next.back());
    return 0;
}
