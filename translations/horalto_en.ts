<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>App</name>
    <message>
        <source>无法写入计时记录 %1：这次计时没有记录</source>
        <translation>Cannot write the timing records %1: this timing was not recorded</translation>
    </message>
    <message>
        <source>上次的计时（%1，%2 开始）在程序结束时被中断。

是：继续上次计时，计数器在现在应到的位置%3
否：把它记入计时记录，结束方式“中断”</source>
        <translation>The last timing (%1, started %2) was cut off when the program ended.

Yes: continue the last timing, the counter where it would be now%3
No: record it, ended &quot;Interrupted&quot;</translation>
    </message>
    <message>
        <source>（保持暂停）</source>
        <translation> (still paused)</translation>
    </message>
    <message>
        <source>继续上次计时</source>
        <translation>Continue the last timing</translation>
    </message>
    <message>
        <source>已继续上次中断的计时（%1）</source>
        <translation>The cut-off timing (%1) was continued</translation>
    </message>
    <message>
        <source>上次中断的计时（%1）已记入计时记录：%2</source>
        <translation>The cut-off timing (%1) is recorded: %2</translation>
    </message>
    <message>
        <source>比赛名单无法保存，更改只在屏幕上</source>
        <translation>The programme cannot be saved: changes are only on the screen</translation>
    </message>
    <message>
        <source>计时记录无法写入</source>
        <translation>The timing records cannot be written</translation>
    </message>
    <message>
        <source>计时日志无法写入，程序意外结束时这次计时会丢失</source>
        <translation>The timing journal cannot be written: this timing is lost if the program ends unexpectedly</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>用法见 horalto --help
</source>
        <translation>See horalto --help for the usage
</translation>
    </message>
    <message>
        <source>horalto：无法识别的参数“%1”
</source>
        <translation>horalto: unknown argument &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>horalto：scheme 后面应是方案号 1 到 5
</source>
        <translation>horalto: scheme must be followed by a scheme number from 1 to 5
</translation>
    </message>
    <message>
        <source>horalto：没有正在运行的 Horalto
</source>
        <translation>horalto: Horalto is not running
</translation>
    </message>
    <message>
        <source>horalto：speaker 后面应是选手的序号
</source>
        <translation>horalto: speaker needs the speaker&apos;s number
</translation>
    </message>
    <message>
        <source>horalto：report 后面应是报告的文件名（.pdf 或 .csv）
</source>
        <translation>horalto: report should be followed by the report&apos;s file name (.pdf or .csv)
</translation>
    </message>
    <message>
        <source>horalto：adjust 后面应是秒数 -3600 到 +3600，如 +30 或 -30
</source>
        <translation>horalto: adjust should be followed by seconds from -3600 to +3600, such as +30 or -30
</translation>
    </message>
    <message>
        <source>horalto：消息最多 100 个字符
</source>
        <translation>horalto: a message has at most 100 characters
</translation>
    </message>
    <message>
        <source>horalto：正在运行的 Horalto 没有及时回答，命令没有执行
</source>
        <translation>horalto: the running Horalto did not answer in time; the command was not done
</translation>
    </message>
    <message>
        <source>horalto：已执行，但更改没有保存：%1
</source>
        <translation>horalto: done, but the change was not stored: %1
</translation>
    </message>
    <message>
        <source>horalto：正在计时，计时结束或复位后才能切换选手或方案
</source>
        <translation>horalto: a speech is being timed; the speaker or the scheme can change only after its end or a reset
</translation>
    </message>
    <message>
        <source>horalto：比赛名单中没有下一位选手
</source>
        <translation>horalto: the programme has no next speaker
</translation>
    </message>
    <message>
        <source>horalto：这个命令此时不可用
</source>
        <translation>horalto: this command is not available now
</translation>
    </message>
    <message>
        <source>用法：horalto [命令]

不带命令时启动 Horalto；Horalto 已在运行时，把它正在使用的显示窗口调到最前面。

命令发给正在运行的 Horalto，作用与对应的热键相同，只在该命令此时可用时执行：
  start         开始计时
  pause         暂停或继续计时
  reset         复位
  main          返回主界面
  toolbar       工具条模式
  fullscreen    全屏幕模式
  scheme N      切换到计时方案 N（1 到 5）
  next          比赛名单的下一位选手
  speaker N     比赛名单的第 N 位选手
  adjust N      调整正在进行的计时：+N 给演讲者 N 秒，-N 收回 N 秒（N 最多 3600）
  message TEXT  在演讲者页面上显示消息 TEXT（最多 100 个字符）；不带 TEXT 时清除消息
  switch        辩论计时方案：换方，发言权交给另一方
  hotkey 命令   与该命令相同，供桌面快捷键使用：按住不放只起一次作用

  desktop-keys  显示各热键是否设为桌面快捷键（GNOME 的自定义快捷键）
  desktop-keys on   把热键设为桌面快捷键，在任何窗口有焦点时都起作用
  desktop-keys off  取消 Horalto 的桌面快捷键，只留下用户自己的

  report FILE   把比赛报告（比赛名单、用时和结果）写入 FILE（.pdf 或 .csv），
                不需要 Horalto 正在运行；写成返回 0，否则返回 1

  -h, --help    显示本说明
  --version     显示版本

退出状态：0 已执行；1 命令此时不可用（或 adjust 的秒数、消息的长度不对），
或者已执行但更改无法保存（原因见标准错误输出）；2 没有正在运行的 Horalto，
或者它在等待时间内没有回答：命令没有执行，可以再发一次；64 命令行有误。
</source>
        <translation>Usage: horalto [command]

Without a command, starts Horalto; when Horalto is already running, brings its display window to the front.

