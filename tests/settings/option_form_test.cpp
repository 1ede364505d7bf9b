// The settings dialog driven through its controls with QTest; questions, warnings and the file
// chooser answered through the dialog doubles.
#include "support/TestApp.h"

#include "settings/OptionForm.h"
#include "settings/SignalColorButton.h"
#include "settings/TimeField.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/ToolsBarForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct OptionFormTest : ::testing::Test {
    std::unique_ptr<TestApp> t = std::make_unique<TestApp>();
    std::unique_ptr<OptionForm> f;

    void open(const QStringList& ini = {})
    {
        f.reset();
        t = std::make_unique<TestApp>();
        ASSERT_TRUE(t->start(ini));
        show();
    }
    void show()
    {
        App& a = *t->app;
        f = std::make_unique<OptionForm>(a.session, a.config, a.hotKeys(), a.svc.dialogs, a.svc.programDir, &a.mainForm());
        f->Form_Load();
        f->show();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }
    // Types into a field as the user does after tabbing into it (its text selected).
    void type(QLineEdit* field, const QString& keys)
    {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    void leave() { f->Command1->setFocus(Qt::TabFocusReason); }
    // Picks a list entry with the arrow keys.
    void pick(QComboBox* c, int index)
    {
        c->setFocus();
        const int steps = index - c->currentIndex();
        for (int k = 0; k < std::abs(steps); ++k)
            QTest::keyClick(c, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    void altS()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f->IsChanged; }, 2000)) << "Alt+S did not save";
    }
    // The main window's timing length and the four counters.
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
    const Case cases[] = {{"7", 60, "07"}, {"", 60, "00"}, {"05", 60, "05"}, {"0", 60, "00"}, {"24", 24, "00"},
                          {"23", 24, "23"}, {"60", 60, "00"}, {"1x", 60, "01"}, {"12ab", 60, "12"}, {"x5", 60, "00"},
                          {"005", 60, "005"}, {"99999999999999999999", 60, "00"}};
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeTimeText(c.text, c.limit), c.normal) << c.text;
}

// Keys as the X server delivers them: Delete and the Ctrl combinations carry control characters.
TEST(TimeField, OnlyTypedCharactersAreFilteredTheEditingKeysWorkAsInAnyLineEdit)
{
    struct Key { Qt::Key key; Qt::KeyboardModifiers mods; const char* text; };
    const Key a{Qt::Key_A, {}, "a"}, five{Qt::Key_5, {}, "5"}, del{Qt::Key_Delete, {}, "\x7f"}, home{Qt::Key_Home, {}, ""},
        shiftLeft{Qt::Key_Left, Qt::ShiftModifier, ""}, all{Qt::Key_A, Qt::ControlModifier, "\x01"},
        cut{Qt::Key_X, Qt::ControlModifier, "\x18"}, paste{Qt::Key_V, Qt::ControlModifier, "\x16"},
        undo{Qt::Key_Z, Qt::ControlModifier, "\x1a"};
    struct Case { const char* before; std::vector<Key> keys; const char* after; };
    const Case cases[] = {{"1", {a, five}, "15"},        {"12", {five}, "12"}, {"12", {home, del}, "2"},
                          {"12", {shiftLeft, del}, "1"}, {"12", {all, five}, "5"}, {"12", {all, cut}, ""},
                          {"12", {all, cut, paste}, "12"}, {"1", {five, undo}, "1"}};
    TimeField field(60, nullptr);
    for (const Case& c : cases) {
        field.setText(c.before);
        for (const Key& k : c.keys)
            QTest::sendKeyEvent(QTest::Click, &field, k.key, QString::fromLatin1(k.text), k.mods);
        EXPECT_EQ(field.text().toStdString(), c.after) << c.before << " then " << c.keys.size() << " keys";
    }
}

