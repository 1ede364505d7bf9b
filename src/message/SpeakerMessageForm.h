#pragma once
#include "windows/FramedDialog.h"

#include <array>

class Commands;
class ConfigFile;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TimingSession;

// The window "给演讲者的消息": a line of text (up to 100 characters) or a ready phrase, sent to the
// speaker's view with 发送 and taken away with 清除. Not modal: it stays open beside the display
// windows, and shows the message the speaker sees now, however it was set. Its check box also
// puts the message at the foot of the full-screen window (off by default: the audience sees it).
class SpeakerMessageForm : public FramedDialog {
    Q_OBJECT
public:
    SpeakerMessageForm(const TimingSession& session, Commands& commands, const ConfigFile& config);

    // Shown (or raised) with the current message in the line.
    void Form_Show();
    void Send_Click();
    void Clear_Click();

    // The ready phrases, in their order on the window (the program's own words).
    static QStringList Phrases();

    QLineEdit* MessageLine = nullptr;
    std::array<QPushButton*, 5> PhraseButtons{};
    QPushButton* SendMessage = nullptr;
    QPushButton* ClearMessage = nullptr;
    QLabel* CurrentLabel = nullptr; // "演讲者现在看到：..." or "没有消息"
    QCheckBox* FullScreenCheck = nullptr; // 在全屏窗口显示消息: stored when the user changes it

signals:
    // The user switched the message in the full-screen window on or off (already stored).
    void fullScreenChosen(bool shown);

protected:
    void RetranslateUi() override;

private:
    void ShowCurrent();

    const TimingSession& session_;
    Commands& commands_;
    const ConfigFile& config_;
};
