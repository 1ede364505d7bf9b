// The programme at its seams: the import form, the file it is kept in, and when 下一位 is offered.
#include "support/TestApp.h"

#include "config/AtomicFile.h"
#include "programme/ProgrammeRun.h"
#include "programme/ProgrammeStore.h"
#include "programme/ProgrammeForm.h"
#include "programme/SpeakerLines.h"
#include "report/ReportPreview.h"
#include "windows/MainForm.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QPushButton>
#include <QTimer>
#include <QStringEncoder>
#include <gtest/gtest.h>

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

TEST(Programme, ImportFormReadsSeparatorsEncodingsHeadersAndQuotesAndNamesTheLinesSkipped)
{
    const struct {
        QByteArray bytes;
        const char* speakers;
        const char* skipped;
    } cases[] = {
        {"Ann,Hope,2\nBob\tDreams\n张三，春天，5\n", "Ann|Hope|2;Bob|Dreams|0;张三|春天|5", ""},
        {"\xEF\xBB\xBF姓名,题目,方案\r\n李四,我的梦想\r\n\r\n王五\r\n", "李四|我的梦想|0;王五||0", ""},
        {Gbk("姓名\t题目\r\n张三\t远方\r\n"), "张三|远方|0", ""},
        {"Name,Title\n\"Lee, Jr.\",\"say \"\"hi\"\"\",3\n\"two\nlines\",x\n", "Lee, Jr.|say \"hi\"|3;two\nlines|x|0", ""},
        {"Ann\n,no name\nBob,,7\nCid,,1\n", "Ann||0;Cid||1", "第 2 行没有姓名；第 3 行的方案不是 1 到 5，已跳过"},
        {"姓名\n", "", ""},
    };
    for (const auto& c : cases) {
        const SpeakerLines lines = ParseSpeakerLines(DecodeSpeakerFile(c.bytes));
        EXPECT_EQ(Names(lines.speakers), QString::fromUtf8(c.speakers)) << c.bytes.toStdString();
        EXPECT_EQ(lines.skipped, QString::fromUtf8(c.skipped)) << c.bytes.toStdString();
    }
    QTemporaryDir dir;
    const QString big = dir.path() + "/big.csv", other = dir.path() + "/list.xlsx", bin = dir.path() + "/bin.txt";
    QFile(big).open(QIODevice::WriteOnly) && QFile(big).resize(kMaxSpeakerFileBytes + 1);
    for (const QString& p : {other, bin}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("PK\0\3", 4));
    }
    for (const QString& p : {big, other, bin})
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
    p.Append({a, b});
    p.SetSpoken(p.Speakers()[0].id, 3725, QString());
    p.SetCurrent(1);
    const QByteArray saved = FileBytes(path);
    EXPECT_EQ(saved, "\xEF\xBB\xBF序号,姓名,题目,方案,用时,结果,当前\r\n1,\"Ann, \"\"A\"\"\",Hope,3,1:02:05,,\r\n2,张三,,,,,*\r\n");

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
    EXPECT_TRUE(FileBytes(path).contains("1,Bea,Hope,3,1:02:05,,\r\n2,张三,春天,,,,*\r\n"));

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
    EXPECT_EQ(t.app->mainForm().windowTitle(), "第2位 Bob");
    EXPECT_FALSE(t.app->RunOffered(CommandId::NextSpeaker));
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
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        if ((shown = preview != nullptr)) {
            preview->Print->click();
            preview->SavePdf->click();
            preview->accept();
        }
    });
    t.app->programmeForm().Report->click();
    ASSERT_TRUE(shown);
    ASSERT_EQ(t.w.printing.printed.size(), 1);
    EXPECT_TRUE(t.w.printing.printed[0].startsWith("%PDF") && t.w.printing.printed[0].contains("/Type /Page"));
    QFile pdf(t.w.path("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(t.w.dialogs.warnings.empty());
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
