#include "hotkeys/DesktopKeys.h"

#ifndef _WIN32
#include <xkbcommon/xkbcommon.h>
#endif

#include <QRegularExpression>

#include <algorithm>

namespace {
struct AcceleratorModifier {
    const char* name;
    int bit;
};
// In the order GNOME writes them; later names are read as well.
constexpr AcceleratorModifier kModifiers[] = {{"Primary", 2}, {"Alt", 1},   {"Shift", 4}, {"Super", 8},
                                              {"Control", 2}, {"Ctrl", 2},  {"Mod1", 1},  {"Meta", 8},
                                              {"Hyper", 8},   {"Mod4", 8}};
constexpr int kWrittenModifiers = 3; // Primary, Alt, Shift

const QString& Quote()
{
    static const QString q = QStringLiteral("'\\''");
    return q;
}
} // namespace

// GNOME's shortcuts are a Linux desktop's: on Windows no key has an accelerator.
QString AcceleratorFor(int modifierBits, int virtualKey)
{
#ifdef _WIN32
    Q_UNUSED(modifierBits);
    Q_UNUSED(virtualKey);
    return {};
#else
    const std::uint32_t keysym = KeysymForVirtualKey(virtualKey);
    char name[64];
    if (!keysym || xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return {};
    QString accelerator;
    for (int i = 0; i < kWrittenModifiers; ++i)
        if (modifierBits & kModifiers[i].bit)
            accelerator += QStringLiteral("<%1>").arg(QLatin1String(kModifiers[i].name));
    return accelerator + QLatin1String(name);
#endif
}

std::optional<StoredKey> KeyOfAccelerator(const QString& accelerator)
{
    static const QRegularExpression modifier(QStringLiteral("^<([^>]*)>"));
    QString rest = accelerator.trimmed();
    StoredKey key;
    for (QRegularExpressionMatch m = modifier.match(rest); m.hasMatch(); m = modifier.match(rest)) {
        const QString name = m.captured(1);
        const auto it = std::find_if(std::begin(kModifiers), std::end(kModifiers), [&](const AcceleratorModifier& a) {
            return name.compare(QLatin1String(a.name), Qt::CaseInsensitive) == 0;
        });
        if (it == std::end(kModifiers))
            return std::nullopt;
        key.modifierBits |= it->bit;
        rest = rest.mid(m.capturedLength());
    }
#ifdef _WIN32
    return std::nullopt;
#else
    const QByteArray name = rest.toLatin1();
    xkb_keysym_t keysym = xkb_keysym_from_name(name.constData(), XKB_KEYSYM_NO_FLAGS);
    if (keysym == XKB_KEY_NoSymbol)
        keysym = xkb_keysym_from_name(name.constData(), XKB_KEYSYM_CASE_INSENSITIVE);
    key.virtualKey = VirtualKeyForKeysym(keysym);
    if (!key.virtualKey)
        return std::nullopt;
    return key;
#endif
}

QString ShortcutCommand(const QString& executable, const QString& words)
{
    // Split like a shell line: single quotes keep every character, a quote itself is closed,
    // escaped and opened again.
    return u'\'' + QString(executable).replace(u'\'', Quote()) + QStringLiteral("' hotkey ") + words;
}

DesktopKeys::DesktopKeys(DesktopKeySettings& settings, QString executable, std::vector<DesktopKeyAction> actions)
    : settings_(settings), executable_(std::move(executable)), actions_(std::move(actions))
{
}

QString DesktopKeys::PathOf(const DesktopKeyAction& action) const
{
    return QString::fromLatin1(kPathBase) + QLatin1String(kEntryPrefix) + action.entry + u'/';
}

bool DesktopKeys::Ours(const QString& path)
{
    return path.startsWith(QString::fromLatin1(kPathBase) + QLatin1String(kEntryPrefix));
}

bool DesktopKeys::On() const
{
    const QStringList paths = settings_.customPaths();
    return std::any_of(paths.begin(), paths.end(), &DesktopKeys::Ours);
}

std::map<int, DesktopKeyState> DesktopKeys::Plan(const std::map<int, StoredKey>& keys) const
{
    // Everyone else's keys: the desktop's own shortcuts, then the other custom shortcuts.
    std::vector<std::pair<StoredKey, QString>> taken;
    for (const HeldKey& h : settings_.fixedKeys())
        if (const auto k = KeyOfAccelerator(h.accelerator))
            taken.emplace_back(*k, h.holder);
    for (const QString& path : settings_.customPaths()) {
        if (Ours(path))
            continue;
        const CustomShortcut other = settings_.custom(path);
        if (const auto k = KeyOfAccelerator(other.binding))
            taken.emplace_back(*k, other.name.isEmpty() ? path : other.name);
    }
    std::map<int, DesktopKeyState> plan;
    for (const DesktopKeyAction& a : actions_) {
        const auto key = keys.find(a.id);
        if (key == keys.end())
            continue;
        DesktopKeyState& state = plan[a.id];
        state.accelerator = AcceleratorFor(key->second.modifierBits, key->second.virtualKey);
        if (state.accelerator.isEmpty())
            continue;
        const auto holder = std::find_if(taken.begin(), taken.end(), [&](const auto& t) { return t.first == key->second; });
        if (holder != taken.end()) {
            state.holder = holder->second;
            continue;
        }
        state.written = true;
        taken.emplace_back(key->second, a.name); // one key runs one hotkey: the first
    }
    return plan;
}

std::map<int, DesktopKeyState> DesktopKeys::Write(const std::map<int, StoredKey>& keys)
{
    const std::map<int, DesktopKeyState> plan = Plan(keys);
    QStringList wanted;
    for (const DesktopKeyAction& a : actions_) {
        const auto state = plan.find(a.id);
        if (state == plan.end() || !state->second.written)
            continue;
        const CustomShortcut shortcut{PathOf(a), a.name, ShortcutCommand(executable_, a.words), state->second.accelerator};
        if (settings_.custom(shortcut.path) != shortcut)
            settings_.writeCustom(shortcut);
        wanted << shortcut.path;
    }
    const QStringList before = settings_.customPaths();
    QStringList after, dropped;
    for (const QString& path : before) {
        if (!Ours(path) || wanted.contains(path))
            after << path;
        else
            dropped << path;
    }
    for (const QString& path : wanted)
        if (!after.contains(path))
            after << path;
    if (after != before)
        settings_.setCustomPaths(after);
    settings_.sync();
    for (const QString& path : dropped)
        settings_.resetCustom(path);
    settings_.sync();
    return plan;
}

void DesktopKeys::Remove()
{
    const QStringList before = settings_.customPaths();
    QStringList others, ours;
    for (const QString& path : before)
        (Ours(path) ? ours : others) << path;
    if (ours.isEmpty())
        return;
    settings_.setCustomPaths(others);
    settings_.sync();
    for (const QString& path : ours)
        settings_.resetCustom(path);
    settings_.sync();
}
