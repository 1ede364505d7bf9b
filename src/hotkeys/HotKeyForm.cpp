#include "hotkeys/HotKeyForm.h"

#include "config/ConfigKeys.h"
#include "config/ConfigFile.h"
#include "core/TimingSession.h"
#include "core/Language.h"
#include "core/Twips.h"
#include "hotkeys/FocusOnlyNote.h"
#include "hotkeys/HotKeys.h"
#include "hotkeys/KeyNames.h"
#include "platform/desktop/Dialogs.h"
#include "platform/hotkeys/Hotkeys.h"
#include "platform/hotkeys/KeyEvents.h"
#include "windows/Control.h"
#include "windows/Look.h"

#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

HotKeyBox::HotKeyBox(QWidget* parent) : QLineEdit(parent)
{
    // Read-only keeps out pasting (menu, middle button), dropping and input methods; the key
    // handlers below still get every key.
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void HotKeyBox::keyPressEvent(QKeyEvent* e)
{
    // A combination the stored form cannot hold (AltGr, Super, a dead key) is an unnamed key.
    int keyCode = StorableKey(*e) ? VirtualKeyOf(*e) : 0;
    if (KeyDown)
        KeyDown(keyCode, ShiftStateOf(*e));
    if (!e->text().isEmpty() && e->text()[0].isPrint() && KeyPress) {
        int keyAscii = e->text()[0].unicode();
        KeyPress(keyAscii); // the box itself never takes the character
    }
    e->accept(); // Enter and Esc stay here: they neither press a button nor close the dialog
}

void HotKeyBox::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    if (e->isAutoRepeat()) // a held key is one press
        return;
    if (IsDeadKey(*e) && KeyDown) { // its press may have gone to the input method
        int unnamed = 0;
        KeyDown(unnamed, ShiftStateOf(*e));
    }
    int keyCode = VirtualKeyOf(*e);
    if (KeyUp)
        KeyUp(keyCode, ShiftStateOf(*e));
}

void HotKeyBox::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (LostFocus)
        LostFocus();
}

namespace {
const char* const kRowCaptions[14] = {
    "",
    QT_TRANSLATE_NOOP("HotKeyForm", "开始计时"),
    QT_TRANSLATE_NOOP("HotKeyForm", "复位计时器"),
    QT_TRANSLATE_NOOP("HotKeyForm", "工具条模式"),
    QT_TRANSLATE_NOOP("HotKeyForm", "全屏幕模式"),
    QT_TRANSLATE_NOOP("HotKeyForm", "返回主界面"),
    QT_TRANSLATE_NOOP("HotKeyForm", "暂停计时"),
    QT_TRANSLATE_NOOP("HotKeyForm", "计时方案1"),
    QT_TRANSLATE_NOOP("HotKeyForm", "计时方案2"),
    QT_TRANSLATE_NOOP("HotKeyForm", "计时方案3"),
    QT_TRANSLATE_NOOP("HotKeyForm", "计时方案4"),
    QT_TRANSLATE_NOOP("HotKeyForm", "计时方案5"),
    QT_TRANSLATE_NOOP("HotKeyForm", "下一位"),
    QT_TRANSLATE_NOOP("HotKeyForm", "换方"),
};
// The rows of the earlier versions; the dialog grows by a row for 下一位 and one for 换方.
constexpr int kFirstRows = 11;
constexpr int kRowPitch = 490;
constexpr int kGrown = kRowPitch * (kHotKeyCommands - kFirstRows);

const char* const kInstruction = QT_TRANSLATE_NOOP("HotKeyForm", "请在键盘上按相应的键进行设置，按BackSpace（退格）键，取消设定！");
const QColor kSharedRow(0xFF, 0xC0, 0xC0);

void SetTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}
} // namespace

