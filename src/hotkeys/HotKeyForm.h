#pragma once
#include "windows/FramedDialog.h"

#include <QLineEdit>
#include <array>
#include <functional>

class ConfigFile;
class Dialogs;
class HotKeys;
class HotkeyService;
class TimingSession;
class QLabel;
class QPushButton;

// A text box of the hotkey dialog: it shows the hotkey and takes the keys pressed in it.
// Key presses and releases go to the handlers, never into the text; nothing can be typed,
// pasted or dropped into it.
class HotKeyBox : public QLineEdit {
    Q_OBJECT
public:
    explicit HotKeyBox(QWidget* parent);
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyUp;
    std::function<void()> LostFocus;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// The hotkey dialog: thirteen rows, one for each global hotkey; pressing a key combination in a
// row sets that hotkey, BackSpace switches it off. While it is open no hotkey is registered;
// closing it in any way reloads the hotkeys from the configuration and registers them again,
// so only what "保存设置" wrote stays.
class HotKeyForm : public FramedDialog {
    Q_OBJECT
public:
    HotKeyForm(TimingSession& session, const ConfigFile& config, HotKeys& hotKeys, HotkeyService& service,
               Dialogs& dialogs, QWidget* owner);

    void Form_Load();
    void Text1_KeyDown(int index, int& keyCode, int shift);
    void Text1_KeyPress(int index, int& keyAscii);
    void Text1_KeyUp(int index, int& keyCode, int shift);
    void Command1_Click();
    void Command2_Click();

    // Rows marked as sharing their combination with another row: after "保存设置" found such
    // rows, until a change leaves them alone with it.
    bool RowMarked(int n) const { return marked_.at(n); }

    Control* Label15 = nullptr;           // caption of the title strip
    QLabel* Label2 = nullptr;             // instruction
    std::array<QLabel*, 14> Label1{};     // row captions, items 1..13
    std::array<HotKeyBox*, 14> Text1{};   // items 1..13, one per hotkey id
    QPushButton* Command1 = nullptr;      // 保存设置
    QPushButton* Command2 = nullptr;      // 取消退出
    QPushButton* Command3 = nullptr;      // 桌面设置: the desktop's settings of the shortcuts, where it has them
    QPushButton* Command4 = nullptr;      // 设为/取消桌面快捷键, where the desktop runs its own shortcuts

protected:
    void Form_Unload() override;
    void RetranslateUi() override;

private:
    // The rows not being pressed, the note on keys another program holds and the desktop's
    // settings button, from the hotkeys' latest statuses.
    void ShowStatuses();
    // Marks the rows that share a combination, as the table holds them now.
    void MarkSharedRows();

    TimingSession& session_;
    const ConfigFile& config_;
    HotKeys& hotKeys_;
    HotkeyService& service_;
    Dialogs& dialogs_;
    std::array<bool, 14> keyDown_{}; // a key went down in the box and its release is still due
    std::array<bool, 14> marked_{};
    bool pressed_ = false; // a combination was pressed in a row
    bool marking_ = false; // a save found shared rows: the marks follow every change
    bool loaded_ = false;  // Form_Load has shown the table
};