A command goes to the running Horalto and acts as its hotkey does, only when the command is available at that moment:
  start         start the timing
  pause         pause or continue the timing
  reset         reset
  main          back to the main window
  toolbar       toolbar mode
  fullscreen    full screen
  scheme N      switch to timing scheme N (1 to 5)
  next          the programme&apos;s next speaker
  speaker N     the programme&apos;s speaker N
  adjust N      adjust the timing under way: +N gives the speaker N seconds, -N takes N seconds (N at most 3600)
  message TEXT  show the message TEXT on the speaker&apos;s page (at most 100 characters); without TEXT, clear it
  switch        debate schemes: hand the floor to the other side
  hotkey COMMAND  the same as COMMAND, for a desktop&apos;s shortcut: a key held down acts once

  desktop-keys  show whether each hotkey is a desktop shortcut (GNOME&apos;s custom shortcuts)
  desktop-keys on   make the hotkeys desktop shortcuts, acting whichever window has the focus
  desktop-keys off  remove Horalto&apos;s desktop shortcuts, leaving only the user&apos;s own

  report FILE   write the contest report (the programme, times and results) to FILE (.pdf or .csv);
                Horalto need not be running; exit status 0 when written, else 1

  -h, --help    show this help
  --version     show the version

Exit status: 0 done; 1 the command is not available now (or the seconds of adjust or the message&apos;s length are wrong),
or it was done but its change could not be stored (the reason on standard error); 2 no Horalto is running,
or it did not answer within the wait: the command was not done and may be sent again; 64 the command line is wrong.
</translation>
    </message>
    <message>
        <source>horalto：desktop-keys 后面应是 on 或 off，或者什么也不带
</source>
        <translation>horalto: desktop-keys should be followed by on or off, or by nothing
</translation>
    </message>
    <message>
        <source>horalto：hotkey 后面应是热键的命令，如 start
</source>
        <translation>horalto: hotkey should be followed by a hotkey&apos;s command, such as start
</translation>
    </message>
</context>
<context>
    <name>ContestReport</name>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>题目</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Overtime</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>比赛报告</source>
        <translation>Contest report</translation>
    </message>
    <message>
        <source>未上场</source>
        <translation>Did not speak</translation>
    </message>
    <message>
        <source>调整</source>
        <translation>Adjusted</translation>
    </message>
    <message>
        <source>方案%1 %2</source>
        <translation>Scheme %1 %2</translation>
    </message>
    <message>
        <source>合格时间 %1</source>
        <translation>Qualifying time %1</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>DebateBoard</name>
    <message>
        <source>（时间到）</source>
        <translation> (time is up)</translation>
    </message>
</context>
<context>
    <name>DebateFields</name>
    <message>
        <source>辩论（双方计时）</source>
        <translation>Debate (two clocks)</translation>
    </message>
    <message>
        <source>两方各有一个计时器，各用本方案的计时长度；“换方”把发言权交给另一方</source>
        <translation>Each side has a clock of its own with this scheme&apos;s length; “Switch sides” hands the floor to the other side</translation>
    </message>
    <message>
        <source>正方</source>
        <translation>Side A</translation>
    </message>
    <message>
        <source>反方</source>
        <translation>Side B</translation>
    </message>
    <message>
        <source>这一方的名称，留空为“%1”</source>
        <translation>This side&apos;s name; empty for “%1”</translation>
    </message>
</context>
<context>
    <name>DesktopKeys</name>
    <message>
        <source>桌面快捷键无法使用这个键</source>
        <translation>not a key desktop shortcuts can use</translation>
    </message>
    <message>
        <source>已被桌面的“%1”占用</source>
        <translation>held by the desktop&apos;s “%1”</translation>
    </message>
    <message>
        <source>桌面快捷键</source>
        <translation>desktop shortcut</translation>
    </message>
    <message>
        <source>未设为桌面快捷键</source>
        <translation>not a desktop shortcut</translation>
    </message>
    <message>
        <source>horalto：这里没有 GNOME 的自定义快捷键（没有安装 gnome-settings-daemon）
</source>
        <translation>horalto: there are no GNOME custom shortcuts here (gnome-settings-daemon is not installed)
</translation>
    </message>
    <message>
        <source>Horalto 的桌面快捷键已取消。
</source>
        <translation>Horalto&apos;s desktop shortcuts are removed.
</translation>
    </message>
    <message>
        <source>horalto：这个桌面的门户提供全局快捷键，Horalto 的热键由它绑定，不需要桌面快捷键
</source>
        <translation>horalto: this desktop&apos;s portal offers global shortcuts and binds Horalto&apos;s hotkeys; no desktop shortcuts are needed
</translation>
    </message>
    <message>
        <source>horalto：只有在 GNOME 桌面（gnome-settings-daemon 正在运行）上才能设为桌面快捷键
</source>
        <translation>horalto: desktop shortcuts can be set only on a GNOME desktop (with gnome-settings-daemon running)
</translation>
    </message>
</context>
<context>
    <name>DesktopScreenSaver</name>
    <message>
        <source>演讲计时</source>
        <translation>Timing a speech</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FocusOnlyNote</name>
    <message>
        <source>这个桌面上，热键只在 Horalto 的窗口有焦点时起作用</source>
        <translation>Hotkeys act only while Horalto is focused</translation>
    </message>
    <message>
        <source>设为桌面快捷键</source>
        <translation>Use desktop shortcuts</translation>
    </message>
