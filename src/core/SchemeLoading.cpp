// Loading the current scheme into the session, the information display and the counter colours.
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "core/Colors.h"
#include "core/TimeText.h"
#include "core/TimingSession.h"
#include "platform/Clock.h"
#include "platform/ProgramEnv.h"
#include "platform/sound/Sound.h"
#include "platform/Timer.h"

#include <QLocale>
#include <tuple>

void TimingSession::LoadScheme()
{
    const ConfigFile& c = config_;
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
        // Looked at only: a scheme without signal colours keeps its file as it is.
        PromptColors[k - 1] = ParseSignalColor(c.PeekIniText(ts, IniKey::TSColor + QString::number(k)).value_or(QString()));
    }
    PromptWav = c.ReadIniText(Section(IniSection::WAVSET), IniKey::TSWAV, DefaultPromptWav());
    EndWav = c.ReadIniText(Section(IniSection::WAVSET), IniKey::JSWAV, DefaultEndWav());
    TimeLenSeconds = TimeTextToSeconds(TimeLenText);
    for (int k = 0; k < 5; ++k)
        PromptSeconds[k] = TimeTextToSeconds(PromptTimes[k]);
    svc_.sound.load({PromptWav, EndWav});
    LoadDebate();
}

QString TimingSession::DefaultPromptWav() const
{
    return svc_.programDir.path() + QStringLiteral("/wav/提示音.wav");
}

QString TimingSession::DefaultEndWav() const
{
    return svc_.programDir.path() + QStringLiteral("/wav/终止音.wav");
}

void TimingSession::LoadInfoDisplay()
{
    // The lights run from here on, shown or not.
    LightsTimer->setEnabled(true);
    if (config_.ReadIniText(IniSection::InfoPicSet, IniKey::ShowInfoPic, QStringLiteral("No")) == QStringLiteral("Yes")) {
        infoPictureName_ = config_.ReadIniText(IniSection::InfoPicSet, IniKey::ShowInfoPicName, QStringLiteral("InfoPic.jpg"));
        infoPictureName_.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    infoText_ = config_.ReadIniText(IniSection::InfoTxtSet, IniKey::ShowinfoTxt, DefaultInfoText());
    emit infoTextChanged(InfoText());
}

void TimingSession::SetInfoTextFrom(const QString& answer)
{
    const QString text = answer.isEmpty() ? DefaultInfoText() : answer;
    config_.WriteIniText(IniSection::InfoTxtSet, IniKey::ShowinfoTxt, text.trimmed());
    infoText_ = config_.ReadIniText(IniSection::InfoTxtSet, IniKey::ShowinfoTxt, DefaultInfoText());
    emit infoTextChanged(InfoText());
}

void TimingSession::ReadSchemeState()
{
    largeToolbarMarked_ = config_.ReadIniText(Section(IniSection::COMMSET), IniKey::MaxToolsBar, "No") == "Yes";
    emit largeToolbarMarkChanged(largeToolbarMarked_);
    if (mode_ == DisplayMode::Toolbar && !unloaded_)
        ShowChosenToolbar();
    LoadScheme();
    phase_ = TimingPhase::Idle;
}

void TimingSession::ShowLoadedScheme()
{
    timeLenShown_ = TimeLenText;
    emit timeLabelsChanged();
    SetCounterText(TimeLenText);
    clockText_ = DateTimeText(svc_.clock.now());
    emit clockTextChanged(clockText_);
    SetIdleControls();
    ApplyCounterColors();
    // The shake mark shows the stored value of the scheme (looked at, not written).
    shakeMarked_ = config_.PeekIniText(Section(IniSection::COMMSET), IniKey::DouDong).value_or("No") == "Yes";
    emit shakeMarkChanged(shakeMarked_);
}

void TimingSession::SwitchScheme(int index)
{
    // The chosen scheme is the one in effect whether or not its number could be stored (a
    // locked file, a full disk): check mark, title and loaded scheme agree.
    SetFangAnId(std::int16_t(index));
    config_.WriteIniText(IniSection::FangAnSelect, IniKey::JsFangAnId, QString::number(index));
    ConfigFile::DefaultsBatch defaults(config_); // one write for the scheme's defaults, error or not
    ShowSchemeTitle();
    ReadSchemeState();
    ShowLoadedScheme();
}

void TimingSession::ReloadCurrentScheme()
{
    const auto held = std::make_tuple(TimeLenText, CountDirection, PromptTimes, PromptWav, EndWav, TimeLenSeconds, PromptSeconds, PromptColors);
    try {
        LoadScheme();
    } catch (const ConfigError&) {
        std::tie(TimeLenText, CountDirection, PromptTimes, PromptWav, EndWav, TimeLenSeconds, PromptSeconds, PromptColors) = held;
        return;
    }
    timeLenShown_ = TimeLenText;
    emit timeLabelsChanged();
    SetCounterText(TimeLenText);
}

namespace {
struct ColorKey {
    TimingSession::CounterView view;
    QString key, fallback;
};
const ColorKey kColorKeys[] = {
    {TimingSession::MainCounter, IniKey::Normal, QStringLiteral("255")},
    {TimingSession::SmallToolbarCounter, IniKey::ToolsBar, QStringLiteral("65535")},
    {TimingSession::LargeToolbarCounter, IniKey::ToolsBar, QStringLiteral("65535")},
    {TimingSession::FullScreenCounter, IniKey::FullScreen, QStringLiteral("16711935")},
};
} // namespace

void TimingSession::ApplyCounterColors()
{
    for (const ColorKey& k : kColorKeys) {
        const auto v = ParseBgr(config_.ReadIniText(Section(IniSection::ColorSet), k.key, k.fallback));
        if (!v)
            throw ConfigError("colour is not a number");
        SetCounterColor(k.view, *v);
    }
}

void TimingSession::RestoreCounterColors()
{
    // A colour edited into something unusable while the program runs keeps the counter's
    // current colour; the others are restored.
    for (const ColorKey& k : kColorKeys)
        if (const auto v = ParseBgr(config_.ReadIniText(Section(IniSection::ColorSet), k.key, k.fallback)))
            SetCounterColor(k.view, *v);
}

QString TimingSession::DateTimeText(const QDateTime& t) const
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
