// The interface's language picked in the menu while a timing runs and a dialog is open: every
// window, the menu, Qt's texts, the timing page and the command line change at once, both ways,
// and nothing else does; config.ini gains the one key.
#include "support/TestApp.h"

#include "app/CommandLine.h"
#include "menu/MenuForm.h"
#include "records/RecordsForm.h"
#include "settings/OptionForm.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Every text a window shows (captions, tool tips, list items, menu items) with where it shows.
using Texts = std::map<QString, QString>;

void Collect(Texts& texts, QWidget* window)
{
    auto add = [&texts](const QObject* o, const QString& what, const QString& text) {
        texts[QStringLiteral("%1 %2").arg(quintptr(o)).arg(what)] = text;
    };
    QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QWidget* w : all << window) {
        add(w, "tip", w->toolTip());
        add(w, "at", QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height()));
        if (w->isWindow())
            add(w, "title", w->windowTitle());
        if (auto* l = qobject_cast<QLabel*>(w))
            add(w, "text", l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(w, "text", b->text());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(w, QString::number(i), c->itemText(i));
        if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < table->columnCount(); ++c) {
                add(w, "column" + QString::number(c), table->horizontalHeaderItem(c)->text());
                for (int r = 0; r < table->rowCount(); ++r)
                    add(w, QStringLiteral("%1,%2").arg(r).arg(c), table->item(r, c)->text());
            }
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            add(w, "menu", menu->title());
            for (QAction* a : menu->actions())
                add(a, "item", a->text());
        }
    }
}

Texts TextsOf(TestApp& t, QWidget* dialog = nullptr)
{
    QApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    Texts texts;
    for (QWidget* w : std::initializer_list<QWidget*>{&t.app->mainForm(), &t.app->toolsBarForm(), &t.app->toolsBarFormMax(),
                                                      &t.app->fullScreenForm(), &t.app->menuForm(), &t.app->recordsForm(), dialog})
        if (w)
            Collect(texts, w);
    return texts;
}

bool Chinese(const QString& text) { return text.contains(QRegularExpression(QStringLiteral("\\p{Han}"))); }

// What the English texts did wrong against the Chinese ones: a Chinese text left, or another
// text changed. The language menu reads the same in both.
QStringList Untranslated(const Texts& chinese, const Texts& english)
{
    QStringList wrong;
    for (const auto& [where, text] : chinese) {
        const QString now = english.at(where);
        const bool languageMenu = text == QStringLiteral("语言 / Language") || text == QStringLiteral("中文");
        if (where.endsWith(QLatin1String(" at")) || languageMenu)
            continue;
        if (Chinese(text) ? Chinese(now) : now != text)
            wrong << text + QStringLiteral(" -> ") + now;
    }
    return wrong;
}
} // namespace

TEST(LanguageSwitch, EveryTextChangesBothWaysWhileATimingRunsAndADialogIsOpen)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSSS=30", "[RemoteView]", "Enabled=1"}));
    t.w.records.lines << CsvLine(RecordHeader()) << "2026-12-07,08:00:00,08:05:00,2,Ann,00:05:00,正计时,00:05:00,1,00:00:09,到时,+00:00:02\r\n";
    t.app->Run(CommandId::Records);
    t.app->recordsForm().All->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.app->recordsForm().Loading() && t.app->recordsForm().RecordList->rowCount() == 1; }, 5000));
    t.w.hotkeys.press(1);
    t.timer(1000)->fire();
    const Texts chinese = TextsOf(t);

    QByteArray file;
    EXPECT_TRUE(WithModal<OptionForm>([&] { t.app->Run(CommandId::Setup, &t.app->mainForm()); }, [&](OptionForm& f) {
        const Texts dialog = TextsOf(t, &f);
        file = t.w.iniBytes();
        t.app->menuForm().MEnglish->trigger();
        EXPECT_EQ(Untranslated(dialog, TextsOf(t, &f)).join(u'\n').toStdString(), "");
        EXPECT_EQ(f.Label13->text(), "No change");
        EXPECT_EQ(t.w.iniBytes(), file + "[Language]\r\nUI=en\r\n") << "only the choice is written";
    }));
    EXPECT_EQ(TextsOf(t).at(QStringLiteral("%1 text").arg(quintptr(t.app->mainForm().JishiPause))), "Pause");
    EXPECT_EQ(t.app->mainForm().windowTitle(), "Horalto · Timing scheme 1");
    EXPECT_EQ(t.app->menuForm().MJishiStart->text(), "Start\tF5");
    EXPECT_TRUE(t.app->menuForm().MEnglish->isChecked());
    EXPECT_EQ(t.w.remote.language, "en");
    EXPECT_EQ(t.w.remote.texts.value("时间到"), "Time's up");
    EXPECT_EQ(t.w.remote.published.back().pauseWord, "Pause");
    EXPECT_EQ(CommandLineText::UsageHint(), "See horalto --help for the usage\n");
    EXPECT_EQ(RecordText(ParseCsv(t.w.records.lines[1]).front()),
              "2026-12-07 08:00:00-08:05:00 Ann (scheme 2, up 00:05:00) timed 00:05:00 overtime +00:00:02 paused 1× 00:00:09 time up");
    EXPECT_TRUE(t.m().IsTiming()) << "the timing goes on";

    t.app->menuForm().MChinese->trigger();
    EXPECT_EQ(TextsOf(t), chinese) << "Chinese again, exactly as it was";
    EXPECT_EQ(t.w.iniBytes(), file + "[Language]\r\nUI=zh\r\n");
    EXPECT_EQ(t.w.qtTexts.used, (QStringList{"zh_CN", "en", "zh_CN"}));
    EXPECT_EQ(t.w.remote.language, "zh-CN");
    EXPECT_EQ(CommandLineText::UsageHint(), "用法见 horalto --help\n");
}

TEST(LanguageSwitch, TheStoredChoiceHoldsFromTheStartAndAFileWithoutItStaysChinese)
{
    for (const bool english : {false, true}) {
        TestApp t;
        ASSERT_TRUE(t.start(english ? QStringList{"[Language]", "UI=en"} : QStringList{"[FangAnSelect]", "JsFangAnId=1"}));
        EXPECT_EQ(t.app->mainForm().JishiStart->text(), english ? "Start" : "计 时");
        EXPECT_EQ(t.w.qtTexts.used, QStringList{english ? "en" : "zh_CN"});
        EXPECT_EQ(t.app->menuForm().MEnglish->isChecked(), english);
        t.app->menuForm().MJsFa[2]->trigger();
        EXPECT_EQ(t.m().SchemeTitle(), english ? "Horalto · Timing scheme 2" : "Horalto 计时方案2");
        EXPECT_EQ(t.w.iniBytes().contains("[Language]"), english) << "nothing written for the language";
    }
    TestApp broken; // the configuration error, once the choice is read
    EXPECT_FALSE(broken.start({"[Language]", "UI=en", "[FangAnSelect]", "JsFangAnId=x"}));
    ASSERT_EQ(broken.w.dialogs.warnings.size(), 1u);
    EXPECT_TRUE(broken.w.dialogs.warnings[0].text.startsWith("Configuration error!"));
}
