// The real file chooser lists the filter's files in any letter case, and nothing else; Qt's
// own texts of the standard dialogs in Chinese.
#include "platform/desktop/Dialogs.h"
#include "platform/desktop/QtTranslations.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(QtDialogs, FileChooserFilterMatchesAnyLetterCase)
{
    QTemporaryDir dir;
    for (const char* name : {"a.wav", "B.WAV", "c.Wav", "d.txt", "e.wav.bak"})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    QStringList listed;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* view = box ? box->findChild<QListView*>("listView") : nullptr;
        ASSERT_NE(view, nullptr);
        (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 3; }, 5000);
        QTest::qWait(200); // the folder is read in the background
        for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
            listed << view->model()->index(r, 0, view->rootIndex()).data().toString();
        box->reject();
    });
    EXPECT_EQ(QtDialogs().openFile(nullptr, "选择结束声音文件", dir.path(), "声音文件 (*.Wav)"), std::nullopt);
    listed.sort();
    EXPECT_EQ(listed, QStringList({"B.WAV", "a.wav", "c.Wav"}));
}

TEST(QtTranslations, StandardDialogsReadChineseWhateverTheLocale)
{
    QtTranslations texts;
    ASSERT_TRUE(texts.Use(QtTranslations::kChinese)) << "qtbase_zh_CN.qm (qt6-translations-l10n) missing";
    QMessageBox box(QMessageBox::Question, "Horalto", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text() + box.button(QMessageBox::No)->text(), "是(&Y)否(&N)");
}
