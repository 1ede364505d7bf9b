// Loading the current scheme into the shared state and the scheme-dependent captions and colours.
#include "config/ConfigKeys.h"
#include "core/App.h"
#include "core/Colors.h"
#include "core/MainModule.h"
#include "hotkeys/HotKeys.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QLocale>
#include <QPushButton>

void MainModule::LoadScheme()
{
    const ConfigFile& c = app_.config;
    const QString js = Section(IniSection::JSSET);
    const QString hh = c.ReadIniText(js, IniKey::JSHH, "00");
    const QString mm = c.ReadIniText(js, IniKey::JSMM, "00");
    const QString ss = c.ReadIniText(js, IniKey::JSSS, "30");
    TimeLenText = hh + ":" + mm + ":" + ss;
    CountDirection = c.ReadIniInt(js, IniKey::JSFX, 0);
    const QString ts = Section(IniSection::TSSET);
    for (int k = 1; k <= 5; ++k) {
        const QString h = c.ReadIniText(ts, IniKey::TSHH + QString::number(k), "00");
        const QString m = c.ReadIniText(ts, IniKey::TSMM + QString::number(k), "00");
        const QString s = c.ReadIniText(ts, IniKey::TSSS + QString::number(k), "00");
        PromptTimes[k - 1] = h + ":" + m + ":" + s;
    }
    PromptWav = c.ReadIniText(Section(IniSection::WAVSET), IniKey::TSWAV, DefaultPromptWav());
    EndWav = c.ReadIniText(Section(IniSection::WAVSET), IniKey::JSWAV, DefaultEndWav());
    TimeLenSeconds = TimeTextToSeconds(TimeLenText);
    for (int k = 0; k < 5; ++k)
        PromptSeconds[k] = TimeTextToSeconds(PromptTimes[k]);
}

QString MainModule::DefaultPromptWav() const
{
    return app_.svc.programDir.path() + QStringLiteral("/wav/提示音.wav");
}

QString MainModule::DefaultEndWav() const
{
    return app_.svc.programDir.path() + QStringLiteral("/wav/终止音.wav");
}

void MainModule::ShowSchemeTitle()
{
    app_.session.SetSchemeTitle(TitleText + QStringLiteral(" 计时方案") + QString::number(FangAnId));
}

void MainModule::ShowTitleInWindows(const QString& caption)
{
    MainForm& f = app_.mainForm();
    f.Label5->setText(caption);
    f.Label5->adjustSize();
    f.setWindowTitle(caption);
    app_.fullScreenForm().Label1->setText(caption);
}

void MainModule::ApplyCounterColors()
{
    auto color = [this](const QString& key, const QString& def) {
        const auto v = ParseBgr(app_.config.ReadIniText(Section(IniSection::ColorSet), key, def));
        if (!v)
            throw ConfigError("colour is not a number");
        return *v;
    };
    SetForeColor(app_.mainForm().Showtime, color(IniKey::Normal, "255"));
    SetForeColor(app_.toolsBarForm().Showtime, color(IniKey::ToolsBar, "65535"));
    SetForeColor(app_.toolsBarFormMax().Showtime, color(IniKey::ToolsBar, "65535"));
    SetForeColor(app_.fullScreenForm().Showtime, color(IniKey::FullScreen, "16711935"));
}

void MainModule::RestoreCounterColors()
{
    // A colour edited into something unusable while the program runs keeps the counter's
    // current colour; the others are restored.
    auto restore = [this](QWidget* label, const QString& key, const QString& def) {
        if (const auto v = ParseBgr(app_.config.ReadIniText(Section(IniSection::ColorSet), key, def)))
            SetForeColor(label, *v);
    };
    restore(app_.mainForm().Showtime, IniKey::Normal, "255");
    restore(app_.toolsBarForm().Showtime, IniKey::ToolsBar, "65535");
    restore(app_.toolsBarFormMax().Showtime, IniKey::ToolsBar, "65535");
    restore(app_.fullScreenForm().Showtime, IniKey::FullScreen, "16711935");
}

