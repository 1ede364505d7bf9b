// The programme at its seams: the import form, the file it is kept in, and when 下一位 is offered.
#include "support/TestApp.h"

#include "app/InstanceRequests.h"
#include "config/AtomicFile.h"
#include "programme/ProgrammeRun.h"
#include "programme/ProgrammeStore.h"
#include "programme/ProgrammeForm.h"
#include "programme/SpeakerLines.h"
#include "report/ContestReport.h"
#include "report/ReportPreview.h"
#include "core/TimingRecord.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
QByteArray Gbk(const QString& text) { return QStringEncoder("GBK").encode(text); }

QString Names(const QList<Speaker>& list)
{
    QStringList out;
    for (const Speaker& s : list)
        out << s.name + u'|' + s.title + u'|' + QString::number(s.scheme);
    return out.join(u';');
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(Programme, ImportReadsFilesAsSpreadsheetsSaveThemAndNamesEachLineSkippedAndWhy)
{
    const QString longName(kMaxNameLength + 1, u'名'), longTitle(kMaxTitleLength + 1, u'题');
    const struct {
        QByteArray bytes;
        QString speakers;
        QString skipped;
    } cases[] = {
        // One separator a file: tabs, else commas, else full-width commas; the others are text.
        {Gbk("张三,科技，让生活更美好\r\n李四,远方\r\n"), "张三|科技，让生活更美好|0;李四|远方|0", ""},
        {"Ann\t读书, 让我成长\nBob\tDreams\t3\n", "Ann|读书, 让我成长|0;Bob|Dreams|3", ""},
        {"张三，春天，5\n李四\n", "张三|春天|5;李四||0", ""},
        {"\xEF\xBB\xBF姓名,题目,方案\r\n李四,我的梦想\r\n\r\n王五\r\n", "李四|我的梦想|0;王五||0", ""},
        {Gbk("姓名\t题目\r\n张三\t远方\r\n"), "张三|远方|0", ""},
        // A quote opens a field only at its start and only when it closes there; else it is text.
        {"Name,Title\n\"Lee, Jr.\",\"say \"\"hi\"\"\",3\n\"two\nlines\",x\n", "Lee, Jr.|say \"hi\"|3;twolines|x|0", ""},
        {"O\"Brien\nAnn\nBob\nCid\n", "O\"Brien||0;Ann||0;Bob||0;Cid||0", ""},
        {"张三,我的17\" 显示器\n\"Ann,Hope\nBob,\"x\"y\n", "张三|我的17\" 显示器|0;\"Ann|Hope|0;Bob|\"x\"y|0", ""},
        // UTF-16 with its byte-order mark, as "Unicode 文本" saves it.
        {"\xFF\xFE" + QStringEncoder(QStringEncoder::Utf16LE).encode(u"姓名\t题目\r\n张三\t读书, 成长\r\n"), "张三|读书, 成长|0", ""},
        // Control characters are dropped; too long a name or title, no name or no scheme skips the line.
        {"A\x01nn\x7f,T\x1bitle\n", "Ann|Title|0", ""},
        {(longName + ",x\nAnn," + longTitle + "\n" + QString(kMaxNameLength, u'名') + "\n").toUtf8(),
         QString(kMaxNameLength, u'名') + "||0",
         "第 1 行的姓名超过 60 个字符；第 2 行的题目超过 150 个字符，已跳过"},
        {"Ann\n,no name\nBob,,7\nCid,,1\nDan,a,b,c\n", "Ann||0;Cid||1",
         "第 2 行没有姓名；第 3 行的方案不是 1 到 5；第 5 行有 4 列，多于 姓名,题目,方案 三列，已跳过"},
        {"姓名\n", "", ""},
    };
    for (const auto& c : cases) {
        const SpeakerLines lines = ParseSpeakerLines(DecodeSpeakerFile(c.bytes));
        EXPECT_EQ(Names(lines.speakers), c.speakers) << c.bytes.toStdString();
        EXPECT_EQ(lines.skipped, c.skipped) << c.bytes.toStdString();
    }
    QTemporaryDir dir;
    const QString big = dir.path() + "/big.csv", other = dir.path() + "/list.xlsx", bin = dir.path() + "/bin.txt", odd = dir.path() + "/odd.txt";
    QFile(big).open(QIODevice::WriteOnly) && QFile(big).resize(kMaxSpeakerFileBytes + 1);
    for (const auto& [p, bytes] : {std::pair{other, QByteArray("PK\0\3", 4)}, std::pair{bin, QByteArray("PK\0\3", 4)},
                                   std::pair{odd, QByteArray("\xFF\xFE" "A\0\0", 5)}}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    for (const QString& p : {big, other, bin, odd})
        EXPECT_FALSE(ReadSpeakerFile(p).lines) << p.toStdString();
}

TEST(Programme, TheStoreRoundTripsLeavesAnUnreadableFileAloneAndKeepsTheOldFileWhenAWriteFails)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/horalto/programme.csv";
    Programme p;
    ProgrammeStore store(path, p);
    ASSERT_TRUE(store.Load());
    Speaker a, b;
    a.name = "Ann, \"A\"";
    a.title = "Hope";
    a.scheme = 3;
    b.name = "张三";
    int writes = 0;
    AtomicFile::setBeforeRename([&writes](const QString&) { return ++writes > 0; });
    p.Append({a, b});
    AtomicFile::setBeforeRename({});
    EXPECT_EQ(writes, 1) << "the list and its first current speaker kept by one write";
    p.SetSpoken(p.Speakers()[0].id, 3725, QString());
    p.SetCurrent(1);
    const QByteArray saved = FileBytes(path);
    EXPECT_EQ(saved, "\xEF\xBB\xBF序号,姓名,题目,方案,用时,结果,当前,重计\r\n1,\"Ann, \"\"A\"\"\",Hope,3,1:02:05,,,\r\n2,张三,,,,,*,\r\n");

    Programme back;
    ProgrammeStore again(path, back);
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(back.Speakers(), p.Speakers());
    EXPECT_EQ(back.Current(), 1);

    // A write stopped before its rename leaves the file as it was; the next one writes it whole.
    AtomicFile::setBeforeRename([](const QString&) { return false; });
    back.SetName(0, "Bea");
    AtomicFile::setBeforeRename({});
    EXPECT_EQ(FileBytes(path), saved);
    back.SetTitle(1, "春天");
    EXPECT_TRUE(FileBytes(path).contains("1,Bea,Hope,3,1:02:05,,,\r\n2,张三,春天,,,,*,\r\n"));

    // A list placed there by hand; then a file that is not a programme, never overwritten.
    const struct {
        QByteArray bytes;
        bool readable;
    } files[] = {{Gbk("姓名,题目\r\n李四,远方\r\n王五\r\n"), true},
                 {"\xEF\xBB\xBF序号,姓名,题目,方案,用时,结果,当前\r\n1,Ann,,9,,,\r\n", false},
                 {QByteArray("\x89PNG\0\0", 6), false}};
    for (const auto& f : files) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(f.bytes);
        out.close();
        Programme read;
        ProgrammeStore s(path, read);
        EXPECT_EQ(s.Load(), f.readable);
        EXPECT_EQ(s.Problem().isEmpty(), f.readable);
        EXPECT_EQ(Names(read.Speakers()), f.readable ? "李四|远方|0;王五||0" : "");
        EXPECT_EQ(read.Current(), f.readable ? 0 : -1);
        read.Append({a});
        EXPECT_EQ(FileBytes(path) == f.bytes, !f.readable);
    }
}

