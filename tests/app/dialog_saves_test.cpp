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
    // Each dialog changes several keys; `edit` is the user's change, then the save.
    struct Case {
        const char* name;
        std::function<void(TestApp&, const std::function<void()>& edit)> open;
        std::function<void(QDialog&, int)> edit;
    };
    const Case cases[] = {
        {"settings",
         [](TestApp& t, const std::function<void()>& edit) {
             WithModal<OptionForm>([&] { t.app->ShowOptionForm(&t.app->mainForm()); }, [&](OptionForm&) { edit(); });
         },
         [](QDialog& d, int minutes) {
             auto& f = static_cast<OptionForm&>(d);
             f.JscdMm->setText(QString::number(minutes));
             f.TssjSs[1]->setText(QString::number(minutes + 10));
             f.SaveMe->click();
         }},
        {"hotkeys",
         [](TestApp& t, const std::function<void()>& edit) {
             WithModal<HotKeyForm>([&] { t.app->ShowHotKeyForm(&t.app->mainForm()); }, [&](HotKeyForm&) { edit(); });
         },
         [](QDialog& d, int minutes) {
             auto& f = static_cast<HotKeyForm&>(d);
             QTest::keyClick(f.Text1[1], Qt::Key(Qt::Key_F1 + minutes), Qt::ControlModifier);
             f.Command1->click();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The bytes of one save, the same as one write per key gives.
        auto saved = [&](bool batched) {
            TestApp t;
            EXPECT_TRUE(t.start());
            ConfigFile::setBatching(batched);
            c.open(t, [&] { c.edit(*qobject_cast<QDialog*>(QApplication::activeModalWidget()), 4); });
            ConfigFile::setBatching(true);
            return t.w.iniBytes().replace(t.w.tmp.path().toUtf8(), "DIR");
        };
        EXPECT_EQ(saved(true), saved(false));

        TestApp t;
        ASSERT_TRUE(t.start());
        int renames = 0;
        bool fail = false;
        AtomicFile::setBeforeRename([&](const QString&) {
            ++renames;
            return !fail;
        });
        for (const auto& [minutes, failing, writes] : {std::tuple{2, false, 1}, {2, false, 0}, {3, true, 1}}) {
            fail = failing;
            QByteArray before, after;
            const std::size_t warnings = t.w.dialogs.warnings.size();
            c.open(t, [&] {
                // Opening the dialog may have filled in defaults; the save is what counts here.
                renames = 0;
                before = t.w.iniBytes();
                c.edit(*qobject_cast<QDialog*>(QApplication::activeModalWidget()), minutes);
                after = t.w.iniBytes();
            });
            EXPECT_EQ(renames, writes) << minutes;
            EXPECT_EQ(after == before, writes == 0 || failing) << minutes;
            EXPECT_EQ(t.w.dialogs.warnings.size(), warnings + (failing ? 1 : 0)) << minutes;
        }
        AtomicFile::setBeforeRename({});
    }
}
