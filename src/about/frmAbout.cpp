#include "about/frmAbout.h"

#include "core/TimeText.h"
#include "core/Twips.h"
#include "hotkeys/HotKeys.h"
#include "platform/desktop/Dialogs.h"
#include "platform/desktop/ProgramStarter.h"
#include "windows/Control.h"
#include "windows/Look.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
const QString kAppTitle = QStringLiteral("Horalto");

QLabel* Text(QWidget* parent, const QString& text, int left, int top, double points, bool bold, const QColor& color)
{
    auto* l = new QLabel(text, parent);
    l->setFont(look::DesignFont(look::SimSunFamilies(), points, bold));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    l->move(Twips(left), Twips(top));
    l->adjustSize();
    return l;
}

void Rule(QWidget* parent, int top)
{
    auto* line = new QFrame(parent);
    line->setGeometry(TwipsRect(300, top, 6000, 30));
    line->setStyleSheet(QStringLiteral("background: #35598f;"));
}
} // namespace

const QStringList frmAbout::kSysInfoPrograms = {
    QStringLiteral("hardinfo2"),   QStringLiteral("hardinfo"),   QStringLiteral("kinfocenter"),
    QStringLiteral("gnome-system-monitor"), QStringLiteral("mate-system-monitor"), QStringLiteral("xfce4-taskmanager"),
};

frmAbout::frmAbout(HotKeys& hotKeys, ProgramStarter& programs, Dialogs& dialogs, QWidget* owner)
    : FramedDialog(owner, 6600, 4800, QString(), QStringLiteral("about"))
    , hotKeys_(hotKeys)
    , programs_(programs)
    , dialogs_(dialogs)
{
    Label5 = CaptionLabel;
    const QColor light(0xE8, 0xEE, 0xF8), soft(0xB4, 0xC4, 0xDE), gold(0xFF, 0xD8, 0x70);

    Image4 = new QLabel(this);
    Image4->setGeometry(TwipsRect(360, 630, 960, 960));
    Image4->setPixmap(QPixmap(QStringLiteral(":/images/about_picture.png")));

    lblTitle = Text(this, kAppTitle, 1560, 570, 20, true, gold);
    lblVersion = Text(this, QString(), 1560, 1110, 10.5, false, soft);
    lblDescription = Text(this, QString(), 1560, 1410, 10.5, false, light);
    Rule(this, 1860);
    Label1 = Text(this, QString(), 360, 2010, 10.5, false, light);
    Label2 = Text(this, QString(), 360, 2370, 10.5, true, gold);
    Label3 = Text(this, QString(), 660, 2670, 9, false, soft);
    Label4 = Text(this, QString(), 660, 2940, 9, false, soft);
    Label6 = Text(this, QString(), 360, 3270, 10.5, false, light);
    Rule(this, 3660);
    lblDisclaimer = Text(this, QString(), 360, 3780, 9, false, soft);

    cmdSysInfo = new QPushButton(this);
    cmdSysInfo->setGeometry(TwipsRect(3300, 4200, 1560, 405));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
    cmdOK = new QPushButton(this);
    cmdOK->setGeometry(TwipsRect(4980, 4200, 1320, 405));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    RetranslateUi();
}

void frmAbout::RetranslateUi()
{
    SetCaption(tr("关于Horalto"));
    const std::pair<QLabel*, QString> texts[] = {
        {lblDescription, tr("倒计时软件，可用于一般的演讲比赛等场合。")},
        {Label1, tr("程序设计：Horalto 开发组")},
        {Label2, tr("致  谢")},
        {Label3, tr("感谢各位演讲比赛的组织者和计时员提出的宝贵意见，")},
        {Label4, tr("感谢所有试用本软件并报告问题的朋友。")},
        {Label6, tr("谨以此软件献给每一位站上讲台的演讲者。")},
        {lblDisclaimer, tr("本软件可以免费使用和复制，使用中的风险由使用者自行承担。")},
    };
    for (const auto& [label, text] : texts) {
        label->setText(text);
        label->adjustSize();
    }
    cmdSysInfo->setText(tr("系统信息(&S)..."));
    cmdOK->setText(tr("确    定"));
    if (!lblVersion->text().isEmpty())
        ShowTitleAndVersion();
}

void frmAbout::ShowTitleAndVersion()
{
    setWindowTitle(tr("关于 %1").arg(kAppTitle));
    lblVersion->setText(tr("版本 %1").arg(ProgramVersion()));
    lblVersion->adjustSize();
}

void frmAbout::Form_Load()
{
    hotKeys_.UnregisterAll();
    ShowTitleAndVersion();
    lblTitle->setText(kAppTitle);
    PlaceOnScreen();
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    for (const QString& name : kSysInfoPrograms) {
        const QString path = programs_.findOnPath(name);
        if (path.isEmpty())
            continue;
        if (programs_.startDetached(path, {}))
            return;
        break; // found but would not start
    }
    dialogs_.information(this, kAppTitle, tr("此时系统信息不可用"));
}

void frmAbout::Form_Unload()
{
    HotKeys& keys = hotKeys_;
    keys.LoadHotKeys();
    keys.RegisterHotKeysAfterDialog();
}
