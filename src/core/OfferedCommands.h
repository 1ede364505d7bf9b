#pragma once
// The commands of the buttons, the toolbar and full-screen controls, the popup menu and the
// hotkeys, and the one table that says which of them is offered (shown and usable) in which
// timing phase and display mode.

// Ids 1..11 are the hotkey ids of the same commands.
enum class CommandId : int {
    Start = 1,          // "计时": JishiStart, StartTimer, KongZhi1, MJishiStart
    Reset = 2,          // "复位": JishiEnd, StopTimer, KongZhi2, MJishiEnd
    ToolbarMode = 3,    // "工具条模式": MinMe, KongZhi4, MMinME
    FullScreenMode = 4, // "全屏幕模式": MaxMe, GoFullScreen, MMaxME
    BackToMain = 5,     // "返回主界面": BacktoMain, KongZhi3, MBacktoMain
    PauseContinue = 6,  // "暂停"/"继续": JishiPause, MJishiPause
    Scheme1 = 7,        // "计时方案1".."计时方案5": MJsFa(1..5)
    Scheme5 = 11,
    About,              // Mabout
    Setup,              // "计时选项设置": SetupMe, SystemSetup, MSetupMe
    HotKeySetup,        // MHotKey
    AppInfo,            // "修改程序信息": MAppInfo
    Shake,              // "开启窗口抖动": MDouDong
    LargeToolbar,       // "使用大工具条": MMaxToolsBar
    Exit,               // ExitMe, MExitMe
    Records,            // "计时记录...": MRecords
    RemoteView,         // "远程显示...": the timing page for phones
    // Sent by the windows themselves and offered nowhere else: no hotkey, page or later start
    // sends them, so OfferedCommand never offers them.
    EditTitle,                // the main window's title strip, double-clicked
    MainCounterColor,         // a counter double-clicked: its colour chosen
    SmallToolbarCounterColor,
    LargeToolbarCounterColor,
    FullScreenCounterColor,
    ChineseLanguage,          // "语言 / Language": "中文"
    EnglishLanguage,          // "English"
    FullScreenToMonitor,      // "全屏显示器": the full-screen window, when shown, onto the monitor chosen
    HotKeyCaptions,           // the hotkeys' statuses changed: the menu's captions follow
    BringToFront,             // a later start without a command: the current display window to the front
    // The contest programme's commands, offered like the menu's other items.
    Programme,          // "比赛名单...": the programme window
    NextSpeaker,        // "下一位选手": the programme's following speaker becomes current
    // Sent by the programme window alone and offered nowhere else.
    ContestReport,      // "报告...": the contest report's preview over the programme window
    // The chairperson's word to the speaker, offered like the menu's other items.
    AdjustTime,         // "调整时间": the counter moved by the seconds the command carries
    SpeakerMessage,     // "给演讲者的消息...": the message window
    // "换方": a debate's floor to the other side; offered in a debate scheme while a timing runs
    // or is paused (the session's own rule, not the table's).
    SwitchSides,
};

// Hotkey 12 is 下一位 (CommandId::NextSpeaker), 13 换方 (CommandId::SwitchSides); the control
// page sends the same numbers.
inline constexpr int kHotKeyCommands = 13;
inline CommandId HotKeyCommand(int id)
{
    return id == 12 ? CommandId::NextSpeaker : id == 13 ? CommandId::SwitchSides : CommandId(id);
}

inline CommandId SchemeCommand(int scheme) { return CommandId(int(CommandId::Scheme1) + scheme - 1); }
// The scheme number 1..5 of a scheme command, 0 for any other command.
inline int SchemeOf(CommandId id)
{
    const int n = int(id) - int(CommandId::Scheme1) + 1;
    return n >= 1 && n <= 5 ? n : 0;
}

// Idle: no timing, or the last one ended or was reset. Paused: a timing stands still until it
// is continued. Overtime (a scheme with OverTime=Yes, after its end) is running or paused too.
enum class TimingPhase { Idle, Running, Paused };
// Which display window is in use: the main window, a toolbar strip or the full-screen window.
enum class DisplayMode { Main, Toolbar, FullScreen };

struct CommandOffer {
    bool visible = true;
    bool enabled = true;
    bool offered() const { return visible && enabled; }
};

// `overtime`: the timing has reached its end and counts the time beyond it.
CommandOffer OfferedCommand(CommandId id, TimingPhase phase, DisplayMode mode, bool overtime = false);