void MainModule::SetPauseMenuCaption(const QString& word)
{
    const QString desc = HotKeys[6].Desc;
    const QString caption = desc == kNotSet ? word : word + QString(5, QChar(0x3000)) + desc;
    app_.menuForm().MJishiPause->setText(caption);
}

void MainModule::StartupConfigError()
{
    app_.svc.dialogs.warning(nullptr, QStringLiteral("Horalto"), ConfigErrorMessage());
    app_.EndProgram(1);
}

void MainModule::SetCounterTexts(const QString& text)
{
    app_.session.SetCounterText(text);
}

void MainModule::ShowCounterInWindows(const QString& text)
{
    app_.mainForm().Showtime->setText(text);
    app_.toolsBarForm().Showtime->setText(text);
    app_.toolsBarForm().Showtime->adjustSize();
    app_.toolsBarFormMax().Showtime->setText(text);
    app_.toolsBarFormMax().Showtime->adjustSize();
    app_.fullScreenForm().Showtime->setText(text);
}

QString MainModule::DateTimeText(const QDateTime& t) const
{
    // The locale's short date and its time with seconds (without a time-zone name).
    // The C locale gets the year-first form.
    const QLocale loc = QLocale::system();
    QString dateFormat = loc.dateFormat(QLocale::ShortFormat);
    QString timeFormat = loc.timeFormat(QLocale::LongFormat);
    if (loc.language() == QLocale::C) {
        dateFormat = QStringLiteral("yyyy/M/d");
        timeFormat = QStringLiteral("H:mm:ss");
    }
    timeFormat.remove(u't').replace(QStringLiteral("  "), QStringLiteral(" "));
    return loc.toString(t.date(), dateFormat) + u' ' + loc.toString(t.time(), timeFormat.trimmed());
}

void MainModule::LoadCurrentSchemeIntoWindows(bool startUp)
{
    MenuForm& menu = app_.menuForm();
    MainForm& f = app_.mainForm();
    const QString maxTools = app_.config.ReadIniText(Section(IniSection::COMMSET), IniKey::MaxToolsBar, "No");
    menu.MMaxToolsBar->setChecked(maxTools == "Yes");
    if (!startUp && (app_.toolsBarForm().isVisible() || app_.toolsBarFormMax().isVisible()))
        ShowChosenToolbar();
    LoadScheme();
    IsTiming = false;
    Phase = TimingPhase::Idle;
    if (startUp) {
        app_.hotKeys().LoadHotKeys();
        app_.hotKeys().RegisterHotKeys();
    }
    f.TimeLen->setText(TimeLenText);
    f.TimeLen->adjustSize();
    SetCounterTexts(TimeLenText);
    f.IsTime->setText(DateTimeText(app_.svc.clock.now()));
    f.IsTime->adjustSize();
    ApplyOffers();
    f.JishiPause->setText(QStringLiteral("暂 停"));
    SetPauseMenuCaption(QStringLiteral("暂停"));
    ApplyCounterColors();
    // The shake check mark shows the stored value of the scheme (looked at, not written).
    menu.MDouDong->setChecked(app_.config.PeekIniText(Section(IniSection::COMMSET), IniKey::DouDong).value_or("No") == "Yes");
}

void MainModule::SwitchScheme(int index)
{
    MenuForm& menu = app_.menuForm();
    for (int i = 1; i <= 5; ++i)
        menu.MJsFa[i]->setChecked(false);
    menu.MJsFa[index]->setChecked(true);
    // The chosen scheme is the one in effect whether or not its number could be stored (a
    // locked file, a full disk): check mark, title and loaded scheme agree.
    FangAnId = std::int16_t(index);
    app_.config.WriteIniText(IniSection::FangAnSelect, IniKey::JsFangAnId, QString::number(index));
    ConfigFile::DefaultsBatch defaults(app_.config); // one write for the scheme's defaults
    try {
        ShowSchemeTitle();
        LoadCurrentSchemeIntoWindows(false);
    } catch (const ConfigError&) {
        defaults.commit();
        StartupConfigError();
    }
}
