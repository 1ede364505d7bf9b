#pragma once
#include "windows/FramedDialog.h"

#include <array>
#include <cstdint>
#include <vector>

class ConfigFile;
class Control;
class Dialogs;
class HotKeys;
class ProgramDir;
class DebateFields;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SignalColorButton;
class TimeField;
class TimingSession;

// The settings dialog "参数设置": edits one of the five timing schemes at a time (timing length,
// count direction, prompt times, sounds, display states after start and end) and saves it to the
// configuration. Modal, frameless and topmost; the global hotkeys are off while it is open.
class OptionForm : public FramedDialog {
    Q_OBJECT
public:
    // The dialog's width in twips (wide enough for the prompts' colour buttons).
    static constexpr int kDialogWidth = 5880;

    OptionForm(TimingSession& session, const ConfigFile& config, HotKeys& hotKeys, Dialogs& dialogs,
               const ProgramDir& programDir, QWidget* owner);
    ~OptionForm() override;

    // Hotkeys off, placed on the screen, opened on the current scheme.
    void Form_Load();
    // Hotkeys reloaded from the configuration and registered again. Runs once, when the dialog
    // closes in any way.
    void Form_Unload() override;

    // A scheme picked in Combo3: asks to save unsaved edits of the shown scheme, then shows it.
    void Combo3_Click();
    // Writes the shown scheme, then reloads the current scheme into the running program.
    void SaveMe_Click();
    void Command1_Click();
    void TsOpen_Click();
    void JsOpen_Click();
    void TsTest_Click();
    void JsTest_Click();
    void Combo1_Click();
    void Combo2_Click();
    void TsWav_MouseMove();
    void JsWav_MouseMove();

    // Number (1..5) of the scheme shown in the fields.
    std::int16_t EditFangAnId = 1;
    // An edit since the scheme was last loaded into the fields or saved.
    bool IsChanged = false;

    Control* Label15 = nullptr;  // "Horalto设置", the title strip's caption
    TimeField* JscdHh = nullptr;
    TimeField* JscdMm = nullptr;
    TimeField* JscdSs = nullptr;
    QCheckBox* Check1 = nullptr; // "正计时"
    std::array<TimeField*, 6> TssjHh{}; // prompt times 1..5 (index 0 unused)
    std::array<TimeField*, 6> TssjMm{};
    std::array<TimeField*, 6> TssjSs{};
    std::array<SignalColorButton*, 6> TsColor{}; // the prompts' signal colours (index 0 unused)
    QLineEdit* TsWav = nullptr;
    QPushButton* TsOpen = nullptr;
    QPushButton* TsTest = nullptr;
    QLineEdit* JsWav = nullptr;
    QPushButton* JsOpen = nullptr;
    QPushButton* JsTest = nullptr;
    QComboBox* Combo1 = nullptr; // display state after start
    QLabel* Label13 = nullptr;
    QComboBox* Combo2 = nullptr; // display state after end
    QLabel* Label14 = nullptr;
    QCheckBox* Check2 = nullptr; // "到时后计超时"
    QLineEdit* QualifyMin = nullptr; // the qualifying window "HH:MM:SS", empty: no bound
    QLineEdit* QualifyMax = nullptr;
    QComboBox* Combo3 = nullptr; // scheme shown, item data 1..5
    QPushButton* SaveMe = nullptr;
    QPushButton* Command1 = nullptr; // "退 出"
    QPushButton* Presets = nullptr;  // "预设...": a menu of common contests' timings

    // Fills the fields with preset `index` of SchemePresets() (its counter colours are written
    // with the scheme); the user saves as usual.
    void ApplyPreset(int index);

    // Every time field in reading order (hours, minutes, seconds of the length, then of each prompt).
    std::vector<TimeField*> TimeFields() const;

protected:
    void RetranslateUi() override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void BuildControls();
    // The descriptions beside the two state lists, of the states chosen.
    void ShowStateDescriptions();
    // The prompt rows' " (剩余时间)" or, counting up, " (已用时间)".
    void ShowPromptDirection();
    void LoadSchemeIntoFields();
    bool WriteFields();
    // The qualifying window's fields checked (a bound is empty or "HH:MM:SS", the minimum not
    // above the maximum) and written in the two-digit form; false after saying what is wrong.
    bool CheckQualifyFields();
    void ReloadCurrentScheme();
    void ChooseSound(QLineEdit* field, const QString& title);
    TimingSession& session_;
    const ConfigFile& config_;
    HotKeys& hotKeys_;
    Dialogs& dialogs_;
    const ProgramDir& programDir_;
    QPixmap background_;
    // The captions beside the fields, with their source texts; `number` fills in "%1".
    struct Caption {
        QLabel* label;
        const char* text;
        const char* tip;
        int number;
    };
    std::vector<Caption> captions_;
    QLabel* qualifyCaption_ = nullptr;
    QLabel* fromCaption_ = nullptr;
    QLabel* toCaption_ = nullptr;
    DebateFields* debate_ = nullptr; // "辩论（双方计时）" and the sides' names
    bool presetColors_ = false; // a preset was applied: its counter colours go with the scheme
};
