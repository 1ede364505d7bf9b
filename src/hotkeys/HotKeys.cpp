#include "hotkeys/HotKeys.h"

#include "config/ConfigKeys.h"
#include "config/ConfigFile.h"
#include "core/App.h"
#include "menu/MenuForm.h"

#include <QAction>

namespace {
struct HotKeyDefault {
    const char* setB;
    const char* desc;
    const char* label; // the menu item's plain label
};
// Ids 1..11: start, reset, toolbar, full screen, main window, pause, schemes 1..5.
const HotKeyDefault kDefaults[12] = {
    {"", "", ""},
    {"116", "F5", "计时"},
    {"117", "F6", "复位"},
    {"118", "F7", "工具条模式"},
    {"119", "F8", "全屏幕模式"},
    {"120", "F9", "返回主界面"},
    {"19", "Pause", "暂停"},
    {"97", "Num1", "计时方案一"},
    {"98", "Num2", "计时方案二"},
    {"99", "Num3", "计时方案三"},
    {"100", "Num4", "计时方案四"},
    {"101", "Num5", "计时方案五"},
};

// The label filled with ideographic spaces to seven characters.
QString Filled(const QString& label)
{
    return label + QString(7 - label.size(), QChar(0x3000));
}

int ModifierBits(const QString& text)
{
    if (text == "Alt") return 1;
    if (text == "Ctrl") return 2;
    if (text == "Ctrl+Alt") return 3;
    if (text == "Shift") return 4;
    if (text == "Shift+Alt") return 5;
    if (text == "Shift+Ctrl" || text == "Ctrl+Shift") return 6;
    if (text == "Shift+Ctrl+Alt" || text == "Ctrl+Alt+Shift") return 7;
    return 0;
}

// A whole decimal number that fits 16 bits; throws ConfigError otherwise.
int KeyCode16(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok || v < -32768 || v > 32767)
        throw ConfigError("hotkey code");
    return v;
}

// The leading decimal number of a text, 0 when there is none.
int LeadingNumber(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    return i == 0 ? 0 : text.left(std::min(i, 5)).toInt();
}
} // namespace

HotKeys::HotKeys(App& app) : app_(app) {}

HotKeys::~HotKeys()
{
    if (installed_)
        app_.svc.hotkeys.setPressHandler(nullptr);
}

QAction* HotKeys::MenuItem(int id)
{
    MenuForm& menu = app_.menuForm();
    switch (id) {
    case 1: return menu.MJishiStart;
    case 2: return menu.MJishiEnd;
    case 3: return menu.MMinME;
    case 4: return menu.MMaxME;
    case 5: return menu.MBacktoMain;
    case 6: return menu.MJishiPause;
    default: return (id >= 7 && id <= 11) ? menu.MJsFa[id - 6] : nullptr;
    }
}

void HotKeys::LoadHotKeys()
{
    HotKeyTable& table = app_.module.HotKeys;
    for (int id = 1; id <= 11; ++id) {
        const QString n = QString::number(id);
        table[id].SetA = app_.config.ReadIniText(IniSection::COMMSET, IniKey::HotKeySetA + n, "");
        table[id].SetB = app_.config.ReadIniText(IniSection::COMMSET, IniKey::HotKeySetB + n, kDefaults[id].setB);
        table[id].Desc = app_.config.ReadIniText(IniSection::COMMSET, IniKey::HotKeyDesc + n, kDefaults[id].desc);
    }
}

void HotKeys::RegisterHotKeys()
{
    RegisterAll(/*tolerant=*/false);
}

void HotKeys::RegisterHotKeysAfterDialog()
{
    RegisterAll(/*tolerant=*/true);
}

void HotKeys::RegisterAll(bool tolerant)
{
    const HotKeyTable& table = app_.module.HotKeys;
    for (int id = 1; id <= 11; ++id) {
        if (table[id].Desc == kNotSet)
            continue;
        try {
            SetHotKey(id, table[id].SetA + "," + table[id].SetB, "Add");
        } catch (const ConfigError&) {
            if (!tolerant)
                throw;
            // After a dialog a key code that does not convert leaves that one hotkey unregistered.
        }
    }
    for (int id = 1; id <= 11; ++id)
        MenuItem(id)->setText(Filled(kDefaults[id].label) + table[id].Desc);
    for (int id = 1; id <= 11; ++id)
        if (table[id].Desc == kNotSet)
            MenuItem(id)->setText(kDefaults[id].label);
}

void HotKeys::SetHotKey(int id, const QString& keyText, const QString& action)
{
    QString modifiers;
    int keyCode = 0;
    const int comma = keyText.indexOf(u',');
    if (comma >= 0) {
        modifiers = keyText.left(comma);
        keyCode = KeyCode16(keyText.mid(comma + 1));
    } else {
        keyCode = LeadingNumber(keyText);
    }
    HotKeyId = 0;
    HotKeyModifiers = 0;
    HotKeyVk = 0;
    if (!installed_) {
        app_.svc.hotkeys.setPressHandler([this](int pressed) { HotKeyWndProc(pressed); });
        installed_ = true;
    }
    HotKeyId = id;
    if (action == "Add") {
        HotKeyModifiers = ModifierBits(modifiers);
        HotKeyVk = keyCode;
        app_.svc.hotkeys.registerKey(HotKeyId, HotKeyModifiers, HotKeyVk);
    } else if (action == "Del") {
        app_.svc.hotkeys.setPressHandler(nullptr);
        installed_ = false;
        app_.svc.hotkeys.unregisterKey(HotKeyId);
    }
}

void HotKeys::UnregisterAll()
{
    for (int id = 1; id <= 11; ++id)
        SetHotKey(id, QString(), "Del");
}

void HotKeys::HotKeyWndProc(int id)
{
    if (id < 1 || id > 11)
        return;
    QAction* item = MenuItem(id);
    const bool visible = item->isVisible();
    const bool enabled = item->isEnabled();
    if (!visible || !enabled)
        return;
    MenuForm& menu = app_.menuForm();
    switch (id) {
    case 1: menu.MJishiStart_Click(); break;
    case 2: menu.MJishiEnd_Click(); break;
    case 3: menu.MMinME_Click(); break;
    case 4: menu.MMaxME_Click(); break;
    case 5: menu.MBacktoMain_Click(); break;
    case 6: menu.MJishiPause_Click(); break;
    default: menu.MJsFa_Click(id - 6); break;
    }
}