</context>
<context>
    <name>FramedDialog</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FullScreenForm</name>
    <message>
        <source>Horalto 全屏幕</source>
        <translation>Horalto full screen</translation>
    </message>
    <message>
        <source>双击可以设置显示文字颜色！</source>
        <translation>Double-click to set the color of the digits</translation>
    </message>
    <message>
        <source>双击此处修改程序信息！</source>
        <translation>Double-click here to change the information text</translation>
    </message>
    <message>
        <source>开始计时</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>复位计时器</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>返回主界面</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>工具条模式</source>
        <translation>Toolbar mode</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Paused</translation>
    </message>
</context>
<context>
    <name>HotKeyCaptions</name>
    <message>
        <source>（被占用）</source>
        <translation> (taken)</translation>
    </message>
    <message>
        <source>计时</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>工具条模式</source>
        <translation>Toolbar mode</translation>
    </message>
    <message>
        <source>全屏幕模式</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>返回主界面</source>
        <translation>Back to the main window</translation>
    </message>
    <message>
        <source>计时方案一</source>
        <translation>Timing scheme 1</translation>
    </message>
    <message>
        <source>计时方案二</source>
        <translation>Timing scheme 2</translation>
    </message>
    <message>
        <source>计时方案三</source>
        <translation>Timing scheme 3</translation>
    </message>
    <message>
        <source>计时方案四</source>
        <translation>Timing scheme 4</translation>
    </message>
    <message>
        <source>计时方案五</source>
        <translation>Timing scheme 5</translation>
    </message>
    <message>
        <source>%1 已被其他程序占用，请另选按键！</source>
        <translation>%1: taken by another program, please choose other keys!</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>暂停/继续</source>
        <translation>Pause/Continue</translation>
    </message>
    <message>
        <source>下一位选手</source>
        <translation>Next speaker</translation>
    </message>
    <message>
        <source>换方</source>
        <translation>Switch sides</translation>
    </message>
</context>
<context>
    <name>HotKeyForm</name>
    <message>
        <source>开始计时</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>复位计时器</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>工具条模式</source>
        <translation>Toolbar mode</translation>
    </message>
    <message>
        <source>全屏幕模式</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>返回主界面</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>暂停计时</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>计时方案1</source>
        <translation>Scheme 1</translation>
    </message>
    <message>
        <source>计时方案2</source>
        <translation>Scheme 2</translation>
    </message>
    <message>
        <source>计时方案3</source>
        <translation>Scheme 3</translation>
    </message>
    <message>
        <source>计时方案4</source>
        <translation>Scheme 4</translation>
    </message>
    <message>
        <source>计时方案5</source>
        <translation>Scheme 5</translation>
    </message>
    <message>
        <source>全局快捷键设置</source>
        <translation>Global hotkeys</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消退出</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>请在键盘上按相应的键进行设置，按BackSpace（退格）键，取消设定！</source>
        <translation>Click a row and press its keys; BackSpace switches the hotkey off.</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>下列各行设置了相同的热键，请修改后再保存：
</source>
        <translation>These rows have the same hotkey; change them before saving:
</translation>
    </message>
    <message>
        <source>全局热键设置没有保存：无法写入配置文件
%1</source>
        <translation>The hotkeys were not saved: the configuration file cannot be written
%1</translation>
    </message>
    <message>
        <source>桌面设置</source>
        <translation>Desktop settings</translation>
    </message>
    <message>
        <source>下一位</source>
        <translation>Next speaker</translation>
    </message>
    <message>
        <source>换方</source>
        <translation>Switch sides</translation>
    </message>
    <message>
        <source>取消桌面快捷键</source>
        <translation>Remove desktop shortcuts</translation>
    </message>
    <message>
        <source>设为桌面快捷键</source>
        <translation>Use desktop shortcuts</translation>
    </message>
</context>
<context>
    <name>LoadedRemote</name>
    <message>
        <source>找不到远程显示模块 %1</source>
        <translation>The remote display module %1 is missing</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>双击修改标题信息！</source>
        <translation>Double-click to change the title</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>当前时间：</source>
        <translation>Time now:</translation>
    </message>
    <message>
        <source>计时长度：</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>开始时间：</source>
        <translation>Started:</translation>
    </message>
    <message>
        <source>结束时间：</source>
        <translation>Ends at:</translation>
    </message>
    <message>
        <source>双击可以设置显示文字颜色！</source>
        <translation>Double-click to set the color of the digits</translation>
    </message>
    <message>
        <source>计 时</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>复 位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>缩 小</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>全 屏</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>设 置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>退 出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>继 续</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>暂 停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>没有可用的声音输出</source>
        <translation>No sound output available</translation>
    </message>
</context>
<context>
    <name>MenuForm</name>
    <message>
        <source>计时方案%1</source>
        <translation>Timing scheme %1</translation>
    </message>
    <message>
        <source>计时</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>工具条模式</source>
        <translation>Toolbar mode</translation>
    </message>
    <message>
        <source>全屏幕模式</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>返回主界面</source>
        <translation>Back to the main window</translation>
    </message>
    <message>
        <source>关于Horalto...</source>
        <translation>About Horalto...</translation>
    </message>
    <message>
        <source>计时选项设置</source>
        <translation>Timing settings</translation>
    </message>
    <message>
        <source>全局热键设置</source>
        <translation>Global hotkeys</translation>
    </message>
    <message>
        <source>修改程序信息</source>
        <translation>Change the information text</translation>
    </message>
    <message>
        <source>计时记录...</source>
        <translation>Timing records...</translation>
    </message>
    <message>
        <source>远程显示...</source>
        <translation>Remote display...</translation>
    </message>
    <message>
        <source>开启窗口抖动</source>
        <translation>Shake the windows</translation>
    </message>
    <message>
        <source>使用大工具条</source>
        <translation>Use the large toolbar</translation>
    </message>
    <message>
        <source>退出Horalto</source>
        <translation>Exit Horalto</translation>
    </message>
    <message>
        <source>比赛名单...</source>
        <translation>Programme...</translation>
    </message>
    <message>
        <source>下一位选手</source>
        <translation>Next speaker</translation>
    </message>
    <message>
        <source>调整时间</source>
        <translation>Adjust time</translation>
    </message>
    <message>
        <source>给演讲者的消息...</source>
        <translation>Message to the speaker...</translation>
    </message>
    <message>
        <source>%1%2 分钟</source>
        <translation>%1%2 min</translation>
    </message>
    <message>
        <source>%1%2 秒</source>
        <translation>%1%2 s</translation>
    </message>