HotKeyForm::HotKeyForm(TimingSession& session, const ConfigFile& config, HotKeys& hotKeys, HotkeyService& service,
                       Dialogs& dialogs, QWidget* owner)
    : FramedDialog(owner, 6270, 7140 + kGrown, QString(), QStringLiteral("hotkey"))
    , session_(session)
    , config_(config)
    , hotKeys_(hotKeys)
    , service_(service)
    , dialogs_(dialogs)
{
    Label15 = CaptionLabel;

    Label2 = new QLabel(this);
    Label2->setGeometry(TwipsRect(240, 540, 5775, 375));
    Label2->setWordWrap(true);
    SetTextColor(Label2, QColor(0xFF, 0x80, 0x80));

    const QFont rowFont = look::DesignFont(look::SimSunFamilies(), 12, true);
    for (int n = 1; n <= kHotKeyCommands; ++n) {
        QLabel* caption = new QLabel(this);
        caption->setFont(rowFont);
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        SetTextColor(caption, QColor(0xE8, 0xEE, 0xF8));
        Label1[n] = caption;
    }
    for (int n = 1; n <= kHotKeyCommands; ++n) {
        HotKeyBox* box = new HotKeyBox(this);
        box->setFont(rowFont);
        box->KeyDown = [this, n](int& keyCode, int shift) { Text1_KeyDown(n, keyCode, shift); };
        box->KeyPress = [this, n](int& keyAscii) { Text1_KeyPress(n, keyAscii); };
        box->KeyUp = [this, n](int& keyCode, int shift) {
            if (keyDown_[n]) // not the release of a key pressed before the dialog opened
                Text1_KeyUp(n, keyCode, shift);
        };
        box->LostFocus = [this, n] {
            // A box left while its key is still down (the mouse clicked elsewhere) settles as
            // the release would have settled it, so what it shows is what the table holds.
            if (keyDown_[n]) {
                int none = 0;
                Text1_KeyUp(n, none, 0);
            }
        };
        Text1[n] = box;
    }

    Command1 = new QPushButton(this);
    Command1->setGeometry(TwipsRect(3150, 6570 + kGrown, 1185, 405));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Command2 = new QPushButton(this);
    Command2->setGeometry(TwipsRect(4680, 6570 + kGrown, 1185, 405));
    Command2->setAutoDefault(false);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    Command3 = new QPushButton(this);
    Command3->setAutoDefault(false);
    Command3->hide();
    connect(Command3, &QPushButton::clicked, this, [this] { service_.configure(winId()); });
    Command4 = new QPushButton(this);
    Command4->setAutoDefault(false);
    Command4->hide();
    connect(Command4, &QPushButton::clicked, this, [this] {
        service_.setDesktopKeys(!service_.desktopKeysOn());
        ShowStatuses();
    });
    RetranslateUi();
}

void HotKeyForm::RetranslateUi()
{
    SetCaption(tr("全局快捷键设置"));
    // The English row captions are longer: their column is wider, the boxes narrower.
    const bool english = UiLanguage() == Language::English;
    const int boxLeft = english ? 2040 : 1650;
    for (int n = 1; n <= kHotKeyCommands; ++n) {
        Label1[n]->setText(tr(kRowCaptions[n]));
        Label1[n]->setGeometry(TwipsRect(150, 1080 + 489 * (n - 1), boxLeft - 285, 345));
        Text1[n]->setGeometry(TwipsRect(boxLeft, 1020 + 490 * (n - 1), 5865 - boxLeft, 360));
    }
    Command1->setText(tr("保存设置"));
    Command2->setText(tr("取消退出"));
    Command3->setText(tr("桌面设置"));
    Command3->setGeometry(english ? TwipsRect(1290, 6570 + kGrown, 1710, 405)
                                  : TwipsRect(1620, 6570 + kGrown, 1185, 405));
    Command4->setGeometry(TwipsRect(150, 6570 + kGrown, 2850, 405));
    // One line: a stand-in face wider than the design face draws a pixel smaller.
    QFont small = font();
    while (QFontMetrics(small).horizontalAdvance(tr(kInstruction)) > Label2->width() && small.pixelSize() > 10)
        small.setPixelSize(small.pixelSize() - 1);
    Label2->setFont(small);
    Label2->setText(tr(kInstruction));
    if (loaded_)
        ShowStatuses();
}

void HotKeyForm::Form_Load()
{
    PlaceOnScreen();
    HotKeys& keys = hotKeys_;
    keys.UnregisterAll();
    keys.LoadHotKeys();
    loaded_ = true;
    ShowStatuses();
    keys.StatusesChanged = [this] { ShowStatuses(); };
    Text1[1]->setFocus();
}

