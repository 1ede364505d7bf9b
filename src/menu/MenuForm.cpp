#include "menu/MenuForm.h"

#include "config/ConfigKeys.h"
#include "config/ConfigFile.h"
#include "core/App.h"
#include "core/Colors.h"
#include "core/MainModule.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QMenu>

MenuForm::MenuForm(App& app) : QWidget(nullptr, Qt::Window), app_(app)
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
        MJsFa[i] = item(QStringLiteral("计时方案%1").arg(i), [this, i] { MJsFa_Click(i); }, true);
    MypopMenu->addSeparator(); // fg0
    MJishiStart = item(QStringLiteral("计时"), [this] { MJishiStart_Click(); });
    MJishiEnd = item(QStringLiteral("复位"), [this] { MJishiEnd_Click(); });
    MJishiPause = item(QStringLiteral("暂停"), [this] { MJishiPause_Click(); });
    MypopMenu->addSeparator(); // fg1
    MMinME = item(QStringLiteral("工具条模式"), [this] { MMinME_Click(); });
    MMaxME = item(QStringLiteral("全屏幕模式"), [this] { MMaxME_Click(); });
    MBacktoMain = item(QStringLiteral("返回主界面"), [this] { MBacktoMain_Click(); });
    MBacktoMain->setVisible(false);
    MypopMenu->addSeparator(); // fg2
    Mabout = item(QStringLiteral("关于Horalto..."), [this] { Mabout_Click(); });
    MSetupMe = item(QStringLiteral("计时选项设置"), [this] { MSetupMe_Click(); });
    MHotKey = item(QStringLiteral("全局热键设置"), [this] { MHotKey_Click(); });
    MAppInfo = item(QStringLiteral("修改程序信息"), [this] { MAppInfo_Click(); });
    MypopMenu->addSeparator(); // fg4
    MDouDong = item(QStringLiteral("开启窗口抖动"), [this] { MDouDong_Click(); }, true);
    MMaxToolsBar = item(QStringLiteral("使用大工具条"), [this] { MMaxToolsBar_Click(); }, true);
    MypopMenu->addSeparator(); // fg3
    MExitMe = item(QStringLiteral("退出Horalto"), [this] { MExitMe_Click(); });
}

MenuForm::~MenuForm() = default;

void MenuForm::ShowPopup(QWidget* owner, QPoint globalPos)
{
    owner_ = owner;
    ++popups_;
    MypopMenu->popup(globalPos);
}

void MenuForm::MJsFa_Click(int index)
{
    MainModule& m = app_.module;
    for (int i = 1; i <= 5; ++i)
        MJsFa[i]->setChecked(false);
    MJsFa[index]->setChecked(true);
    // The chosen scheme is the one in effect whether or not its number could be stored (a
    // locked file, a full disk): check mark, title and loaded scheme agree.
    m.FangAnId = std::int16_t(index);
    app_.config.WriteIniText(IniSection::FangAnSelect, IniKey::JsFangAnId, QString::number(index));
    ConfigFile::DefaultsBatch defaults(app_.config); // one write for the scheme's defaults
    try {
        m.ShowSchemeTitle();
        m.LoadCurrentSchemeIntoWindows(false);
    } catch (const ConfigError&) {
        defaults.commit();
        m.StartupConfigError();
    }
}

void MenuForm::MJishiStart_Click() { app_.mainForm().JishiStart_Click(); }
void MenuForm::MJishiEnd_Click() { app_.mainForm().JishiEnd_Click(); }
void MenuForm::MJishiPause_Click() { app_.mainForm().JishiPause_Click(); }
void MenuForm::MMinME_Click() { app_.mainForm().MinMe_Click(); }
void MenuForm::MMaxME_Click() { app_.mainForm().MaxMe_Click(); }
void MenuForm::MBacktoMain_Click() { app_.module.EnterMainMode(); }
void MenuForm::Mabout_Click() { app_.ShowAboutBox(owner_); }
void MenuForm::MSetupMe_Click() { app_.ShowOptionForm(owner_); }
void MenuForm::MHotKey_Click() { app_.ShowHotKeyForm(owner_); }

void MenuForm::MAppInfo_Click()
{
    const std::optional<QString> answer = app_.svc.dialogs.inputText(
        owner_, QStringLiteral("Horalto"), QStringLiteral("请在输入需要在全屏状态下显示的程序信息！"), DefaultInfoText());
    QString text = answer.value_or(QString());
    if (text.isEmpty())
        text = DefaultInfoText();
    app_.config.WriteIniText(IniSection::InfoTxtSet, IniKey::ShowinfoTxt, text.trimmed());
    app_.fullScreenForm().Label2->setText(app_.config.ReadIniText(IniSection::InfoTxtSet, IniKey::ShowinfoTxt, DefaultInfoText()));
}

// The check mark of a per-scheme switch shows the value in effect, which is the stored one:
// after a write that failed it shows the value that stayed.
static bool StoredYes(const ConfigFile& config, const QString& section, const QString& key)
{
    return config.PeekIniText(section, key).value_or(QStringLiteral("No")) == QStringLiteral("Yes");
}

void MenuForm::MDouDong_Click()
{
    const QString section = app_.module.Section(IniSection::COMMSET);
    MDouDong->setChecked(!MDouDong->isChecked());
    if (!app_.config.WriteIniText(section, IniKey::DouDong, MDouDong->isChecked() ? "Yes" : "No"))
        MDouDong->setChecked(StoredYes(app_.config, section, IniKey::DouDong));
}

void MenuForm::MMaxToolsBar_Click()
{
    MainModule& m = app_.module;
    MMaxToolsBar->setChecked(!MMaxToolsBar->isChecked());
    if (!app_.config.WriteIniText(m.Section(IniSection::COMMSET), IniKey::MaxToolsBar, MMaxToolsBar->isChecked() ? "Yes" : "No"))
        MMaxToolsBar->setChecked(StoredYes(app_.config, m.Section(IniSection::COMMSET), IniKey::MaxToolsBar));
    if (app_.toolsBarForm().isVisible() || app_.toolsBarFormMax().isVisible())
        m.ShowChosenToolbar();
    // A colour that is not a number leaves the toolbar counters as they are.
    if (const auto c = ParseBgr(app_.config.ReadIniText(m.Section(IniSection::ColorSet), IniKey::ToolsBar, "65535"))) {
        SetForeColor(app_.toolsBarForm().Showtime, *c);
        SetForeColor(app_.toolsBarFormMax().Showtime, *c);
    }
}

void MenuForm::MExitMe_Click() { app_.Unload(); }
