// The settings dialog driven through its controls with QTest; questions, warnings and the file
// chooser answered through the dialog doubles.
#include "support/TestApp.h"

#include "menu/MenuForm.h"
#include "settings/OptionForm.h"
#include "settings/TimeField.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct OptionFormTest : ::testing::Test {
    std::unique_ptr<TestApp> t = std::make_unique<TestApp>();
    std::unique_ptr<OptionForm> f;

    // A fresh program and program directory.
    void reset()
    {
        f.reset();
        t = std::make_unique<TestApp>();
    }

    void open(const QStringList& ini = {})
    {
        ASSERT_TRUE(t->start(ini));
        show();
    }
    void show()
    {
        f = std::make_unique<OptionForm>(*t->app, &t->app->mainForm());
        f->Form_Load();
        f->show();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }
    // Types into a field as the user would: the field takes the focus with its text selected.
    void type(QLineEdit* field, const QString& keys)
    {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    void leave() { f->Command1->setFocus(Qt::TabFocusReason); }
    // Picks a list entry with the arrow keys, as the keyboard does.
    void pick(QComboBox* c, int index)
    {
        c->setFocus();
        const int steps = index - c->currentIndex();
        for (int k = 0; k < std::abs(steps); ++k)
            QTest::keyClick(c, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    QString ini(const QString& section, const QString& key) { return t->ini(section, key); }
    // The texts of the four counters and the main window's timing length.
    QStringList counters()
    {
        App& a = *t->app;
        return {a.mainForm().TimeLen->text(), a.mainForm().Showtime->text(), a.toolsBarForm().Showtime->text(),
                a.toolsBarFormMax().Showtime->text(), a.fullScreenForm().Showtime->text()};
    }
};

} // namespace

TEST(NormalizeTimeText, KeepsTheLeadingNumberWithinItsLimit)
{
    struct Case { const char* text; int limit; const char* normal; };
    const Case cases[] = {
        {"7", 60, "07"}, {"", 60, "0"}, {"05", 60, "05"}, {"00", 24, "00"}, {"0", 60, "00"},
        {"24", 24, "00"}, {"23", 24, "23"}, {"59", 60, "59"}, {"60", 60, "00"}, {"75", 60, "00"},
        {"1x", 60, "01"}, {"12ab", 60, "12"}, {"x5", 60, "0"}, {"-3", 24, "0"}, {"005", 60, "005"},
        {"99999999999999999999", 60, "00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeTimeText(c.text, c.limit), c.normal) << c.text;
}

TEST_F(OptionFormTest, OpensModallyOnTheCurrentSchemeWithoutHotkeysAndClosesWithEsc)
{
    ASSERT_TRUE(t->start({"[FangAnSelect]", "JsFangAnId=3", "[JSSET3]", "JSHH=01", "JSMM=02", "JSSS=03", "JSFX=1",
                         "[COMMSET3]", "STARTSTATE=1", "FINSHSTATE=2"}));
    ASSERT_EQ(t->w.hotkeys.registered.size(), 11u);
    OptionForm* seen = nullptr;
    std::size_t grabsWhileOpen = 99;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<OptionForm*>(QApplication::activeModalWidget());
        if (!seen)
            return;
        grabsWhileOpen = t->w.hotkeys.registered.size();
        EXPECT_EQ(seen->EditFangAnId, 3);
        EXPECT_EQ(seen->Combo3->currentText(), "方案3");
        EXPECT_EQ(QStringList({seen->JscdHh->text(), seen->JscdMm->text(), seen->JscdSs->text()}),
                  QStringList({"01", "02", "03"}));
        EXPECT_TRUE(seen->Check1->isChecked());
        EXPECT_EQ(seen->Label13->text(), "开始计时后显示工具条");
        EXPECT_EQ(seen->Label14->text(), "结束计时后全屏幕显示");
        EXPECT_FALSE(seen->IsChanged);
        EXPECT_EQ(seen->windowTitle(), "参数设置");
        EXPECT_TRUE(seen->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(seen->windowFlags() & Qt::FramelessWindowHint);
        QTest::keyClick(seen->JscdMm, Qt::Key_Escape);
    });
    t->app->mainForm().SetupMe->click();
    ASSERT_NE(seen, nullptr) << "no modal settings dialog";
    EXPECT_EQ(grabsWhileOpen, 0u);
    EXPECT_EQ(t->w.hotkeys.registered.size(), 11u) << "hotkeys not registered again after closing";
    EXPECT_TRUE(t->w.dialogs.questions.empty());
}

TEST_F(OptionFormTest, SwitchingSchemesAsksForTheEditedSchemeAndSavesOnlyOnYes)
{
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        reset();
        open({"[JSSET4]", "JSMM=04"});
        pick(f->Combo3, 1);
        EXPECT_TRUE(t->w.dialogs.questions.empty()) << "asked without an edit";
        ASSERT_EQ(f->EditFangAnId, 2);
        type(f->JscdMm, "9");
        t->w.dialogs.questionAnswers = {yes};
        pick(f->Combo3, 3);
        ASSERT_EQ(t->w.dialogs.questions.size(), 1u);
        EXPECT_EQ(t->w.dialogs.questions[0].title, "Horalto");
        EXPECT_EQ(t->w.dialogs.questions[0].text, "计时方案2 的配置还没有保存，您是否要保存对该配置的更改？");
        EXPECT_EQ(ini("JSSET2", "JSMM"), yes ? "09" : "00");
        EXPECT_EQ(f->EditFangAnId, 4);
        EXPECT_EQ(f->JscdMm->text(), "04");
        EXPECT_FALSE(f->IsChanged);
    }
}

TEST_F(OptionFormTest, SavingAnotherSchemeResetsTheCountersToTheCurrentOne)
{
    open({"[JSSET1]", "JSMM=05", "JSSS=00"});
    pick(f->Combo3, 3);
    type(f->JscdHh, "2");
    type(f->TssjSs[5], "45");
    pick(f->Combo1, 0);
    for (QLabel* c : {t->app->mainForm().Showtime, t->app->fullScreenForm().Showtime})
        c->setText("12:34:56");
    f->SaveMe->click();
    EXPECT_EQ(ini("JSSET4", "JSHH"), "02");
    EXPECT_EQ(ini("TSSET4", "TSSS5"), "45");
    EXPECT_EQ(ini("JSSET4", "JSFX"), "0");
    EXPECT_EQ(ini("COMMSET4", "STARTSTATE"), "0");
    EXPECT_EQ(ini("COMMSET4", "FINSHSTATE"), "3");
    EXPECT_EQ(ini("WAVSET4", "JSWAV"), t->m().DefaultEndWav());
    EXPECT_EQ(counters(), QStringList(5, "00:05:00"));
    EXPECT_EQ(t->m().FangAnId, 1);
    EXPECT_EQ(t->m().TimeLenSeconds, 300);
    EXPECT_FALSE(f->IsChanged);
    EXPECT_TRUE(f->isVisible()) << "saving closed the dialog";
}

TEST_F(OptionFormTest, SavingTheCurrentSchemeChangesTheCountersAtOnceAlsoWhileTiming)
{
    for (const bool timing : {false, true}) {
        SCOPED_TRACE(timing);
        reset();
        open();
        if (timing) {
            t->m().StartTiming();
            t->timer(1000)->fire();
        }
        type(f->JscdMm, "2");
        type(f->JscdSs, "0");
        type(f->TssjSs[1], "10");
        QTest::keyClick(f->JscdSs, Qt::Key_S, Qt::AltModifier); // the button's access key
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f->IsChanged; }, 2000)) << "Alt+S did not save";
        EXPECT_EQ(ini("JSSET1", "JSSS"), "00");
        EXPECT_EQ(t->m().TimeLenSeconds, 120);
        EXPECT_EQ(t->m().PromptSeconds[0], 10);
        EXPECT_EQ(counters(), QStringList(5, "00:02:00"));
        EXPECT_EQ(t->m().IsTiming, timing);
    }
}

