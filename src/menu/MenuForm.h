#pragma once
#include "core/Language.h"
#include "core/OfferedCommands.h"
#include "core/HotKeyTable.h"
#include "hotkeys/HotKeyCaptions.h"

#include <QWidget>
#include <array>

class Commands;
class ConfigFile;
class HotKeys;
class QAction;
class QMenu;
class TimingSession;

// The hidden window that owns the popup menu shared by every display window, and its handlers.
// The check marks, the pause caption and the items' states follow the timing session.
class MenuForm : public QWidget {
    Q_OBJECT
public:
    MenuForm(const TimingSession& session, Commands& commands, const HotKeys& hotKeys, const ConfigFile& config);
    ~MenuForm() override;

    QMenu* MypopMenu = nullptr;
    std::array<QAction*, 6> MJsFa{}; // items 1..5 (index 0 unused)
    QAction* MJishiStart = nullptr;
    QAction* MJishiEnd = nullptr;
    QAction* MJishiPause = nullptr;
    QAction* MMinME = nullptr;
    QAction* MMaxME = nullptr;
    QAction* MBacktoMain = nullptr;
    QAction* Mabout = nullptr;
    QAction* MSetupMe = nullptr;
    QAction* MHotKey = nullptr;
    QAction* MAppInfo = nullptr;
    QAction* MRecords = nullptr;
    QAction* MRemoteView = nullptr; // "远程显示..."
    QMenu* MAdjust = nullptr;         // "调整时间": +10 秒, −10 秒, +1 分钟, −1 分钟
    QAction* MSpeakerMessage = nullptr; // "给演讲者的消息..."
    QAction* MProgramme = nullptr;   // "比赛名单..."
    QAction* MNextSpeaker = nullptr; // "下一位选手"
    QAction* MSwitchSides = nullptr; // "换方": shown in a debate scheme
    QAction* MDouDong = nullptr;
    QAction* MMaxToolsBar = nullptr;
    QAction* MExitMe = nullptr;
    QMenu* MFullScreenMonitor = nullptr; // "全屏显示器": filled each time it opens
    QMenu* MLanguage = nullptr;          // "语言 / Language": the interface's language
    QAction* MChinese = nullptr;
    QAction* MEnglish = nullptr;

    // Shows MypopMenu at the global position, on behalf of the owner window.
    void ShowPopup(QWidget* owner, QPoint globalPos);
    int PopupCount() const { return popups_; }

    // The steps of "调整时间", in seconds, in the submenu's order.
    static constexpr std::array<int, 4> kAdjustSteps{10, -10, 60, -60};
    // A step's caption: "+10 秒", "−1 分钟".
    static QString AdjustStepCaption(int seconds);

    // The item of a command.
    QAction* CommandItem(CommandId id) const;
    // The captions of the hotkey commands' items (HotKeyCaption) from the hotkey table and what
    // became of each key at its latest registration.
    void ShowHotKeyCaptions(const HotKeyTable& table, const HotKeyStatuses& statuses);
    // The pause item's caption, "暂停" or "继续" as the timing phase says, with its hotkey.
    void SetPauseMenuCaption();
    // The visible and enabled states of the command items, as the session offers them.
    void ApplyOffers();
    // The scheme check marks: the current scheme's item only.
    void ShowSchemeMarks(int scheme);

    void MJsFa_Click(int index);
    void MJishiStart_Click();
    void MJishiEnd_Click();
    void MJishiPause_Click();
    void MMinME_Click();
    void MMaxME_Click();
    void MBacktoMain_Click();
    void Mabout_Click();
    void MSetupMe_Click();
    void MHotKey_Click();
    void MAppInfo_Click();
    void MDouDong_Click();
    void MMaxToolsBar_Click();
    void MExitMe_Click();
    // The items of MFullScreenMonitor from the connected monitors and the stored choice.
    void FillMonitorMenu();
    // Keeps the monitor picked (empty: the primary) and moves the full-screen window there
    // when it shows.
    void MonitorItem_Click(const QString& name);
    // Keeps the language picked and switches every window to it.
    void MLanguage_Click(Language language);

protected:
    void changeEvent(QEvent* e) override;

private:
    // The captions of the items that are not hotkey commands, and the language's check mark.
    void RetranslateUi();

    const TimingSession& session_;
    Commands& commands_;
    const HotKeys& hotKeys_;
    const ConfigFile& config_;
    QWidget* owner_ = nullptr;
    int popups_ = 0;
};
