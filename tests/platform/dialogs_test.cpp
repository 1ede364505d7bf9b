// The real file chooser: opened in the folder asked for, listing the filter's files in any
// letter case and nothing else.
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
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
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        auto* view = box->findChild<QListView*>("listView");
        ASSERT_NE(view, nullptr);
        // The folder is read in the background; the names arrive a little later.
        (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 3; }, 5000);
        QTest::qWait(200);
        for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
            listed << view->model()->index(r, 0, view->rootIndex()).data().toString();
        box->reject();
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.openFile(nullptr, "选择结束声音文件", dir.path(), "声音文件 (*.Wav)"), std::nullopt);
    EXPECT_EQ(title, "选择结束声音文件");
    listed.sort();
    EXPECT_EQ(listed, QStringList({"B.WAV", "a.wav", "c.Wav"}));
}