TEST(Programme, TheLargestProgrammeAcceptedIsReadBackAndEveryCsvGuardsFormulasAndReadsThemBack)
{
    QTemporaryDir dir;
    Programme p, back;
    ProgrammeStore store(dir.path() + "/programme.csv", p), again(dir.path() + "/programme.csv", back);
    ASSERT_TRUE(store.Load());
    Speaker s{u'=' + QString(kMaxNameLength - 1, u'名'), u'@' + QString(kMaxTitleLength - 1, u'题'), 5, 35999, "不足时"};
    p.Append(QList<Speaker>(kMaxSpeakers, s));
    ASSERT_TRUE(again.Load()) << again.Problem().toStdString();
    EXPECT_TRUE(back.Speakers() == p.Speakers());

    // Each writer of a CSV file guards a text a spreadsheet would run; each reader gives it back.
    s = Speaker{"=cmd|' /C calc'!A1", "-1+1", 0, 427, {}};
    TimingRecord r;
    r.start = r.end = QDateTime(QDate(2026, 5, 1), QTime(9, 0));
    r.speaker = s.name;
    r.speakerTitle = s.title;
    r.overtimeSeconds = 7;
    const QString records = CsvLine(RecordHeader()) + CsvLine(RecordFields(r));
    const ContestReport report = BuildReport({s}, records, QString(), QDate(2030, 1, 1));
    EXPECT_EQ(report.rows.value(0).overtime, "0:00:07") << "the record found by the name as typed";
    EXPECT_EQ(report.date, QDate(2026, 5, 1));
    p.Replace({s}, 0);
    for (const QByteArray& bytes : {records.toUtf8(), ProgrammeBytes(p), ReportCsv(report)})
        EXPECT_TRUE(bytes.contains(",'=cmd|' /C calc'!A1,'-1+1,") && !bytes.contains(",=cmd")) << bytes.toStdString();
    EXPECT_EQ(RecordFieldShown(SpeakerColumn, ParseCsv(records)[1][SpeakerColumn]), s.name);
    QList<Speaker> read;
    int current = 0;
    QString problem;
    ASSERT_TRUE(ParseProgrammeBytes(ProgrammeBytes(p), read, current, problem));
    EXPECT_TRUE(read == QList<Speaker>{s});
}

