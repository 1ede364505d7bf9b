// A dialog's save reaches config.ini in one write of the whole file, or not at all.
#include "support/TestApp.h"

#include "config/AtomicFile.h"
#include "hotkeys/HotKeyForm.h"
#include "settings/OptionForm.h"
#include "settings/TimeField.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <tuple>

TEST(DialogSaves, OneWriteOfTheWholeFileOrTheOldBytesAndAMessage)
{
    // Each dialog's change of several keys and its save; `n` makes one change differ from another.
    struct Case { const char* name; void (App::*show)(QWidget*); std::function<void(QDialog*, int)> save; };
    const Case cases[] = {
        {"settings", &App::ShowOptionForm, [](QDialog* d, int n) {
             auto* f = static_cast<OptionForm*>(d);
             f->JscdMm->setText(QString::number(n));
             f->TssjSs[1]->setText(QString::number(n + 10));
             f->SaveMe->click();
         }},
        {"hotkeys", &App::ShowHotKeyForm, [](QDialog* d, int n) {
             auto* f = static_cast<HotKeyForm*>(d);
             QTest::keyClick(f->Text1[1], Qt::Key(Qt::Key_F1 + n), Qt::ControlModifier);
             f->Command1->click();
         }},
    };
    int renames = 0;
    bool fail = false;
    AtomicFile::setBeforeRename([&](const QString&) { return ++renames, !fail; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Saves once; the bytes before the save (opening the dialog may fill in defaults first).
        auto save = [&](TestApp& t, int n) {
            QByteArray before;
            WithModal<QDialog>([&] { (t.app.get()->*c.show)(&t.app->mainForm()); }, [&](QDialog& d) {
                renames = 0;
                before = t.w.iniBytes();
                c.save(&d, n);
            });
            return before;
        };
        QByteArray bytes[2]; // one write per key, and the dialog's one write: the same bytes
        for (const bool batched : {false, true}) {
            TestApp t;
            ASSERT_TRUE(t.start());
            ConfigFile::setBatching(batched);
            save(t, 4);
            ConfigFile::setBatching(true);
            bytes[batched] = t.w.iniBytes().replace(t.w.tmp.path().toUtf8(), "DIR");
        }
        EXPECT_EQ(bytes[0], bytes[1]);

        TestApp t;
        ASSERT_TRUE(t.start());
        for (const auto& [n, failing, writes] : {std::tuple{3, true, 1}, {2, false, 1}, {2, false, 0}}) {
            fail = failing;
            const QByteArray before = save(t, n);
            EXPECT_EQ(renames, writes) << n;
            EXPECT_EQ(t.w.iniBytes() == before, writes == 0 || failing) << n;
        }
        EXPECT_EQ(t.w.dialogs.warnings.size(), 1u); // the failed save said so
    }
    AtomicFile::setBeforeRename({});
}
