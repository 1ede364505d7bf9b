#include "menu/MenuForm.h"

#include "config/ConfigFile.h"
#include "core/Commands.h"
#include "core/TimeText.h"
#include "core/TimingSession.h"
#include "display/MonitorChoice.h"
#include "hotkeys/HotKeys.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <cstdlib>

MenuForm::MenuForm(const TimingSession& session, Commands& commands, const HotKeys& hotKeys, const ConfigFile& config)
    : QWidget(nullptr, Qt::Window), session_(session), commands_(commands), hotKeys_(hotKeys), config_(config)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    MypopMenu = new QMenu(this);
    MypopMenu->setWindowFlag(Qt::WindowStaysOnTopHint);
    auto item = [this](const QString& caption, auto handler, bool checkable = false) {
        QAction* a = MypopMenu->addAction(caption);
        a->setCheckable(checkable);
        connect(a, &QAction::triggered, this, [a, checkable, handler] {
            // A click toggles a check mark by itself; the handlers set the marks themselves,
            // exactly as when a hotkey runs them.
            if (checkable)
                a->setChecked(!a->isChecked());
            handler();
        });
        return a;
    };
    for (int i = 1; i <= 5; ++i)
        MJsFa[i] = item(tr("计时方案%1").arg(i), [this, i] { MJsFa_Click(i); }, true);
    MypopMenu->addSeparator(); // fg0
    MJishiStart = item(tr("计时"), [this] { MJishiStart_Click(); });
    MJishiEnd = item(tr("复位"), [this] { MJishiEnd_Click(); });
    MJishiPause = item(session_.PauseWord(), [this] { MJishiPause_Click(); });
    MSwitchSides = item({}, [this] { commands_.Run(CommandId::SwitchSides, owner_); });
    MypopMenu->addSeparator(); // fg1
    MMinME = item(tr("工具条模式"), [this] { MMinME_Click(); });
    MMaxME = item(tr("全屏幕模式"), [this] { MMaxME_Click(); });
    MBacktoMain = item(tr("返回主界面"), [this] { MBacktoMain_Click(); });
    MBacktoMain->setVisible(false);
    MypopMenu->addSeparator(); // fg2
    Mabout = item({}, [this] { Mabout_Click(); });
    MSetupMe = item({}, [this] { MSetupMe_Click(); });
    MHotKey = item({}, [this] { MHotKey_Click(); });
    MAppInfo = item({}, [this] { commands_.Run(CommandId::AppInfo, owner_); });
    MRecords = item({}, [this] { commands_.Run(CommandId::Records, owner_); });
    MProgramme = item({}, [this] { commands_.Run(CommandId::Programme, owner_); });
    MNextSpeaker = item({}, [this] { commands_.Run(CommandId::NextSpeaker, owner_); });
    MRemoteView = item({}, [this] { commands_.Run(CommandId::RemoteView, owner_); });
    MAdjust = MypopMenu->addMenu(QString());
    for (const int seconds : kAdjustSteps)
        connect(MAdjust->addAction(QString()), &QAction::triggered, this, [this, seconds] { commands_.AdjustTime(seconds); });
    MSpeakerMessage = item({}, [this] { commands_.Run(CommandId::SpeakerMessage, owner_); });
    MypopMenu->addSeparator(); // fg4
    MDouDong = item({}, [this] { commands_.Run(CommandId::Shake, owner_); }, true);
    MMaxToolsBar = item({}, [this] { commands_.Run(CommandId::LargeToolbar, owner_); }, true);
    // With the display switches, after every command item.
    MFullScreenMonitor = MypopMenu->addMenu(QString());
    connect(MFullScreenMonitor, &QMenu::aboutToShow, this, &MenuForm::FillMonitorMenu);
    // In both languages, so that either reader finds it.
    MLanguage = MypopMenu->addMenu(QStringLiteral("语言 / Language"));
    MChinese = MLanguage->addAction(QStringLiteral("中文"));
    MEnglish = MLanguage->addAction(QStringLiteral("English"));
    for (auto [a, language] : {std::pair{MChinese, Language::Chinese}, std::pair{MEnglish, Language::English}}) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, language] { MLanguage_Click(language); });
    }
    MypopMenu->addSeparator(); // fg3
    MExitMe = item({}, [this] { MExitMe_Click(); });
    RetranslateUi();

    // From here on the items follow the session. The menu is built at start-up, before the
    // hotkeys are read: their captions come with ShowHotKeyCaptions.
    const TimingSession& s = session_;
    ShowSchemeMarks(s.FangAnId());
    MDouDong->setChecked(s.ShakeMarked());
    MMaxToolsBar->setChecked(s.LargeToolbarMarked());
    ApplyOffers();
    const auto direct = Qt::DirectConnection;
    connect(&s, &TimingSession::schemeNumberChanged, this, &MenuForm::ShowSchemeMarks, direct);
    connect(&s, &TimingSession::shakeMarkChanged, MDouDong, &QAction::setChecked, direct);
    connect(&s, &TimingSession::largeToolbarMarkChanged, MMaxToolsBar, &QAction::setChecked, direct);
    connect(&s, &TimingSession::phaseChanged, this, &MenuForm::SetPauseMenuCaption, direct);
    connect(&s, &TimingSession::offersChanged, this, &MenuForm::ApplyOffers, direct);
    // 下一位 also follows the programme, which may have changed since.
    connect(MypopMenu, &QMenu::aboutToShow, this, &MenuForm::ApplyOffers);
}