TEST(Programme, NextSpeakerIsOfferedWithAFollowingSpeakerWhileNoTimingRuns)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSSS=30", "[JSSET2]", "JSSS=40", "[COMMSET]", "HotKeySetA12=Ctrl",
                         "HotKeySetB12=78", "HotKeyDesc12=Ctrl+N"}));
    ProgrammeRun& run = *t.app->programmeRun();
    const bool empty = t.app->Offered(CommandId::NextSpeaker).enabled;
    Speaker s1, s2;
    s1.name = "Ann";
    s2.name = "Bob";
    s2.scheme = 2;
    t.app->programme.Append({s1, s2});
    const struct {
        int current;
        void (TimingSession::*act)();
        bool next, row2;
    } cases[] = {
        {0, nullptr, true, true},
        {1, nullptr, false, true},
        {0, &TimingSession::StartTiming, false, false},
        {0, &TimingSession::TogglePause, false, false},
        {0, &TimingSession::ResetTiming, true, true},
    };
    for (const auto& c : cases) {
        t.app->programme.SetCurrent(c.current);
        if (c.act)
            (t.m().*c.act)();
        EXPECT_EQ(t.app->Offered(CommandId::NextSpeaker).enabled, c.next) << c.current;
        EXPECT_EQ(run.SpeakerRowOffered(1), c.row2) << c.current;
    }
    EXPECT_FALSE(empty);
    EXPECT_FALSE(run.SpeakerRowOffered(2));
    // 下一位 (its hotkey) makes Bob current, and his scheme the current one; the displays name him.
    t.app->programme.SetCurrent(0);
    ASSERT_EQ(t.w.hotkeys.registered.count(12), 1u);
    t.w.hotkeys.press(12);
    EXPECT_EQ(t.app->programme.Current(), 1);
    EXPECT_EQ(t.m().FangAnId(), 2);
    EXPECT_EQ(t.app->mainForm().windowTitle(), "第2位 \u2068Bob\u2069");
    EXPECT_FALSE(t.app->RunOffered(CommandId::NextSpeaker));
}