TEST_F(OptionFormTest, OpensModallyOnTheCurrentSchemeWithoutHotkeysAndClosesWithEsc)
{
    ASSERT_TRUE(t->start({"[FangAnSelect]", "JsFangAnId=3", "[JSSET3]", "JSHH=01", "JSSS=03", "JSFX=1",
                          "[COMMSET3]", "STARTSTATE=1", "FINSHSTATE=2"}));
    OptionForm* seen = nullptr;
    std::size_t grabsWhileOpen = 99;
    QTimer::singleShot(0, [&] {
        if (!(seen = qobject_cast<OptionForm*>(QApplication::activeModalWidget())))
            return;
        grabsWhileOpen = t->w.hotkeys.registered.size();
        EXPECT_EQ(seen->Combo3->currentText(), "方案3");
        EXPECT_EQ(seen->JscdHh->text() + seen->JscdMm->text() + seen->JscdSs->text(), "010003");
        EXPECT_TRUE(seen->Check1->isChecked());
        EXPECT_EQ(seen->Label13->text(), "开始计时后显示工具条");
        EXPECT_EQ(seen->Label14->text(), "结束计时后全屏幕显示");
        EXPECT_FALSE(seen->IsChanged);
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
        open({"[JSSET4]", "JSMM=04"});
        pick(f->Combo3, 1);
        ASSERT_EQ(f->EditFangAnId, 2);
        EXPECT_TRUE(t->w.dialogs.questions.empty()) << "asked without an edit";
        type(f->JscdMm, "9");
        t->w.dialogs.questionAnswers = {yes};
        pick(f->Combo3, 3);
        ASSERT_EQ(t->w.dialogs.questions.size(), 1u);
        EXPECT_EQ(t->w.dialogs.questions[0].title, "Horalto");
        EXPECT_EQ(t->w.dialogs.questions[0].text, "计时方案2 的配置还没有保存，您是否要保存对该配置的更改？");
        EXPECT_EQ(t->ini("JSSET2", "JSMM"), yes ? "09" : "00") << yes;
        EXPECT_EQ(f->JscdMm->text(), "04");
        EXPECT_FALSE(f->IsChanged);
    }
}

TEST_F(OptionFormTest, SavingAnotherSchemeResetsTheCountersToTheCurrentOne)
{
    open({"[JSSET1]", "JSMM=05", "JSSS=00"});
    pick(f->Combo3, 3); // a scheme without keys: they are written with their defaults, no edit
    EXPECT_FALSE(f->IsChanged);
    EXPECT_EQ(t->ini("JSSET4", "JSSS") + t->ini("TSSET4", "TSMM3") + t->ini("COMMSET4", "FINSHSTATE"), "30003");
    type(f->JscdHh, "2");
    type(f->TssjSs[5], "45");
    pick(f->Combo1, 0);
    t->app->fullScreenForm().Showtime->setText("12:34:56");
    f->SaveMe->click();
    EXPECT_EQ(t->ini("JSSET4", "JSHH") + t->ini("TSSET4", "TSSS5") + t->ini("JSSET4", "JSFX")
                  + t->ini("COMMSET4", "STARTSTATE"),
              "024500");
    EXPECT_EQ(t->ini("WAVSET4", "JSWAV"), t->m().DefaultEndWav());
    EXPECT_EQ(counters(), QStringList(5, "00:05:00"));
    EXPECT_EQ(t->m().TimeLenSeconds, 300);
    EXPECT_TRUE(f->isVisible() && !f->IsChanged);
}

TEST_F(OptionFormTest, SavingTheCurrentSchemeChangesTheCountersAtOnceAlsoWhileTiming)
{
    for (const bool timing : {false, true}) {
        open();
        if (timing) {
            t->m().StartTiming();
            t->timer(1000)->fire();
        }
        type(f->JscdMm, "2");
        type(f->JscdSs, "0");
        type(f->TssjSs[1], "10");
        altS();
        EXPECT_EQ(t->ini("JSSET1", "JSSS"), "00");
        EXPECT_EQ(t->m().TimeLenSeconds, 120);
        EXPECT_EQ(t->m().PromptSeconds[0], 10);
        EXPECT_EQ(counters(), QStringList(5, "00:02:00"));
        EXPECT_EQ(t->m().IsTiming(), timing);
    }
}

TEST_F(OptionFormTest, TimeFieldsFilterTypingAndNormaliseOnLeaving)
{
    open();
    struct Case { TimeField* field; const char* keys; const char* shown; const char* normal; };
    const Case cases[] = {{f->JscdHh, "a- ", "00", "00"}, {f->JscdHh, "5", "5", "05"}, {f->JscdHh, "24", "24", "00"},
                          {f->JscdMm, "59", "59", "59"},  {f->JscdMm, "60", "60", "00"}, {f->TssjHh[2], "123", "12", "12"}};
    for (const Case& c : cases) {
        type(c.field, c.keys);
        EXPECT_EQ(c.field->text(), c.shown) << c.keys;
        leave();
        EXPECT_EQ(c.field->text(), c.normal) << c.keys;
    }
    type(f->JscdSs, QString());
    QTest::keyClick(f->JscdSs, Qt::Key_Backspace);
    f->SaveMe->click();
    EXPECT_EQ(f->JscdSs->text(), "00");
    EXPECT_EQ(t->ini("JSSET1", "JSSS"), "00");
}

TEST_F(OptionFormTest, PastedTextNeverReachesTheFileBeyondItsLeadingNumber)
{
    open();
    QTest::keyClick(f->JscdSs, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->JscdSs->text(), "30");
    f->JscdSs->setFocus();
    f->JscdSs->selectAll();
    f->JscdSs->insert("1x"); // as a paste with the mouse puts it in
    altS();                  // without leaving the field
    EXPECT_EQ(t->ini("JSSET1", "JSSS"), "01");
    EXPECT_EQ(t->m().TimeLenText, "00:00:01");
}

TEST_F(OptionFormTest, StateListsDescribeTheirChoiceAndSaveValidValuesOnly)
{
    ASSERT_TRUE(t->start());
    // Values edited by hand while the program runs open on scheme 1, counting down, "保持".
    const char* edits[][3] = {{"FangAnSelect", "JsFangAnId", "9"}, {"JSSET1", "JSFX", "99999"},
                              {"COMMSET1", "STARTSTATE", "7"}, {"COMMSET1", "FINSHSTATE", "x"}};
    for (const auto& e : edits)
        t->app->config.WriteIniText(e[0], e[1], e[2]);
    show();
    EXPECT_EQ(f->EditFangAnId, 1);
    EXPECT_EQ(f->Combo1->currentIndex() * 10 + f->Combo2->currentIndex(), 33);
    QTest::mouseClick(f->Check1, Qt::LeftButton);
    EXPECT_TRUE(f->IsChanged) << "the count direction is an edit too";
    pick(f->Combo2, 2);
    EXPECT_EQ(f->Combo2->currentText(), "全屏");
    EXPECT_EQ(f->Label14->text(), "结束计时后全屏幕显示");
    f->SaveMe->click();
    EXPECT_EQ(t->ini("COMMSET1", "FINSHSTATE"), "2");
    EXPECT_EQ(t->ini("COMMSET1", "STARTSTATE"), "3");
    EXPECT_EQ(t->ini("JSSET1", "JSFX"), "1");
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
}

TEST_F(OptionFormTest, CurrentSchemeSpoiledByHandKeepsWhatTheProgramHoldsOnSave)
{
    open();
    t->app->config.WriteIniText("JSSET1", "JSHH", "99");
    pick(f->Combo3, 1);
    f->SaveMe->click(); // scheme 2 is saved; scheme 1 no longer loads
    EXPECT_EQ(t->ini("JSSET2", "JSSS"), "30");
    EXPECT_EQ(t->m().TimeLenText, "00:00:30");
    EXPECT_EQ(t->m().TimeLenSeconds, 30);
    EXPECT_FALSE(t->w.end.ended());
}

TEST_F(OptionFormTest, SoundsAreChosenInTheWavFolderTriedAndShownInFull)
{
    ASSERT_TRUE(QDir(t->w.tmp.path()).mkdir("WAV"));
    ASSERT_TRUE(t->start());
    show();
    const QString chosen = t->w.path("WAV/gong.wav");
    t->w.dialogs.fileAnswers = {chosen + "  ", std::nullopt};
    f->JsOpen->click();
    ASSERT_EQ(t->w.dialogs.fileQuestions.size(), 1u);
    const auto& asked = t->w.dialogs.fileQuestions[0];
    EXPECT_EQ(QStringList({asked.title, asked.startDir, asked.filter}),
              QStringList({"选择结束声音文件", t->w.path("WAV"), "声音文件 (*.Wav)"}));
    EXPECT_EQ(f->JsWav->text(), chosen);
    f->SaveMe->click();
    f->TsOpen->click(); // cancelled
    EXPECT_EQ(t->w.dialogs.fileQuestions.at(1).title, "选择提示声音文件");
    EXPECT_FALSE(f->IsChanged);
    f->JsTest->click();
    EXPECT_EQ(t->w.sound.played, QStringList({chosen}));
    QTest::mouseMove(f->windowHandle(), f->JsWav->mapTo(f.get(), QPoint(5, 5)));
    EXPECT_EQ(f->JsWav->toolTip(), chosen);
}

TEST_F(OptionFormTest, LayoutTabOrderAndTheClosePicture)
{
    open();
    EXPECT_EQ(f->size(), QSize(392, 440)); // wider than its background picture, drawn to fit; a row for the debate
    EXPECT_EQ(f->TsWav->palette().color(QPalette::Base), QColor(192, 255, 192));
    EXPECT_TRUE(f->windowFlags() & Qt::WindowStaysOnTopHint && f->windowFlags() & Qt::FramelessWindowHint);

    f->JscdHh->setFocus();
    std::vector<QWidget*> walked;
    for (int k = 0; k < 5; ++k) {
        walked.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walked, (std::vector<QWidget*>{f->JscdHh, f->JscdMm, f->JscdSs, f->Check1, f->TssjHh[1]}));

    // The shared frame's close picture: another button, or a release away from it, keeps the dialog open.
    for (const auto& [button, at] : {std::pair{Qt::RightButton, QPoint(3, 3)}, {Qt::LeftButton, QPoint(-30, 3)}}) {
        QTest::mousePress(f->Image1.shown, button, {}, QPoint(3, 3));
        QTest::mouseRelease(f->Image1.shown, button, {}, at);
        EXPECT_TRUE(f->isVisible()) << button;
    }
    QTest::mousePress(f->Image1.shown, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(f->Image1.state, 3);
    t->w.hotkeys.registered.clear();
    QTest::mouseRelease(f->Image1.shown, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(t->w.hotkeys.registered.size(), 11u);
}

TEST_F(OptionFormTest, OverTimeIsLookedAtOnlySavedWithTheSchemeAndThenEveryCounterCountsOn)
{
    open({"[JSSET1]", "JSSS=01", "[COMMSET2]", "OverTime=Yes"});
    EXPECT_FALSE(f->Check2->isChecked());
    pick(f->Combo3, 1);
    EXPECT_TRUE(f->Check2->isChecked());
    pick(f->Combo3, 0);
    EXPECT_FALSE(t->app->config.PeekIniText("COMMSET1", "OverTime")) << "written by showing the scheme";
    f->Check2->click();
    EXPECT_TRUE(f->IsChanged);
    f->SaveMe->click();
    EXPECT_EQ(t->ini("COMMSET1", "OverTime"), "Yes");
    f->close();
    t->app->Run(CommandId::Start);
    for (int i = 0; i < 3; ++i)
        t->timer(1000)->fire();
    EXPECT_EQ(counters().mid(1), QStringList(4, "+00:00:01"));
}

TEST_F(OptionFormTest, QualifyingWindowIsWrittenOnlyOnceSetAndOnlyInItsForm)
{
    const struct {
        const char* min;
        const char* max;
        std::optional<QString> savedMin, savedMax; // nothing: not written
        bool warned;
    } cases[] = {
        {"", "", std::nullopt, std::nullopt, false},       {"0:04:30", "", "00:04:30", std::nullopt, false},
        {"", "00:07:30", std::nullopt, "00:07:30", false}, {"4:30", "", std::nullopt, std::nullopt, true},
        {"00:08:00", "00:07:30", std::nullopt, std::nullopt, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.min) + "-" + c.max);
        open();
        type(f->QualifyMin, c.min);
        type(f->QualifyMax, c.max);
        f->SaveMe->click();
        EXPECT_EQ(t->w.dialogs.warnings.size(), c.warned ? 1u : 0u);
        EXPECT_EQ(t->app->config.PeekIniText("COMMSET1", "QualifyMin"), c.savedMin);
        EXPECT_EQ(t->app->config.PeekIniText("COMMSET1", "QualifyMax"), c.savedMax);
    }
}

TEST_F(OptionFormTest, SignalColoursAreWrittenOnlyOnceChosenAndAPresetFillsTheSchemeAndItsCounterColours)
{
    // A prompt's stored colour, the menu entry picked (-1: none; 0 无, 1 绿, 4 其他颜色...), the
    // file's colour lines after saving.
    const struct { const char* stored; int pick; const char* saved; } cases[] = {
        {nullptr, -1, ""},           {nullptr, 1, "TSColor2=#00A651"}, {"#00a651", -1, "TSColor2=#00a651"},
        {"#00A651", 0, "TSColor2="}, {nullptr, 4, "TSColor2=#00FF80"}, {"red", -1, "TSColor2=red"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pick);
        open(c.stored ? QStringList{"[TSSET1]", QStringLiteral("TSColor2=") + c.stored} : QStringList{});
        t->w.dialogs.colorAnswers.push_back(0x0080FF00); // as 0x00BBGGRR
        if (c.pick >= 0)
            f->TsColor[2]->menu()->actions().at(c.pick)->trigger();
        EXPECT_EQ(f->TsColor[2]->text(), QString(c.saved).contains('#') ? "" : "无"); // a swatch, or 无
        f->SaveMe->click();
        EXPECT_EQ(t->w.iniLines().filter("TSColor").join(' '), c.saved);
    }
    // 演讲比赛 8 分钟 over a scheme with five prompts, saved as the current scheme.
    open({"[TSSET1]", "TSSS5=09", "TSColor5=#123456"});
    f->Presets->menu()->actions().at(3)->trigger();
    f->SaveMe->click();
    QStringList saved;
    for (const char* key : {"JSSET1/JSFX", "JSSET1/JSMM", "TSSET1/TSMM1", "TSSET1/TSColor1", "TSSET1/TSSS2", "TSSET1/TSColor2",
                            "TSSET1/TSSS5", "TSSET1/TSColor5", "COMMSET1/QualifyMin", "COMMSET1/OverTime", "ColorSet1/FullScreen"})
        saved << t->ini(QString(key).section('/', 0, 0), QString(key).section('/', 1));
    EXPECT_EQ(saved.join(' '), "0 08 01 #FFD200 30 #E0201B 00  00:06:00 Yes 0");
    EXPECT_EQ(t->m().CounterColor(TimingSession::FullScreenCounter), 0);
}