</context>
<context>
    <name>MonitorChoice</name>
    <message>
        <source>全屏显示器</source>
        <translation>Full-screen monitor</translation>
    </message>
    <message>
        <source>主显示器</source>
        <translation>Primary monitor</translation>
    </message>
    <message>
        <source>左</source>
        <translation>left</translation>
    </message>
    <message>
        <source>上</source>
        <translation>top</translation>
    </message>
    <message>
        <source>右</source>
        <translation>right</translation>
    </message>
    <message>
        <source>下</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>中</source>
        <translation>middle</translation>
    </message>
</context>
<context>
    <name>OptionForm</name>
    <message>
        <source>开始计时后显示主界面</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>开始计时后显示工具条</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>开始计时后全屏幕显示</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>开始计时后保持当前状态</source>
        <translation>No change</translation>
    </message>
    <message>
        <source>结束计时后显示主界面</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>结束计时后显示工具条</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>结束计时后全屏幕显示</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>结束计时后保持当前状态</source>
        <translation>No change</translation>
    </message>
    <message>
        <source>计时方案%1 的配置还没有保存，您是否要保存对该配置的更改？</source>
        <translation>The changes to timing scheme %1 are not saved yet. Do you want to save them?</translation>
    </message>
    <message>
        <source>计时方案%1 的配置没有保存：无法写入配置文件
%2</source>
        <translation>Timing scheme %1 was not saved: the configuration file cannot be written
%2</translation>
    </message>
    <message>
        <source>声音文件 (*.Wav)</source>
        <translation>Sound files (*.Wav)</translation>
    </message>
    <message>
        <source>选择提示声音文件</source>
        <translation>Choose the prompt sound</translation>
    </message>
    <message>
        <source>选择结束声音文件</source>
        <translation>Choose the end sound</translation>
    </message>
    <message>
        <source>状态说明</source>
        <translation>The view to show</translation>
    </message>
    <message>
        <source>设置计时的时间长度</source>
        <translation>How long the timing runs</translation>
    </message>
    <message>
        <source>计时长度：</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>分</source>
        <translation>m</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>提示时间%1：</source>
        <translation>Prompt %1:</translation>
    </message>
    <message>
        <source>设置离结束时间还有多长时间时给予提示！</source>
        <translation>How long before the end the prompt comes!</translation>
    </message>
    <message>
        <source> (剩余时间)</source>
        <translation> (remaining)</translation>
    </message>
    <message>
        <source>提示声音：</source>
        <translation>Prompt sound:</translation>
    </message>
    <message>
        <source>设置到提示时间时播放的声音文件(*.WAV)！</source>
        <translation>The sound file played at a prompt time (*.WAV)!</translation>
    </message>
    <message>
        <source>结束声音：</source>
        <translation>End sound:</translation>
    </message>
    <message>
        <source>设置到结束时间时播放的声音文件(*.WAV)</source>
        <translation>The sound file played at the end (*.WAV)</translation>
    </message>
    <message>
        <source>开始计时后的状态：</source>
        <translation>After the start:</translation>
    </message>
    <message>
        <source>计时结束后的状态：</source>
        <translation>After the end:</translation>
    </message>
    <message>
        <source>请选择计时方案：</source>
        <translation>Timing scheme:</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Horalto设置</source>
        <translation>Horalto settings</translation>
    </message>
    <message>
        <source>正计时</source>
        <translation>Count up</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>测试声音</source>
        <translation>Play the sound</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>到时后计超时</source>
        <translation>Count overtime after the end</translation>
    </message>
    <message>
        <source>到时后计数器不复位，继续显示超出的时间（如 +00:00:07），直到复位或开始下一次计时</source>
        <translation>At the end the counter is not reset: it goes on to show the time beyond it (such as +00:00:07) until a reset or the next start</translation>
    </message>
    <message>
        <source>方案%1</source>
        <translation>Scheme %1</translation>
    </message>
    <message>
        <source>保 存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>退 出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>合格时间应写作 时:分:秒，例如 00:04:30；留空为不限</source>
        <translation>Write a qualifying time as hours:minutes:seconds, for example 00:04:30; leave it empty for no limit</translation>
    </message>
    <message>
        <source>合格时间的“从”不能晚于“到”</source>
        <translation>The qualifying time&apos;s &quot;from&quot; cannot be later than its &quot;to&quot;</translation>
    </message>
    <message>
        <source>计时结束时，讲话的全部时间（不含暂停，含超时）短于“从”判为不足时，长于“到”判为超时，否则为合格；留空为不限</source>
        <translation>When a timing ends, the whole time spoken (pauses left out, overtime included) is judged: shorter than &quot;from&quot; is Too short, longer than &quot;to&quot; is Over time, else Qualified; empty: no limit</translation>
    </message>
    <message>
        <source>合格时间：</source>
        <translation>Qualifying:</translation>
    </message>
    <message>
        <source>从</source>
        <translation>from</translation>
    </message>
    <message>
        <source>到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>预设...</source>
        <translation>Presets...</translation>
    </message>
    <message>
        <source>用常见比赛的计时填写本方案（长度、提示与信号颜色、合格时间、超时、计时器颜色），保存后生效</source>
        <translation>Fills this scheme with a common contest&apos;s timing (length, prompts and signal colors, qualifying time, overtime, counter colors); takes effect when saved</translation>
    </message>
    <message>
        <source> (已用时间)</source>
        <translation> (elapsed)</translation>
    </message>