TEST(Programme, ATimingIsFiledUnderTheSpeakerWhoseSpeechItIsAndNobodyElse)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSSS=30", "[JSSET2]", "JSSS=20", "[COMMSET2]", "Debate=Yes", "SideA=Pro",
                         "SideB=Con", "[JSSET3]", "JSSS=40"}));
    t.app->programme.Append({Speaker{.name = "Ann"}, Speaker{.name = "Bob", .title = "Hope", .scheme = 3}});
    t.app->SetSpeakerMessage("请抓紧");
    const struct {
        int current;   // the speaker made current (their scheme follows), -1: the programme emptied
        int scheme;    // then switched to; 0: none
        const char* filed;     // 选手 and 题目 of the record
        const char* programme; // each row's time, "r" when re-timed
        const char* shown;     // the main window's title while timed
    } steps[] = {
        {0, 0, "Ann|", "0:00:00|", "第1位 \u2068Ann\u2069"},
        {0, 0, "Ann|", "0:00:00r|", "第1位 \u2068Ann\u2069"},                      // re-timed: both on record
        {0, 2, "Pro / Con|", "0:00:00r|", "Horalto 计时方案2"},        // a debate is no speaker's
        {1, 0, "Bob|Hope", "0:00:00r|0:00:00", "第2位 \u2068Bob\u2069《\u2068Hope\u2069》"},    // his scheme 3
        {1, 1, "|", "0:00:00r|0:00:00", "第2位 \u2068Bob\u2069《\u2068Hope\u2069》"},           // not his scheme
        {-1, 0, "|", "", "Horalto 计时方案1"},
    };
    int i = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(i++);
        const int before = t.app->programme.Current();
        if (step.current < 0)
            t.app->programme.Clear();
        else
            t.app->GoToSpeaker(step.current);
        // A message stays with the speaker it was for.
        EXPECT_EQ(t.m().SpeakerMessage().isEmpty(), before != t.app->programme.Current());
        if (step.scheme)
            t.app->SwitchScheme(step.scheme);
        t.m().StartTiming();
        EXPECT_EQ(t.app->mainForm().windowTitle(), step.shown);
        t.m().ResetTiming();
        ASSERT_EQ(t.w.records.lines.size(), i);
        const QStringList fields = ParseCsv(t.w.records.lines.last()).value(0);
        EXPECT_EQ(fields.value(SpeakerColumn) + '|' + fields.value(SpeakerTitleColumn), step.filed);
        QStringList rows;
        for (const Speaker& s : t.app->programme.Speakers())
            rows << (s.spoken ? SpokenText(*s.spoken) : QString()) + (s.retimed ? "r" : "");
        EXPECT_EQ(rows.join('|'), step.programme);
        t.app->SetSpeakerMessage("请抓紧");
    }
}

TEST(Programme, AProgrammeThatCannotBeStoredSaysSoInTheWindowsAndToTheCommandLine)
{
    TestApp t;
    const QString path = t.w.services.programmePath = t.w.path("programme.csv");
    ASSERT_TRUE(t.start());
    t.app->programme.Append({Speaker{.name = "Ann"}, Speaker{.name = "Bob"}, Speaker{.name = "Cid"}});
    ProgrammeForm& form = t.app->programmeForm();
    form.Form_Show();
    FakeInstanceChannel channel;
    AnswerRequests(t.app->session, *t.app, channel);
    const auto send = [&](const QStringList& args) { return channel.answerer(RequestLine(ParseCommandLine(args).request)); };
    const auto shown = [&] { return form.Problem->isVisible() && t.app->mainForm().Notice->isVisibleTo(&t.app->mainForm()); };
    QFile file(path);
    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner));
    EXPECT_TRUE(send({"next"}).startsWith("NOT-STORED ")) << "the displays show Bob, the file does not";
    EXPECT_TRUE(send({"speaker", "3"}).startsWith("NOT-STORED ")) << "every change tries again";
    EXPECT_TRUE(shown() && form.Problem->text().contains(path));
    EXPECT_EQ(send({"pause"}), kAnswerNotOffered) << "a command that changes no store is answered as always";
    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_EQ(send({"speaker", "2"}), kAnswerActed);
    EXPECT_FALSE(shown());
    Programme back;
    ProgrammeStore again(path, back);
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(back.Current(), 1) << "the programme shown is the one kept";
}

TEST(Programme, TheDrawIsRefusedWhenATimingStartedWhileItsQuestionWasOpen)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    t.app->programme.Append({Speaker{.name = "Ann"}, Speaker{.name = "Bob"}, Speaker{.name = "Cid"}});
    const QList<Speaker> before = t.app->programme.Speakers();
    t.w.dialogs.questionAnswers = {true};
    t.w.dialogs.whileAsking = [&] { EXPECT_TRUE(t.app->RunOffered(CommandId::Start)); };
    t.app->programmeForm().Shuffle_Click();
    EXPECT_EQ(t.w.dialogs.warnings.size(), 1u);
    EXPECT_EQ(t.app->programme.Speakers(), before) << "the order stays while a speaker is timed";
}