TEST_F(OptionFormTest, SchemeWithoutKeysGetsItsDefaultsAndIsUnchanged)
{
    open({"[FangAnSelect]", "JsFangAnId=5"});
    EXPECT_FALSE(f->IsChanged);
    EXPECT_EQ(ini("JSSET5", "JSSS"), "30");
    EXPECT_EQ(ini("TSSET5", "TSMM3"), "00");
    EXPECT_EQ(ini("WAVSET5", "TSWAV"), t->m().DefaultPromptWav());
    EXPECT_EQ(ini("COMMSET5", "FINSHSTATE"), "3");
    EXPECT_EQ(ini("JSSET5", "JSFX"), "");
    EXPECT_EQ(f->Label14->text(), "结束计时后保持当前状态");
}

TEST_F(OptionFormTest, TimeFieldsFilterTypingAndNormaliseOnLeaving)
{
    open();
    struct Case { TimeField* field; const char* keys; const char* shown; const char* normal; };
    const Case cases[] = {
        {f->JscdHh, "a- ", "00", "00"}, {f->JscdHh, "5", "5", "05"}, {f->JscdHh, "24", "24", "00"},
        {f->JscdMm, "59", "59", "59"}, {f->JscdMm, "60", "60", "00"}, {f->TssjHh[2], "123", "12", "12"},
        {f->TssjMm[4], "7x", "7", "07"},
    };
    for (const Case& c : cases) {
        type(c.field, c.keys);
        EXPECT_EQ(c.field->text(), c.shown) << c.keys;
        leave();
        EXPECT_EQ(c.field->text(), c.normal) << c.keys;
        type(c.field, QString()); // passing through again changes nothing
        leave();
        EXPECT_EQ(c.field->text(), c.normal) << c.keys;
    }
    QTest::keyClick(f->TssjSs[1], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->TssjSs[1]->text(), "00");
    // An emptied seconds field saves "0".
    type(f->JscdSs, QString());
    QTest::keyClick(f->JscdSs, Qt::Key_Backspace);
    f->SaveMe->click();
    EXPECT_EQ(f->JscdSs->text(), "0");
    EXPECT_EQ(ini("JSSET1", "JSSS"), "0");
}