</context>
<context>
    <name>PageServer</name>
    <message>
        <source>端口 %1 已被占用，请换一个端口</source>
        <translation>Port %1 is in use; please choose another port</translation>
    </message>
    <message>
        <source>无法在端口 %1 提供计时页面：%2</source>
        <translation>Cannot serve the timing page on port %1: %2</translation>
    </message>
</context>
<context>
    <name>ProgrammeForm</name>
    <message>
        <source>比赛名单</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>题目</source>
        <translation>Topic</translation>
    </message>
    <message>
        <source>方案</source>
        <translation>Scheme</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>导入...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>导入 .csv 或 .txt 文件：每行一位选手，姓名,题目,方案（题目和方案可以省略）</source>
        <translation>Import a .csv or .txt file: one speaker a line, name,topic,scheme (topic and scheme may be left out)</translation>
    </message>
    <message>
        <source>抽签</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>随机排列还没有上场的选手</source>
        <translation>Put those who have not spoken yet in a random order</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>设为当前</source>
        <translation>Make current</translation>
    </message>
    <message>
        <source>关    闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>双击姓名、题目或方案可以修改；Ctrl+V 粘贴名单</source>
        <translation>Double-click a name, topic or scheme to change it; Ctrl+V pastes a list</translation>
    </message>
    <message>
        <source>选手%1</source>
        <translation>Speaker %1</translation>
    </message>
    <message>
        <source>导入比赛名单</source>
        <translation>Import a programme</translation>
    </message>
    <message>
        <source>名单文件 (*.csv *.txt)</source>
        <translation>Lists (*.csv *.txt)</translation>
    </message>
    <message>
        <source>无法导入 %1：
%2</source>
        <translation>Cannot import %1:
%2</translation>
    </message>
    <message>
        <source>确实要抽签吗？
还没有上场的选手将随机排列。</source>
        <translation>Draw the order?
Those who have not spoken yet will be put in a random order.</translation>
    </message>
    <message>
        <source>确实要清空比赛名单吗？
名单中的选手和用时都将删除。</source>
        <translation>Clear the programme?
Every speaker and time in it will be removed.</translation>
    </message>
    <message>
        <source>报告...</source>
        <translation>Report...</translation>
    </message>
    <message>
        <source>比赛报告：每位选手的用时、超时和结果，可以打印或保存为 PDF</source>
        <translation>Contest report: each speaker&apos;s time, overtime and result, to print or save as PDF</translation>
    </message>
    <message>
        <source>比赛名单中已有 %1 位选手。
用导入的 %2 位选手替换现有名单，还是加在名单后面？</source>
        <translation>The programme already has %1 speakers.
Replace it with the %2 speakers imported, or add them at its end?</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>加在后面</source>
        <translation>Add at the end</translation>
    </message>
    <message>
        <source>，没有导入。</source>
        <translation>; nothing was imported.</translation>
    </message>
    <message>
        <source>这位选手计时不止一次：这里是最近一次的用时，之前的用时保留在计时记录中</source>
        <translation>This speaker was timed more than once: this is the latest time; the earlier ones are in the timing records</translation>
    </message>
    <message>
        <source>%1（重计）</source>
        <translation>%1 (re-timed)</translation>
    </message>
    <message>
        <source>没有抽签：计时已经开始，抽签只能在没有计时的时候进行。</source>
        <translation>No draw: a timing has started. The order is drawn only while nothing is timed.</translation>
    </message>
    <message>
        <source>确实要删除“%1”吗？
名单中的用时 %2 也将删除（计时记录仍然保留）。</source>
        <translation>Remove “%1”?
The time %2 goes from the programme too (the records keep it).</translation>
    </message>
</context>
<context>
    <name>ProgrammeRun</name>
    <message>
        <source>第%1位 %2</source>
        <translation>No. %1 %2</translation>
    </message>
    <message>
        <source>《%1》</source>
        <translation> “%1”</translation>
    </message>
    <message>
        <source>下一位：%1</source>
        <translation>Next: %1</translation>
    </message>
</context>
<context>
    <name>ProgrammeStore</name>
    <message>
        <source>不是文本文件</source>
        <translation>it is not a text file</translation>
    </message>
    <message>
        <source>第 %1 行无法读取</source>
        <translation>line %1 cannot be read</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>不是可以读取的普通文件</source>
        <translation>it is not a regular file that can be read</translation>
    </message>
    <message>
        <source>无法读取比赛名单 %1：%2。该文件保持原样，本次不使用比赛名单。</source>
        <translation>Cannot read the programme %1: %2. The file is left as it is; no programme is used this time.</translation>
    </message>
    <message>
        <source>多于 %1 位选手</source>
        <translation>more than %1 speakers</translation>
    </message>
    <message>
        <source>无法保存比赛名单 %1（文件只读或磁盘已满？）：最近的更改只在屏幕上，重新启动后会丢失；每次更改都会再试</source>
        <translation>Cannot save the programme %1 (read-only file or full disk?): the latest changes are only on the screen and are lost at a restart; every change tries again</translation>
    </message>
