#include "hotkeys/DesktopKeyHotkeys.h"

DesktopKeyHotkeys::DesktopKeyHotkeys(HotkeyService& inner, DesktopKeys* keys, bool waylandSession)
    : inner_(inner), keys_(keys), wayland_(waylandSession)
{
    wasOn_ = keys_ && keys_->Settings().installed() && keys_->On();
    if (keys_ && keys_->Settings().installed())
        keys_->Settings().watch([this] { changed(); });
}

bool DesktopKeyHotkeys::runs() const
{
    if (!keys_)
        return false;
    if (!runs_)
        runs_ = keys_->Settings().available();
    return *runs_;
}

bool DesktopKeyHotkeys::desktopKeysOffered() const
{
    // Where the portal binds the keys, it stays the way.
    return runs() && (!wayland_ || inner_.focusOnly() || desktopKeysOn());
}

bool DesktopKeyHotkeys::desktopKeysOn() const
{
    // Shortcuts set in another session of GNOME do nothing on another desktop: the own way there.
    return runs() && keys_->On();
}

bool DesktopKeyHotkeys::registerKey(int id, int modifiers, int virtualKey)
{
    registered_[id] = {modifiers, virtualKey};
    if (!desktopKeysOn())
        return inner_.registerKey(id, modifiers, virtualKey);
    states_ = keys_->Plan(registered_);
    queueWrite();
    const auto it = states_.find(id);
    return it != states_.end() && it->second.written;
}

void DesktopKeyHotkeys::unregisterKey(int id)
{
    registered_.erase(id);
    inner_.unregisterKey(id);
}

std::optional<QString> DesktopKeyHotkeys::boundKey(int id) const
{
    return desktopKeysOn() ? std::nullopt : inner_.boundKey(id);
}

void DesktopKeyHotkeys::setChangeHandler(std::function<void()> handler)
{
    changeHandler_ = std::move(handler);
    inner_.setChangeHandler(changeHandler_ ? std::function<void()>([this] { changed(); }) : nullptr);
}

void DesktopKeyHotkeys::setDesktopKeys(bool on)
{
    if (!keys_ || on == desktopKeysOn())
        return;
    if (on) {
        states_ = keys_->Write(registered_);
    } else {
        keys_->Remove();
        states_.clear();
    }
    changed();
}

void DesktopKeyHotkeys::queueWrite()
{
    if (writeQueued_)
        return;
    writeQueued_ = true;
    QMetaObject::invokeMethod(this, [this] {
        writeQueued_ = false;
        if (desktopKeysOn())
            states_ = keys_->Write(registered_);
    }, Qt::QueuedConnection);
}

void DesktopKeyHotkeys::changed()
{
    const bool on = desktopKeysOn();
    if (on && !wasOn_)
        for (const auto& [id, key] : registered_) // the program's own grabs let go of the keys the desktop takes now
            inner_.unregisterKey(id);
    wasOn_ = on;
    if (changeHandler_) {
        auto handler = changeHandler_; // it may replace itself
        handler();
    }
}