TEST_F(OptionFormTest, PastedTextNeverReachesTheFileBeyondItsLeadingNumber)
{
    open();
    f->JscdSs->setFocus();
    f->JscdSs->selectAll();
    f->JscdSs->insert("1x"); // as a mouse paste puts it in
    EXPECT_TRUE(f->IsChanged);
    QTest::keyClick(f->JscdSs, Qt::Key_S, Qt::AltModifier); // saved without leaving the field
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f->IsChanged; }, 2000));
    EXPECT_EQ(ini("JSSET1", "JSSS"), "01");
    EXPECT_EQ(t->m().TimeLenText, "00:00:01");
}

TEST_F(OptionFormTest, StateListsDescribeTheirChoiceAndSaveTheIndex)
{
    open();
    pick(f->Combo2, 2);
    EXPECT_EQ(f->Combo2->currentText(), "全屏");
    EXPECT_EQ(f->Label14->text(), "结束计时后全屏幕显示");
    EXPECT_TRUE(f->IsChanged);
    pick(f->Combo1, 1);
    EXPECT_EQ(f->Label13->text(), "开始计时后显示工具条");
    f->SaveMe->click();
    EXPECT_EQ(ini("COMMSET1", "FINSHSTATE"), "2");
    EXPECT_EQ(ini("COMMSET1", "STARTSTATE"), "1");
}

TEST_F(OptionFormTest, FailedSaveWarnsNamingTheFileAndKeepsTheEdits)
{
    open();
    type(f->JscdMm, "3");
    QFile::remove(t->w.iniPath());
    ASSERT_TRUE(QDir().mkdir(t->w.iniPath())); // config.ini is now a folder
    t->w.dialogs.questionAnswers = {true};
    pick(f->Combo3, 1);
    ASSERT_EQ(t->w.dialogs.warnings.size(), 1u);
    EXPECT_TRUE(t->w.dialogs.warnings[0].text.contains(t->w.iniPath())) << t->w.dialogs.warnings[0].text.toStdString();
    EXPECT_EQ(f->EditFangAnId, 1) << "left the unsaved scheme";
    EXPECT_EQ(f->Combo3->currentIndex(), 0);
    EXPECT_EQ(f->JscdMm->text(), "03");
    EXPECT_TRUE(f->IsChanged);
    EXPECT_EQ(t->m().TimeLenText, "00:00:30");
}