</context>
<context>
    <name>Qualify</name>
    <message>
        <source>不足时</source>
        <translation>Too short</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Over time</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Qualified</translation>
    </message>
</context>
<context>
    <name>RecordsForm</name>
    <message>
        <source>计时记录</source>
        <translation>Timing records</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>把选中的记录（没有选中时为列出的全部记录）复制为文字</source>
        <translation>Copies the selected records (with none selected, every record listed) as text</translation>
    </message>
    <message>
        <source>打开文件夹(&amp;O)</source>
        <translation>&amp;Open folder</translation>
    </message>
    <message>
        <source>在文件管理器中打开记录文件所在的文件夹</source>
        <translation>Opens the folder of the records file in the file manager</translation>
    </message>
    <message>
        <source>清空记录</source>
        <translation>Clear records</translation>
    </message>
    <message>
        <source>清空全部记录，原文件保留为备份（records.csv.bak、records.csv.bak.1……）</source>
        <translation>Clears every record; the old file is kept as a backup (records.csv.bak, records.csv.bak.1, …)</translation>
    </message>
    <message>
        <source>关    闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>无法打开文件夹：
%1</source>
        <translation>Cannot open the folder:
%1</translation>
    </message>
    <message>
        <source>确实要清空全部计时记录吗？
原记录文件将保留为 %1。</source>
        <translation>Clear every timing record?
The old records file will be kept as %1.</translation>
    </message>
    <message>
        <source>无法清空计时记录：
%1</source>
        <translation>Cannot clear the timing records:
%1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>这是一个指向不存在的文件的链接</source>
        <translation>it is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>这是一个指向其他用户的文件的链接</source>
        <translation>it is a link to another user&apos;s file</translation>
    </message>
    <message>
        <source>无法查看该路径</source>
        <translation>the path cannot be looked at</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>这不是普通文件（是设备、管道或套接字）</source>
        <translation>it is not a regular file (a device, a pipe or a socket)</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Horalto 计时</source>
        <translation>Horalto timer</translation>
    </message>
    <message>
        <source>正在连接…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>计时</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>方案1</source>
        <translation>Scheme 1</translation>
    </message>
    <message>
        <source>方案2</source>
        <translation>Scheme 2</translation>
    </message>
    <message>
        <source>方案3</source>
        <translation>Scheme 3</translation>
    </message>
    <message>
        <source>方案4</source>
        <translation>Scheme 4</translation>
    </message>
    <message>
        <source>方案5</source>
        <translation>Scheme 5</translation>
    </message>
    <message>
        <source>工具条模式</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>全屏幕模式</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>返回主界面</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>时间到</source>
        <translation>Time&apos;s up</translation>
    </message>
    <message>
        <source>超时 · 已暂停</source>
        <translation>Overtime · paused</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Overtime</translation>
    </message>
    <message>
        <source>计时中 · 提示</source>
        <translation>Timing · prompt</translation>
    </message>
    <message>
        <source>计时中</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>未计时</source>
        <translation>Not timing</translation>
    </message>
    <message>
        <source>连接已断开</source>
        <translation>Connection lost</translation>
    </message>
    <message>
        <source>程序此时不能执行这个命令</source>
        <translation>The program cannot do that now</translation>
    </message>
    <message>
        <source>遥控密钥已更换，请扫描新的二维码</source>
        <translation>The control key has changed: scan the new QR code</translation>
    </message>
    <message>
        <source>下一位</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>+10 秒</source>
        <translation>+10 s</translation>
    </message>
    <message>
        <source>−10 秒</source>
        <translation>−10 s</translation>
    </message>
    <message>
        <source>+1 分钟</source>
        <translation>+1 min</translation>
    </message>
    <message>
        <source>−1 分钟</source>
        <translation>−1 min</translation>
    </message>
    <message>
        <source>请总结</source>
        <translation>Please sum up</translation>
    </message>
    <message>
        <source>还剩一分钟</source>
        <translation>One minute left</translation>
    </message>
    <message>
        <source>请注意时间</source>
        <translation>Mind the time</translation>
    </message>
    <message>
        <source>时间到，请结束</source>
        <translation>Time&apos;s up, please end</translation>
    </message>
    <message>
        <source>谢谢</source>
        <translation>Thank you</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>给演讲者的消息</source>
        <translation>Message to the speaker</translation>
    </message>
    <message>
        <source>演讲者现在看到：</source>
        <translation>The speaker sees: </translation>
    </message>
    <message>
        <source>换方</source>
        <translation>Switch sides</translation>
    </message>
    <message>
        <source>演讲者页面上没有消息</source>
        <translation>No message on the speaker&apos;s page</translation>
    </message>