void MenuForm::RetranslateUi()
{
    Mabout->setText(tr("关于Horalto..."));
    MSetupMe->setText(tr("计时选项设置"));
    MHotKey->setText(tr("全局热键设置"));
    MAppInfo->setText(tr("修改程序信息"));
    MRecords->setText(tr("计时记录..."));
    MRemoteView->setText(tr("远程显示..."));
    MAdjust->setTitle(tr("调整时间"));
    const QList<QAction*> steps = MAdjust->actions();
    for (qsizetype i = 0; i < steps.size(); ++i)
        steps[i]->setText(AdjustStepCaption(kAdjustSteps[i]));
    MSpeakerMessage->setText(tr("给演讲者的消息..."));
    MProgramme->setText(tr("比赛名单..."));
    MNextSpeaker->setText(tr("下一位选手"));
    MDouDong->setText(tr("开启窗口抖动"));
    MMaxToolsBar->setText(tr("使用大工具条"));
    MFullScreenMonitor->setTitle(MonitorMenuTitle());
    MExitMe->setText(tr("退出Horalto"));
    MChinese->setChecked(UiLanguage() == Language::Chinese);
    MEnglish->setChecked(UiLanguage() == Language::English);
}

void MenuForm::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::LanguageChange)
        return;
    RetranslateUi();
    ShowHotKeyCaptions(session_.HotKeys, hotKeys_.Statuses());
}

void MenuForm::MLanguage_Click(Language language)
{
    commands_.Run(language == Language::English ? CommandId::EnglishLanguage : CommandId::ChineseLanguage, owner_);
    MChinese->setChecked(UiLanguage() == Language::Chinese);
    MEnglish->setChecked(UiLanguage() == Language::English);
}

void MenuForm::ShowSchemeMarks(int scheme)
{
    for (int i = 1; i <= 5; ++i)
        MJsFa[i]->setChecked(i == scheme);
}

void MenuForm::SetPauseMenuCaption()
{
    const int id = int(CommandId::PauseContinue);
    MJishiPause->setText(HotKeyCaption(id, session_.HotKeys, hotKeys_.Statuses(), session_.PauseWord()));
}

void MenuForm::ApplyOffers()
{
    // The programme's commands follow the windows' own ones, which have no item.
    for (int n = 1; n <= int(CommandId::NextSpeaker); ++n) {
        if (n > int(CommandId::RemoteView) && n < int(CommandId::Programme))
            continue;
        const CommandOffer offer = commands_.Offered(CommandId(n));
        QAction* item = CommandItem(CommandId(n));
        item->setVisible(offer.visible);
        item->setEnabled(offer.enabled);
    }
    for (const CommandId id : {CommandId::AdjustTime, CommandId::SpeakerMessage}) {
        const CommandOffer offer = commands_.Offered(id);
        CommandItem(id)->setVisible(offer.visible);
        CommandItem(id)->setEnabled(offer.enabled);
    }
    const CommandOffer sides = commands_.Offered(CommandId::SwitchSides);
    MSwitchSides->setVisible(sides.visible);
    MSwitchSides->setEnabled(sides.enabled);
}