TEST_F(OptionFormTest, SoundsAreChosenInTheWavFolderTriedAndShownInFull)
{
    ASSERT_TRUE(QDir(t->w.tmp.path()).mkdir("WAV"));
    open();
    const QString chosen = t->w.path("WAV/gong.wav");
    t->w.dialogs.fileAnswers = {chosen + "  ", std::nullopt};
    f->JsOpen->click();
    ASSERT_EQ(t->w.dialogs.fileQuestions.size(), 1u);
    EXPECT_EQ(t->w.dialogs.fileQuestions[0].title, "选择结束声音文件");
    EXPECT_EQ(t->w.dialogs.fileQuestions[0].startDir, t->w.path("WAV"));
    EXPECT_EQ(t->w.dialogs.fileQuestions[0].filter, "声音文件 (*.Wav)");
    EXPECT_EQ(f->JsWav->text(), chosen);
    EXPECT_TRUE(f->IsChanged);
    f->SaveMe->click();
    f->TsOpen->click(); // cancelled
    EXPECT_EQ(t->w.dialogs.fileQuestions.at(1).title, "选择提示声音文件");
    EXPECT_EQ(f->TsWav->text(), t->m().DefaultPromptWav());
    EXPECT_FALSE(f->IsChanged);

    f->JsTest->click();
    f->TsTest->click();
    EXPECT_EQ(t->w.sound.played, QStringList({chosen, t->m().DefaultPromptWav()}));
    QTest::mouseMove(f->windowHandle(), f->JsWav->mapTo(f.get(), QPoint(5, 5)));
    EXPECT_EQ(f->JsWav->toolTip(), chosen);
}

TEST_F(OptionFormTest, OutOfRangeValuesOpenOnSensibleChoicesAndSaveValidOnes)
{
    ASSERT_TRUE(t->start());
    // Edited by hand while the program runs.
    const std::pair<const char*, const char*> edits[] = {{"FangAnSelect", "JsFangAnId"}, {"JSSET1", "JSFX"},
                                                         {"COMMSET1", "STARTSTATE"}, {"COMMSET1", "FINSHSTATE"}};
    const char* values[] = {"9", "99999", "7", "x"};
    for (int k = 0; k < 4; ++k)
        t->app->config.WriteIniText(edits[k].first, edits[k].second, values[k]);
    show();
    EXPECT_EQ(f->EditFangAnId, 1);
    EXPECT_FALSE(f->Check1->isChecked());
    EXPECT_EQ(f->Combo1->currentIndex(), 3);
    EXPECT_EQ(f->Combo2->currentIndex(), 3);
    QTest::mouseClick(f->Check1, Qt::LeftButton);
    EXPECT_TRUE(f->IsChanged) << "the count direction is an edit too";
    f->SaveMe->click();
    EXPECT_EQ(ini("JSSET1", "JSFX"), "1");
    EXPECT_EQ(ini("COMMSET1", "STARTSTATE"), "3");
    EXPECT_EQ(ini("COMMSET1", "FINSHSTATE"), "3");
}

TEST_F(OptionFormTest, LayoutTabOrderAndTheClosePicture)
{
    open();
    EXPECT_EQ(f->size(), QSize(344, 362));
    EXPECT_EQ(QImage(":/images/option_background.png").size(), f->size());
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(f->Image1.pictures[k].size(), f->Image1.shown->size()) << k;
    EXPECT_EQ(f->Picture1->geometry(), QRect(4, 4, 336, 19));
    EXPECT_EQ(f->JscdHh->geometry(), QRect(92, 37, 33, 18));
    EXPECT_EQ(f->TsWav->width(), 155);
    EXPECT_EQ(f->SaveMe->geometry().bottom() + 1, 355);
    EXPECT_EQ(f->JscdHh->palette().color(QPalette::Base), QColor(192, 255, 192));
    EXPECT_EQ(f->Image1.shown->toolTip(), "关闭");
    EXPECT_EQ(f->TsOpen->toolTip(), "选择提示声音文件");
    for (QLabel* l : f->findChildren<QLabel*>())
        if (l->text().startsWith("提示时间"))
            EXPECT_EQ(l->toolTip(), "设置离结束时间还有多长时间时给予提示！");

    // Tab walks the fields in reading order.
    f->JscdHh->setFocus();
    std::vector<QWidget*> walked;
    for (int k = 0; k < 6; ++k) {
        walked.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walked, (std::vector<QWidget*>{f->JscdHh, f->JscdMm, f->JscdSs, f->Check1, f->TssjHh[1], f->TssjMm[1]}));

    QTest::mouseMove(f->Image1.shown, QPoint(3, 3));
    EXPECT_EQ(f->Image1.state, 2);
    QTest::mousePress(f->Image1.shown, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(f->Image1.state, 3);
    t->w.hotkeys.registered.clear();
    QTest::mouseRelease(f->Image1.shown, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(t->w.hotkeys.registered.size(), 11u);
}