TEST(Programme, TheReportPreviewPrintsThroughTheServiceAndSavesAPdf)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    Speaker ann, bob;
    ann.name = "Ann";
    ann.spoken = 310;
    ann.result = "合格";
    bob.name = "Bob";
    t.app->programme.Append({ann, bob});
    t.app->programmeForm().Form_Show();
    t.w.printing.pdfAnswer = t.w.path("report.pdf");
    bool shown = false;
    // The pages are laid out on a thread of their own; the preview opens when they are.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget())) {
            shown = true;
            poll.stop();
            preview->Print->click();
            preview->SavePdf->click();
            preview->accept();
        }
    });
    poll.start(10);
    t.app->programmeForm().Report->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown && !QApplication::activeModalWidget(); }, 20000));
    ASSERT_TRUE(shown);
    ASSERT_EQ(t.w.printing.printed.size(), 1);
    EXPECT_TRUE(t.w.printing.printed[0].startsWith("%PDF") && t.w.printing.printed[0].contains("/Type /Page"));
    QFile pdf(t.w.path("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(t.w.dialogs.warnings.empty());
}

TEST(Programme, NamesAndTitlesShowAsPlainTextEachIsolatedInTheMainAndFullScreenWindows)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    t.app->programme.Append({Speaker{"<b>HACKED</b>", "\u202e张三"}, Speaker{"<img src=\"x.png\">"}});
    t.app->session.SetInfoTextFrom("<font color=red>info</font>");
    const QString title = "第1位 \u2068<b>HACKED</b>\u2069《\u2068\u202e张三\u2069》";
    const struct { const char* where; QLabel* label; QString text; } cases[] = {
        {"main window", t.app->mainForm().Label5, title},
        {"full screen", t.app->fullScreenForm().SpeakerLabel, title},
        {"下一位", t.app->fullScreenForm().NextLabel, "下一位：\u2068<img src=\"x.png\">\u2069"},
        {"information", t.app->fullScreenForm().Label2, "<font color=red>info</font>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.label->textFormat(), Qt::PlainText) << c.where;
        EXPECT_EQ(c.label->text(), c.text) << c.where;
    }
}

TEST(Programme, AnImportAsksToReplaceOrAddAndKeepsTheProgrammeWithinItsBounds)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    QFile list(t.w.path("list.csv"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly) && list.write("Bob\nCid\n") == 8);
    list.close();
    const Speaker ann{"Ann"};
    // The answer (-1: 取消), the speakers before, and after ("": as before).
    const struct { int answer, having; const char* names; } cases[] = {
        {-1, 1, ""}, {1, 1, "Ann||0;Bob||0;Cid||0"}, {0, 3, "Bob||0;Cid||0"}, {1, kMaxSpeakers - 1, ""},
        {0, kMaxSpeakers - 1, "Bob||0;Cid||0"}};
    for (const auto& c : cases) {
        t.app->programme.Replace(QList<Speaker>(c.having, ann), 0);
        const QString before = Names(t.app->programme.Speakers());
        t.w.dialogs.fileAnswers = {list.fileName()};
        t.w.dialogs.choiceAnswers = {c.answer};
        t.app->programmeForm().Import_Click();
        EXPECT_FALSE(t.app->programmeForm().Import->isEnabled()) << "one import at a time";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !t.app->programmeForm().Importing(); }, 5000));
        EXPECT_EQ(Names(t.app->programme.Speakers()), *c.names ? QString(c.names) : before) << c.answer << " " << c.having;
    }
    EXPECT_EQ(t.w.dialogs.choices.size(), 5u);
    EXPECT_EQ(t.w.dialogs.warnings.size(), 1u) << "a 5 001st speaker refused";
    // Files refused on the reading thread: one warning each, the programme as it was.
    ProgrammeForm& form = t.app->programmeForm();
    ASSERT_EQ(::mkfifo(QFile::encodeName(t.w.path("pipe.csv")).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(t.w.path("folder.csv")));
    const QString kept = Names(t.app->programme.Speakers());
    for (const char* name : {"pipe.csv", "folder.csv", "missing.txt"}) {
        t.w.dialogs.fileAnswers = {t.w.path(name)};
        form.Import_Click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Importing(); }, 5000)) << name;
        EXPECT_TRUE(form.Import->isEnabled()) << name;
        EXPECT_EQ(Names(t.app->programme.Speakers()), kept) << name;
        EXPECT_TRUE(t.w.dialogs.warnings.back().text.startsWith("无法导入 ")) << name;
    }
    EXPECT_EQ(t.w.dialogs.warnings.size(), 4u);
    t.app->programme.Replace(QList<Speaker>(kMaxSpeakers, ann), 0); // pasted lines likewise
    t.app->programmeForm().PasteLines("Dan\n");
    EXPECT_EQ(t.app->programme.Size(), kMaxSpeakers);
    EXPECT_EQ(t.w.dialogs.warnings.size(), 5u);
}

