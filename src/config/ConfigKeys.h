#pragma once
// Every section and key name of config.ini. Names are matched without regard to ASCII case; a
// new file gets them spelled as here. A section marked "per scheme" is the word followed by the
// scheme number 1..5 (numbered(JSSET, 2) gives "JSSET2"); a key marked "k" is numbered too.
//
//   [FangAnSelect]  JsFangAnId        the current scheme ("FangAn" = scheme), 1..5
//   [JSSET] per scheme ("JiShi" = timing)
//                   JSHH JSMM JSSS    timing length: hours, minutes, seconds
//                   JSFX              count direction: 0 down, 1 up, else the counter stands
//   [TSSET] per scheme ("TiShi" = prompt)
//                   TSHHk TSMMk TSSSk prompt time k (1..5) as a counter value; 00:00:00 = none
//                   TSColork          the signal colour of prompt k, "#RRGGBB"; missing or empty:
//                                     none (the prompt blinks). Written only when the user sets one.
//   [WAVSET] per scheme
//                   TSWAV JSWAV       prompt sound, end sound (paths)
//   [COMMSET] per scheme (common switches)
//                   STARTSTATE        display after a start: 0 main, 1 toolbar, 2 full screen, 3 stay
//                   FINSHSTATE        display after the end, the same values
//                   MaxToolsBar       Yes: the large toolbar, No: the small one
//                   DouDong           Yes: the windows shake at a prompt and at the end
//                   OverTime          Yes: after the end the counter counts the overtime
//                                     ("+00:00:07") until a reset or the next start; missing
//                                     or anything else: the end resets the counter. Written
//                                     only by a save of the scheme in the settings dialog.
//                   QualifyMin QualifyMax  the qualifying window "HH:MM:SS": a timing that ends
//                                     below the minimum is judged 不足时, above the maximum
//                                     超时, else 合格; missing or empty: no bound. Written only
//                                     when the user sets them in the settings dialog.
//                   Debate            Yes: a debate scheme, two sides each with the length on its
//                                     own clock; missing or anything else: one counter
//                   SideA SideB       the sides' names; missing or empty: 正方, 反方. The three
//                                     written only when the user ticks or names them.
//   [COMMSET] without a number: the global hotkeys, k = hotkey id 1..11, and 12 (下一位) and
//                   13 (换方) once set
//                   HotKeySetAk       modifiers ("Ctrl", "Shift+Alt", ...)
//                   HotKeySetBk       virtual-key code in decimal
//                   HotKeyDesck       the key's text, "NotSet" when switched off
//   [ColorSet] per scheme: counter colours as 0x00BBGGRR in decimal
//                   Normal ToolsBar FullScreen   main window, both toolbars, full screen
//   [InfoPicSet]    ShowInfoPic       Yes: the information picture after an end in full screen
//                   ShowInfoPicName   its file, relative to the program directory
//   [InfoTxtSet]    ShowinfoTxt       the information text of the full-screen window
//   [FullScreenSet] ScreenName        the monitor the full-screen window covers (its output's
//                                     name); missing or empty: the primary monitor. Written only
//                                     when the user picks a monitor in the menu.
//   [RemoteView]    Enabled           1: the timing page is served on the local network
//                   Port              its TCP port, 8750 when missing
//                   ControlKey        the control page's key: 128 random bits as 32 hex digits
//                   Address           the one address served on; missing or empty: every
//                                     address (also while the machine lacks the one chosen)
//                                     (all four written only when the user changes them in
//                                     "远程显示", the key also at a start with Enabled=1 when
//                                     it is missing)
//   [SpeakerMessage] FullScreen       1: the message to the speaker shows in the full-screen
//                                     window too; written only when the user changes it
//   [TitleSet]      Title             the title the user set last (empty: "Horalto"); written
//                                     only when the user sets a title
//   [Language]      UI                the interface's language: "en" English, "zh" Chinese;
//                                     missing or anything else: Chinese. Written only when the
//                                     user picks a language in the menu.
namespace IniSection {
inline constexpr const char FangAnSelect[] = "FangAnSelect";
inline constexpr const char JSSET[] = "JSSET";
inline constexpr const char TSSET[] = "TSSET";
inline constexpr const char WAVSET[] = "WAVSET";
inline constexpr const char COMMSET[] = "COMMSET";
inline constexpr const char ColorSet[] = "ColorSet";
inline constexpr const char InfoPicSet[] = "InfoPicSet";
inline constexpr const char InfoTxtSet[] = "InfoTxtSet";
inline constexpr const char FullScreenSet[] = "FullScreenSet";
inline constexpr const char RemoteView[] = "RemoteView";
inline constexpr const char Language[] = "Language";
inline constexpr const char TitleSet[] = "TitleSet";
} // namespace IniSection

namespace IniKey {
inline constexpr const char JsFangAnId[] = "JsFangAnId";
inline constexpr const char JSHH[] = "JSHH";
inline constexpr const char JSMM[] = "JSMM";
inline constexpr const char JSSS[] = "JSSS";
inline constexpr const char JSFX[] = "JSFX";
inline constexpr const char TSHH[] = "TSHH";
inline constexpr const char TSMM[] = "TSMM";
inline constexpr const char TSSS[] = "TSSS";
inline constexpr const char TSColor[] = "TSColor";
inline constexpr const char TSWAV[] = "TSWAV";
inline constexpr const char JSWAV[] = "JSWAV";
inline constexpr const char STARTSTATE[] = "STARTSTATE";
inline constexpr const char FINSHSTATE[] = "FINSHSTATE";
inline constexpr const char MaxToolsBar[] = "MaxToolsBar";
inline constexpr const char DouDong[] = "DouDong";
inline constexpr const char OverTime[] = "OverTime";
inline constexpr const char Debate[] = "Debate";
inline constexpr const char SideA[] = "SideA";
inline constexpr const char SideB[] = "SideB";
inline constexpr const char QualifyMin[] = "QualifyMin";
inline constexpr const char QualifyMax[] = "QualifyMax";
inline constexpr const char HotKeySetA[] = "HotKeySetA";
inline constexpr const char HotKeySetB[] = "HotKeySetB";
inline constexpr const char HotKeyDesc[] = "HotKeyDesc";
inline constexpr const char Normal[] = "Normal";
inline constexpr const char ToolsBar[] = "ToolsBar";
inline constexpr const char FullScreen[] = "FullScreen";
inline constexpr const char ShowInfoPic[] = "ShowInfoPic";
inline constexpr const char ShowInfoPicName[] = "ShowInfoPicName";
inline constexpr const char ShowinfoTxt[] = "ShowinfoTxt";
inline constexpr const char ScreenName[] = "ScreenName";
inline constexpr const char Enabled[] = "Enabled";
inline constexpr const char Port[] = "Port";
inline constexpr const char ControlKey[] = "ControlKey";
inline constexpr const char Address[] = "Address";
inline constexpr const char UI[] = "UI";
inline constexpr const char Title[] = "Title";
} // namespace IniKey