void HotKeyForm::ShowStatuses()
{
    const HotKeyStatuses& statuses = hotKeys_.Statuses();
    for (int n = 1; n <= kHotKeyCommands; ++n)
        if (!keyDown_[n])
            Text1[n]->setText(HotKeyText(n, session_.HotKeys, statuses));
    // The keys that another program held at the latest registration, or that the hotkeys act
    // only while Horalto has the focus, on a second line.
    QString second = RefusedKeysNote(session_.HotKeys, statuses);
    if (second.isEmpty())
        second = FocusOnlyNote::Text(service_);
    Label2->setText(second.isEmpty() ? tr(kInstruction) : tr(kInstruction) + u'\n' + second);
    Label2->setGeometry(second.isEmpty() ? TwipsRect(240, 540, 5775, 375) : TwipsRect(240, 480, 5775, 510));
    Command3->setVisible(service_.canConfigure());
    Command4->setText(service_.desktopKeysOn() ? tr("取消桌面快捷键") : tr("设为桌面快捷键"));
    Command4->setVisible(service_.desktopKeysOffered());
}

void HotKeyForm::Text1_KeyDown(int index, int& keyCode, int shift)
{
    HotKeyRecord& row = session_.HotKeys[index];
    const QString name = KeyName(keyCode);
    const ModifierCombination mods = ModifierCombinationOf(shift);
    QString text = mods.prefix + name;
    row.SetA = mods.setA;
    row.SetB = QString::number(keyCode);
    if (name == kNotSet)
        text = kNotSet;
    Text1[index]->setText(text);
    keyDown_[index] = true;
    pressed_ = true;
}

void HotKeyForm::Text1_KeyPress(int, int& keyAscii)
{
    keyAscii = 0;
}

void HotKeyForm::Text1_KeyUp(int index, int& keyCode, int)
{
    keyDown_[index] = false;
    const QString text = Text1[index]->text();
    if (text.endsWith(u'+') || text.isEmpty())
        Text1[index]->setText(kNotSet);
    session_.HotKeys[index].Desc = Text1[index]->text();
    keyCode = 0;
    if (marking_)
        MarkSharedRows();
}

void HotKeyForm::Command1_Click()
{
    const HotKeyTable& table = session_.HotKeys;
    // One combination can act for one row only: rows that share one are named, and nothing is
    // saved until they differ.
    const std::vector<std::vector<int>> shared = SharedCombinations(table);
    if (!shared.empty()) {
        marking_ = true;
        MarkSharedRows();
        QStringList groups;
        for (const std::vector<int>& ids : shared) {
            QStringList rows;
            for (int id : ids)
                rows << tr(kRowCaptions[id]);
            groups << tr("%1：%2").arg(rows.join(tr("、")), table[ids.front()].Desc);
        }
        dialogs_.warning(this, QStringLiteral("Horalto"),
                                 tr("下列各行设置了相同的热键，请修改后再保存：\n") + groups.join(u'\n'));
        return;
    }
    ConfigFile::SaveBatch save(config_); // every hotkey in one write, or none
    for (int n = 1; n <= kHotKeyCommands; ++n) {
        const QString id = QString::number(n);
        // 下一位 and 换方 go into the file only once set (or the file has them already).
        if (n > kFirstRows && table[n].Desc == kNotSet &&
            !config_.PeekIniText(IniSection::COMMSET, IniKey::HotKeyDesc + id))
            continue;
        config_.WriteIniText(IniSection::COMMSET, IniKey::HotKeySetA + id, table[n].SetA);
        config_.WriteIniText(IniSection::COMMSET, IniKey::HotKeySetB + id, table[n].SetB);
        config_.WriteIniText(IniSection::COMMSET, IniKey::HotKeyDesc + id, table[n].Desc);
    }
    if (!save.commit()) {
        dialogs_.warning(this, QStringLiteral("Horalto"),
                                 tr("全局热键设置没有保存：无法写入配置文件\n%1")
                                     .arg(QDir::toNativeSeparators(config_.ConfigFilePath())));
        return;
    }
    if (pressed_) // a desktop that binds the keys itself is asked again for the keys pressed
        service_.proposeAgain();
    accept();
}

void HotKeyForm::MarkSharedRows()
{
    marked_.fill(false);
    for (const std::vector<int>& ids : SharedCombinations(session_.HotKeys))
        for (int id : ids)
            marked_[id] = true;
    for (int n = 1; n <= kHotKeyCommands; ++n) {
        QPalette p = Text1[n]->palette();
        p.setColor(QPalette::Base, marked_[n] ? kSharedRow : palette().color(QPalette::Base));
        Text1[n]->setPalette(p);
    }
}

void HotKeyForm::Command2_Click()
{
    reject();
}

void HotKeyForm::Form_Unload()
{
    HotKeys& keys = hotKeys_;
    keys.StatusesChanged = nullptr;
    keys.LoadHotKeys();
    keys.RegisterHotKeysAfterDialog();
}