TEST(Programme, EveryCharacterOfTheReportIsInThePdfsTextLayer)
{
    const QStringList texts = {"calc'!A1", "http://127.0.0.1:8080/", "第10位", "Ann 3 B2", "马龙", "O'Brien-Smith"};
    ContestReport report{"Final 2026", QDate(2026, 5, 4), {}};
    for (int i = 0; i + 1 < texts.size(); i += 2)
        report.rows << ReportRow{i + 1, texts[i], texts[i + 1], "0:05:07", "0:00:07", "合格"};
    QProcess text;
    text.start("pdftotext", {"-", "-"});
    text.write(ReportPdf(report));
    text.closeWriteChannel();
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString found = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& t : texts + QStringList{"Final 2026", "2026-05-04", "0:05:07"})
        EXPECT_TRUE(found.contains(t)) << t.toStdString() << " in " << found.toStdString();
}

// 添加, a name and Tab: the editor moves on to 题目 with the name kept, and Qt has nothing to
// complain of; the name's column is as wide as the name. 删除 of a speaker who has a time asks.
TEST(Programme, AfterAddANameAndTabMoveOnToTheTitleAndRemovingASpokenSpeakerAsks)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    static QStringList messages;
    static QtMessageHandler before = nullptr;
    messages.clear();
    before = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& m) {
        messages << m;
        before(type, context, m);
    });
    ProgrammeForm& f = t.app->programmeForm();
    f.Form_Show();
    const auto editor = [&f]() -> QLineEdit* {
        for (QLineEdit* e : f.List->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible())
                return e;
        return nullptr;
    };
    f.Add_Click();
    ASSERT_NE(editor(), nullptr);
    editor()->selectAll();
    editor()->insert(QStringLiteral("欧阳修远")); // as typed through an input method
    QTest::keyClick(editor(), Qt::Key_Tab);
    ASSERT_NE(editor(), nullptr) << "an editor is open after Tab";
    EXPECT_EQ(f.List->currentRow(), 0);
    EXPECT_EQ(f.List->currentColumn(), 2) << "题目";
    editor()->insert(QStringLiteral("我的梦想"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits a Return a moment later
    qInstallMessageHandler(before);
    ASSERT_EQ(t.app->programme.Size(), 1);
    EXPECT_EQ(t.app->programme.Speakers()[0].name, "欧阳修远");
    EXPECT_EQ(t.app->programme.Speakers()[0].title, "我的梦想");
    EXPECT_TRUE(messages.filter("closeEditor").isEmpty()) << messages.join('\n').toStdString();
    EXPECT_GE(f.List->columnWidth(1), f.List->fontMetrics().horizontalAdvance("欧阳修远"));

    Speaker spoken;
    spoken.name = "Bob";
    spoken.spoken = 300;
    t.app->programme.Append({spoken});
    for (const bool yes : {false, true}) {
        t.w.dialogs.questionAnswers.push_back(yes);
        f.List->selectRow(1);
        f.Remove_Click();
        EXPECT_EQ(t.app->programme.Size(), yes ? 1 : 2);
    }
    EXPECT_EQ(t.w.dialogs.questions.size(), 2u);
    f.List->selectRow(0);
    f.Remove_Click(); // nobody asks for a speaker without a time
    EXPECT_EQ(t.app->programme.Size(), 0);
    EXPECT_EQ(t.w.dialogs.questions.size(), 2u);
}
