#include "hotkeys/HotKeys.h"

#include "config/ConfigKeys.h"
#include "config/ConfigFile.h"
#include "core/Commands.h"
#include "core/TimingSession.h"
#include "platform/hotkeys/Hotkeys.h"

namespace {
struct HotKeyDefault {
    const char* setB;
    const char* desc;
};
// Ids 1..11: start, reset, toolbar, full screen, main window, pause, schemes 1..5; 12: 下一位; 13: 换方.
const HotKeyDefault kDefaults[14] = {
    {"", ""},
    {"116", "F5"},
    {"117", "F6"},
    {"118", "F7"},
    {"119", "F8"},
    {"120", "F9"},
    {"19", "Pause"},
    {"97", "Num1"},
    {"98", "Num2"},
    {"99", "Num3"},
    {"100", "Num4"},
    {"101", "Num5"},
    {"", "NotSet"}, // 下一位: off until set
    {"", "NotSet"}, // 换方: off until set
};
// The rows whose keys a file of the earlier versions has: written as defaults when missing.
constexpr int kFirstHotKeyRows = 11;
} // namespace

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

namespace {
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

std::vector<std::vector<int>> SharedCombinations(const HotKeyTable& table)
{
    std::vector<std::vector<int>> shared;
    std::vector<bool> grouped(kHotKeyCommands + 1, false);
    auto combination = [&table](int id) {
        bool ok = false;
        const int code = table[id].SetB.trimmed().toInt(&ok, 10);
        return std::pair{ModifierBits(table[id].SetA), ok ? code : -1 - id}; // a bad code matches none
    };
    for (int id = 1; id <= kHotKeyCommands; ++id) {
        if (grouped[id] || table[id].Desc == kNotSet)
            continue;
        std::vector<int> ids{id};
        for (int other = id + 1; other <= kHotKeyCommands; ++other)
            if (table[other].Desc != kNotSet && combination(other) == combination(id)) {
                ids.push_back(other);
                grouped[other] = true;
            }
        if (ids.size() > 1)
            shared.push_back(std::move(ids));
    }
    return shared;
}

HotKeyTable PeekHotKeyTable(const ConfigFile& config)
{
    HotKeyTable table;
    for (int id = 1; id <= kHotKeyCommands; ++id) {
        const QString n = QString::number(id);
        auto peek = [&](const QString& key, const char* fallback) {
            const std::optional<QString> v = config.PeekIniText(IniSection::COMMSET, key);
            return v && !v->isEmpty() ? *v : QString::fromLatin1(fallback);
        };
        table[id].SetA = peek(IniKey::HotKeySetA + n, "");
        table[id].SetB = peek(IniKey::HotKeySetB + n, kDefaults[id].setB);
        table[id].Desc = peek(IniKey::HotKeyDesc + n, kDefaults[id].desc);
    }
    return table;
}

HotKeys::HotKeys(TimingSession& session, Commands& commands, const ConfigFile& config, HotkeyService& service)
    : session_(session), commands_(commands), config_(config), service_(service)
{
    service_.setChangeHandler([this] { ServiceChanged(); });
}

HotKeys::~HotKeys()
{
    service_.setChangeHandler(nullptr);
    if (installed_)
        service_.setPressHandler(nullptr);
}

void HotKeys::LoadHotKeys()
{
    HotKeyTable& table = session_.HotKeys;
    for (int id = 1; id <= kHotKeyCommands; ++id) {
        const QString n = QString::number(id);
        // A later row is only looked at: a file without it stays as it is.
        auto read = [&](const QString& key, const char* fallback) {
            if (id <= kFirstHotKeyRows)
                return config_.ReadIniText(IniSection::COMMSET, key, fallback);
            return config_.PeekIniText(IniSection::COMMSET, key).value_or(QString::fromLatin1(fallback));
        };
        table[id].SetA = read(IniKey::HotKeySetA + n, "");
        table[id].SetB = read(IniKey::HotKeySetB + n, kDefaults[id].setB);
        table[id].Desc = read(IniKey::HotKeyDesc + n, kDefaults[id].desc);
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
    held_ = false;
    const HotKeyTable& table = session_.HotKeys;
    // A key that a lower id of the table shares is refused for that id's sake: held by another
    // program only when the lower id's was.
    std::array<int, kHotKeyCommands + 1> firstOfShared{};
    for (const std::vector<int>& ids : SharedCombinations(table))
        for (std::size_t k = 1; k < ids.size(); ++k)
            firstOfShared[ids[k]] = ids.front();
    for (int id = 1; id <= kHotKeyCommands; ++id) {
        statuses_[id] = {};
        if (table[id].Desc == kNotSet)
            continue;
        try {
            const QString key = table[id].SetA + "," + table[id].SetB;
            const bool taken = SetHotKey(id, key, "Add");
            const int first = firstOfShared[id];
            statuses_[id] = {key, !taken && (first ? statuses_[first].refused : true), service_.boundKey(id)};
        } catch (const ConfigError&) {
            if (!tolerant)
                throw;
            // After a dialog a key code that does not convert leaves that one hotkey unregistered.
        }
    }
    commands_.Run(CommandId::HotKeyCaptions);
}

bool HotKeys::SetHotKey(int id, const QString& keyText, const QString& action)
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
        service_.setPressHandler([this](int pressed) { HotKeyWndProc(pressed); });
        installed_ = true;
    }
    HotKeyId = id;
    if (action == "Add") {
        HotKeyModifiers = ModifierBits(modifiers);
        HotKeyVk = keyCode;
        return service_.registerKey(HotKeyId, HotKeyModifiers, HotKeyVk);
    }
    if (action == "Del") {
        service_.setPressHandler(nullptr);
        installed_ = false;
        service_.unregisterKey(HotKeyId);
    }
    return false;
}

void HotKeys::UnregisterAll()
{
    for (int id = 1; id <= kHotKeyCommands; ++id) {
        // 下一位 and 换方 are released only where they were set or registered.
        if (id > kFirstHotKeyRows && session_.HotKeys[id].Desc == kNotSet && statuses_[id].key.isEmpty())
            continue;
        SetHotKey(id, QString(), "Del");
    }
    held_ = true;
}

void HotKeys::ServiceChanged()
{
    if (held_) {
        for (int id = 1; id <= kHotKeyCommands; ++id)
            if (!statuses_[id].key.isEmpty())
                statuses_[id].bound = service_.boundKey(id);
        commands_.Run(CommandId::HotKeyCaptions);
    } else {
        RegisterAll(/*tolerant=*/true);
    }
    if (StatusesChanged)
        StatusesChanged();
}

void HotKeys::HotKeyWndProc(int id)
{
    if (id < 1 || id > kHotKeyCommands)
        return;
    // The key does what its command's menu item would do, and only when the command is offered.
    commands_.RunOffered(HotKeyCommand(id));
}