</context>
<context>
    <name>RemoteViewForm</name>
    <message>
        <source>远程显示</source>
        <translation>Remote display</translation>
    </message>
    <message>
        <source>在局域网中提供计时页面</source>
        <translation>Serve the timing page on the local network</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>观看页面（在手机或平板的浏览器中打开）：</source>
        <translation>Viewing page (open it in a phone&apos;s or tablet&apos;s browser):</translation>
    </message>
    <message>
        <source>扫码观看</source>
        <translation>Scan to watch</translation>
    </message>
    <message>
        <source>扫码遥控</source>
        <translation>Scan to control</translation>
    </message>
    <message>
        <source>遥控页面（只交给计时员）：</source>
        <translation>Control page (for the timekeeper only):</translation>
    </message>
    <message>
        <source>持有遥控地址的人可以开始、暂停、复位、调整计时，给演讲者发消息，切换计时方案和显示模式。更换密钥后旧的遥控地址立即失效。</source>
        <translation>Whoever has the control address can start, pause, reset and adjust the timing, send messages to the speaker and switch schemes and display modes. A new key stops the old control address at once.</translation>
    </message>
    <message>
        <source>更换遥控密钥</source>
        <translation>New control key</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>未开启：不打开任何端口</source>
        <translation>Off: no port is opened</translation>
    </message>
    <message>
        <source>本机没有连接网络：只有本机能打开计时页面</source>
        <translation>No network: only this computer can open the timing page</translation>
    </message>
    <message>
        <source>正在端口 %1 提供计时页面</source>
        <translation>Serving the timing page on port %1</translation>
    </message>
    <message>
        <source>提供地址：</source>
        <translation>Serve on:</translation>
    </message>
    <message>
        <source>全部地址</source>
        <translation>Every address</translation>
    </message>
    <message>
        <source>%1（现在没有）</source>
        <translation>%1 (not present now)</translation>
    </message>
    <message>
        <source>演讲者页面（放在讲台上，只给演讲者看：提示颜色和给演讲者的消息）：</source>
        <translation>Speaker&apos;s page (on the lectern, for the speaker only: the signal colours and the messages):</translation>
    </message>
    <message>
        <source>演讲者扫码</source>
        <translation>Speaker&apos;s page</translation>
    </message>
    <message>
        <source>直播叠加层（透明背景，可加 ?bg=00FF00 和 ?size=120）：%1</source>
        <translation>Streaming overlay (transparent; ?bg=00FF00 and ?size=120 may be added): %1</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>报告只能写成 .pdf 或 .csv 文件：%1</source>
        <translation>a report can only be written as a .pdf or .csv file: %1</translation>
    </message>
    <message>
        <source>无法读取比赛名单 %1%2</source>
        <translation>cannot read the programme %1%2</translation>
    </message>
    <message>
        <source>没有比赛名单：先在“比赛名单”窗口中添加或导入选手</source>
        <translation>no programme: add or import speakers in the &quot;Programme&quot; window first</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>比赛报告</source>
        <translation>Contest report</translation>
    </message>
    <message>
        <source>打印...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>保存为 PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存为 PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>报告已保存为 PDF：
%1</source>
        <translation>The report was saved as a PDF:
%1</translation>
    </message>
</context>
<context>
    <name>SchemePresets</name>
    <message>
        <source>演讲 5–7 分钟</source>
        <translation>Speech 5–7 min</translation>
    </message>
    <message>
        <source>即兴演讲 1–2 分钟</source>
        <translation>Impromptu speech 1–2 min</translation>
    </message>
    <message>
        <source>点评 2–3 分钟</source>
        <translation>Evaluation 2–3 min</translation>
    </message>
    <message>
        <source>演讲比赛 8 分钟</source>
        <translation>Speech contest 8 min</translation>
    </message>
</context>
<context>
    <name>SignalColorButton</name>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>其他颜色...</source>
        <translation>Other color...</translation>
    </message>
    <message>
        <source>从此提示起，各计时器的背景显示的信号颜色（观众看得见）</source>
        <translation>The signal color every counter&apos;s background shows from this prompt on (the audience sees it)</translation>
    </message>
</context>
<context>
    <name>SpeakerLines</name>
    <message>
        <source>第 %1 行没有姓名</source>
        <translation>line %1 has no name</translation>
    </message>
    <message>
        <source>第 %1 行的方案不是 1 到 5</source>
        <translation>the scheme on line %1 is not 1 to 5</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>，已跳过</source>
        <translation>: skipped</translation>
    </message>
    <message>
        <source>只能导入 .csv 或 .txt 文件</source>
        <translation>Only .csv or .txt files can be imported</translation>
    </message>
    <message>
        <source>文件大于 1 MB，没有导入</source>
        <translation>The file is larger than 1 MB; nothing was imported</translation>
    </message>
    <message>
        <source>无法读取该文件</source>
        <translation>The file cannot be read</translation>
    </message>
    <message>
        <source>该文件不是文本文件，没有导入</source>
        <translation>The file is not a text file; nothing was imported</translation>
    </message>
    <message>
        <source>第 %1 行的姓名超过 %2 个字符</source>
        <translation>the name on line %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>第 %1 行的题目超过 %2 个字符</source>
        <translation>the title on line %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>第 %1 行有 %2 列，多于 姓名,题目,方案 三列</source>
        <translation>line %1 has %2 columns, more than the three name, title, scheme</translation>
    </message>
    <message>
        <source>比赛名单最多 %1 位选手：现有 %2 位，再加 %3 位就超过了</source>
        <translation>A programme holds at most %1 speakers: it has %2, and %3 more would be too many</translation>
    </message>
</context>
<context>
    <name>SpeakerMessageForm</name>
    <message>
        <source>请总结</source>
        <translation>Please sum up</translation>
    </message>
    <message>
        <source>还剩一分钟</source>
        <translation>One minute left</translation>
    </message>
    <message>
        <source>请注意时间</source>
        <translation>Mind the time</translation>
    </message>
    <message>
        <source>时间到，请结束</source>
        <translation>Time&apos;s up, please end</translation>
    </message>
    <message>
        <source>谢谢</source>
        <translation>Thank you</translation>
    </message>
    <message>
        <source>给演讲者的消息</source>
        <translation>Message to the speaker</translation>
    </message>
    <message>
        <source>输入消息，或选一句常用语</source>
        <translation>Type a message, or pick a ready phrase</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>在演讲者页面上显示这条消息</source>
        <translation>Show this message on the speaker&apos;s page</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>从演讲者页面上去掉消息</source>
        <translation>Take the message off the speaker&apos;s page</translation>
    </message>
    <message>
        <source>演讲者页面上没有消息</source>
        <translation>No message on the speaker&apos;s page</translation>
    </message>
    <message>
        <source>演讲者现在看到：%1</source>
        <translation>The speaker sees: %1</translation>
    </message>
    <message>
        <source>在全屏窗口显示消息</source>
        <translation>Show the message in the full-screen window</translation>
    </message>
    <message>
        <source>观众通常也看得到全屏窗口</source>
        <translation>The audience usually sees the full-screen window too</translation>
    </message>
