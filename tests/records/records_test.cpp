// Every timing goes on record through the application; the records window lists, copies and
// clears them.
#include "support/TestApp.h"

#include "records/RecordsForm.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

TEST(Records, TimingsGoOnRecordAndTheWindowListsCopiesAndClearsThem)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSSS=05"}));
    FakeRecords& records = t.w.records;
    records.lines << CsvLine(RecordHeader()) << "2020-01-01,08:00:00,08:05:00,2,Old,00:05:00,正计时,00:05:00,0,00:00:00,到时,\r\n";
    t.m().SetTitleText("Ann, B");
    t.w.hotkeys.press(1);
    t.timer(1000)->fire();
    t.timer(1000)->fire();
    t.w.hotkeys.press(2);
    ASSERT_EQ(records.lines.size(), 3);

    t.app->Run(CommandId::Records);
    RecordsForm& f = t.app->recordsForm();
    const auto loaded = [&f] { return QTest::qWaitFor([&f] { return !f.Loading(); }, 5000); };
    EXPECT_TRUE(f.isVisible());
    ASSERT_TRUE(loaded());
    ASSERT_EQ(f.Shown().size(), 1u) << "today's only";
    EXPECT_EQ(f.RecordList->item(0, TitleColumn)->text(), "Ann, B");
    f.All->click();
    ASSERT_TRUE(loaded());
    ASSERT_EQ(f.RecordList->rowCount(), 2);
    EXPECT_EQ(f.RecordList->item(1, TitleColumn)->text(), "Old") << "newest first";
    f.CopyRecords->click();
    // Row 1 alone, whatever keyboard modifiers earlier tests left behind.
    f.RecordList->selectionModel()->select(f.RecordList->model()->index(1, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    f.CopyRecords->click();
    const QString old = "2020-01-01 08:00:00-08:05:00 Old（方案2，正计时 00:05:00）计时 00:05:00 到时\n";
    for (const QString& c : t.w.desktop.copied) std::fprintf(stderr, "COPIED[%s]\n", qPrintable(c));
    EXPECT_EQ(t.w.desktop.copied,
              (QStringList{old + "2026-12-07 09:00:00-09:00:00 Ann, B（方案1，倒计时 00:00:05）计时 00:00:01 复位\n", old}));
    f.OpenFolder->click();
    EXPECT_EQ(t.w.desktop.openedFolders, QStringList{"/data/horalto"});

    t.w.dialogs.questionAnswers = {false, true};
    f.ClearRecords->click();
    EXPECT_EQ(f.RecordList->rowCount(), 2) << "cleared without a yes";
    f.ClearRecords->click();
    ASSERT_TRUE(loaded());
    EXPECT_EQ(f.RecordList->rowCount(), 0);

    t.w.hotkeys.press(1);
    t.app->Unload();
    ASSERT_EQ(records.lines.size(), 1);
    EXPECT_TRUE(records.lines[0].endsWith(",退出,,,,,,,\r\n")) << records.lines[0].toStdString();
}