QString MenuForm::AdjustStepCaption(int seconds)
{
    const QString sign = seconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    const int n = std::abs(seconds);
    return n % 60 == 0 ? tr("%1%2 分钟").arg(sign).arg(n / 60) : tr("%1%2 秒").arg(sign).arg(n);
}

MenuForm::~MenuForm() = default;

void MenuForm::ShowPopup(QWidget* owner, QPoint globalPos)
{
    owner_ = owner;
    ++popups_;
    MypopMenu->popup(globalPos);
}

void MenuForm::MJsFa_Click(int index) { commands_.Run(SchemeCommand(index), owner_); }
void MenuForm::MJishiStart_Click() { commands_.Run(CommandId::Start, owner_); }
void MenuForm::MJishiEnd_Click() { commands_.Run(CommandId::Reset, owner_); }
void MenuForm::MJishiPause_Click() { commands_.Run(CommandId::PauseContinue, owner_); }
void MenuForm::MMinME_Click() { commands_.Run(CommandId::ToolbarMode, owner_); }
void MenuForm::MMaxME_Click() { commands_.Run(CommandId::FullScreenMode, owner_); }
void MenuForm::MBacktoMain_Click() { commands_.Run(CommandId::BackToMain, owner_); }
void MenuForm::Mabout_Click() { commands_.Run(CommandId::About, owner_); }
void MenuForm::MSetupMe_Click() { commands_.Run(CommandId::Setup, owner_); }
void MenuForm::MHotKey_Click() { commands_.Run(CommandId::HotKeySetup, owner_); }

QAction* MenuForm::CommandItem(CommandId id) const
{
    if (const int scheme = SchemeOf(id))
        return MJsFa[scheme];
    switch (id) {
    case CommandId::Start: return MJishiStart;
    case CommandId::Reset: return MJishiEnd;
    case CommandId::ToolbarMode: return MMinME;
    case CommandId::FullScreenMode: return MMaxME;
    case CommandId::BackToMain: return MBacktoMain;
    case CommandId::PauseContinue: return MJishiPause;
    case CommandId::About: return Mabout;
    case CommandId::Setup: return MSetupMe;
    case CommandId::HotKeySetup: return MHotKey;
    case CommandId::AppInfo: return MAppInfo;
    case CommandId::Shake: return MDouDong;
    case CommandId::LargeToolbar: return MMaxToolsBar;
    case CommandId::Exit: return MExitMe;
    case CommandId::Records: return MRecords;
    case CommandId::RemoteView: return MRemoteView;
    case CommandId::Programme: return MProgramme;
    case CommandId::NextSpeaker: return MNextSpeaker;
    case CommandId::AdjustTime: return MAdjust->menuAction();
    case CommandId::SpeakerMessage: return MSpeakerMessage;
    case CommandId::SwitchSides: return MSwitchSides;
    default: return nullptr;
    }
}

void MenuForm::ShowHotKeyCaptions(const HotKeyTable& table, const HotKeyStatuses& statuses)
{
    for (int id = 1; id <= kHotKeyCommands; ++id)
        CommandItem(HotKeyCommand(id))->setText(HotKeyCaption(id, table, statuses, session_.PauseWord()));
}

void MenuForm::MAppInfo_Click() { commands_.Run(CommandId::AppInfo, owner_); }
void MenuForm::MDouDong_Click() { commands_.Run(CommandId::Shake, owner_); }
void MenuForm::MMaxToolsBar_Click() { commands_.Run(CommandId::LargeToolbar, owner_); }
void MenuForm::MExitMe_Click() { commands_.Run(CommandId::Exit, owner_); }

void MenuForm::FillMonitorMenu()
{
    MFullScreenMonitor->clear();
    for (const MonitorMenuItem& m : MonitorMenuItems(ConnectedMonitors(), ReadFullScreenMonitor(config_))) {
        QAction* a = MFullScreenMonitor->addAction(m.text);
        a->setCheckable(true);
        a->setChecked(m.checked);
        connect(a, &QAction::triggered, this, [this, name = m.name] { MonitorItem_Click(name); });
    }
}

void MenuForm::MonitorItem_Click(const QString& name)
{
    WriteFullScreenMonitor(config_, name);
    commands_.Run(CommandId::FullScreenToMonitor, owner_);
}