</context>
<context>
    <name>TimeText</name>
    <message>
        <source>配置文件错误！请删除程序目录下的 Config.ini 文件后重新运行！</source>
        <translation>Configuration error! Delete the file Config.ini in the program folder and start again!</translation>
    </message>
    <message>
        <source>Horalto 计时器 —— 由 Horalto 开发组设计制作</source>
        <translation>Horalto timer — designed and made by the Horalto team</translation>
    </message>
</context>
<context>
    <name>TimingRecord</name>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <source>方案</source>
        <translation>Scheme</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>时长</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>计时</source>
        <translation>Timed</translation>
    </message>
    <message>
        <source>暂停次数</source>
        <translation>Pauses</translation>
    </message>
    <message>
        <source>暂停时长</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>结束方式</source>
        <translation>Ended by</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Overtime</translation>
    </message>
    <message>
        <source>到时</source>
        <translation>time up</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>reset</translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation>restart</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>exit</translation>
    </message>
    <message>
        <source>正计时</source>
        <translation>up</translation>
    </message>
    <message>
        <source>倒计时</source>
        <translation>down</translation>
    </message>
    <message>
        <source>%1 %2-%3 %4（方案%5，%6 %7）计时 %8</source>
        <translation>%1 %2-%3 %4 (scheme %5, %6 %7) timed %8</translation>
    </message>
    <message>
        <source> 超时 %1</source>
        <translation> overtime %1</translation>
    </message>
    <message>
        <source> 暂停%1次 %2</source>
        <translation> paused %1× %2</translation>
    </message>
    <message>
        <source>选手</source>
        <translation>Speaker</translation>
    </message>
    <message>
        <source>题目</source>
        <translation>Topic</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>调整</source>
        <translation>Adjusted</translation>
    </message>
    <message>
        <source>正方用时</source>
        <translation>Side A time</translation>
    </message>
    <message>
        <source>反方用时</source>
        <translation>Side B time</translation>
    </message>
    <message>
        <source>（正方 %1，反方 %2）</source>
        <translation> (side A %1, side B %2)</translation>
    </message>
    <message>
        <source> 调整 %1 秒</source>
        <translation> adjusted %1 s</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Interrupted</translation>
    </message>
</context>
<context>
    <name>TimingSession</name>
    <message>
        <source>继续</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>%1 计时方案%2</source>
        <translation>%1 · Timing scheme %2</translation>
    </message>
    <message>
        <source>正方</source>
        <translation>Side A</translation>
    </message>
    <message>
        <source>反方</source>
        <translation>Side B</translation>
    </message>
</context>
<context>
    <name>ToolsBarForm</name>
    <message>
        <source>Horalto 大工具条</source>
        <translation>Horalto large toolbar</translation>
    </message>
    <message>
        <source>Horalto 工具条</source>
        <translation>Horalto toolbar</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>双击可以设置显示文字颜色！</source>
        <translation>Double-click to set the color of the digits</translation>
    </message>
    <message>
        <source>开始计时</source>
        <translation>Start timing</translation>
    </message>
    <message>
        <source>复位计时器</source>
        <translation>Reset the timer</translation>
    </message>
    <message>
        <source>返回主界面</source>
        <translation>Back to the main window</translation>
    </message>
    <message>
        <source>全屏幕模式</source>
        <translation>Full screen</translation>
    </message>
</context>
<context>
    <name>UserChoices</name>
    <message>
        <source>请在下面文本框中输入您需要显示的标题信息！</source>
        <translation>Enter the title to show in the box below!</translation>
    </message>
    <message>
        <source>请在输入需要在全屏状态下显示的程序信息！</source>
        <translation>Enter the information to show in full screen!</translation>
    </message>
    <message>
        <source>正在计时，确定要退出吗？</source>
        <translation>A speech is being timed. Exit anyway?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>关于Horalto</source>
        <translation>About Horalto</translation>
    </message>
    <message>
        <source>倒计时软件，可用于一般的演讲比赛等场合。</source>
        <translation>A countdown timer for speech contests.</translation>
    </message>
    <message>
        <source>程序设计：Horalto 开发组</source>
        <translation>Program design: the Horalto team</translation>
    </message>
    <message>
        <source>致  谢</source>
        <translation>Thanks</translation>
    </message>
    <message>
        <source>感谢各位演讲比赛的组织者和计时员提出的宝贵意见，</source>
        <translation>To contest organizers and timekeepers for their advice,</translation>
    </message>
    <message>
        <source>感谢所有试用本软件并报告问题的朋友。</source>
        <translation>and to all who tried this program and reported problems.</translation>
    </message>
    <message>
        <source>谨以此软件献给每一位站上讲台的演讲者。</source>
        <translation>Dedicated to every speaker who steps up to the lectern.</translation>
    </message>
    <message>
        <source>本软件可以免费使用和复制，使用中的风险由使用者自行承担。</source>
        <translation>Free to use and to copy; whoever uses it does so at their own risk.</translation>
    </message>
    <message>
        <source>系统信息(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>确    定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关于 %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>此时系统信息不可用</source>
        <translation>System information is not available now</translation>
    </message>
</context>
</TS>
