#include "platform/win/WinHotkeys.h"

#include "platform/win/WinHotkeyMap.h"

#include <windows.h>

namespace {
const wchar_t kClassName[] = L"HoraltoHotkeys";

LRESULT CALLBACK HotkeyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOTKEY) {
        if (auto* self = reinterpret_cast<WinHotkeys*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            self->pressed(int(wParam));
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
} // namespace

WinHotkeys::WinHotkeys()
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = HotkeyWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc); // fails harmlessly when a second service registers it again
    const HWND hwnd = CreateWindowExW(0, kClassName, L"Horalto hotkeys", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      wc.hInstance, nullptr);
    if (hwnd)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window_ = hwnd;
    releaseWatch_.setInterval(30);
    QObject::connect(&releaseWatch_, &QTimer::timeout, [this] { release(); });
}

WinHotkeys::~WinHotkeys()
{
    for (auto it = keys_.cbegin(); it != keys_.cend(); ++it)
        UnregisterHotKey(static_cast<HWND>(window_), it.key());
    if (window_)
        DestroyWindow(static_cast<HWND>(window_));
}

bool WinHotkeys::registerKey(int id, int modifiers, int virtualKey)
{
    unregisterKey(id);
    const std::optional<WinHotkey> key = WinHotkeyFor(modifiers, virtualKey);
    if (!window_ || !key || !RegisterHotKey(static_cast<HWND>(window_), id, key->modifiers, key->virtualKey))
        return false;
    keys_.insert(id, key->virtualKey);
    return true;
}

void WinHotkeys::unregisterKey(int id)
{
    if (keys_.remove(id))
        UnregisterHotKey(static_cast<HWND>(window_), id);
    held_.remove(id);
}

void WinHotkeys::setPressHandler(std::function<void(int id)> handler)
{
    handler_ = std::move(handler);
}

void WinHotkeys::pressed(int id)
{
    const auto key = keys_.constFind(id);
    if (key == keys_.cend() || held_.contains(id))
        return;
    held_.insert(id, *key);
    releaseWatch_.start();
    if (handler_)
        handler_(id);
}

void WinHotkeys::release()
{
    for (auto it = held_.begin(); it != held_.end();)
        it = (GetAsyncKeyState(int(it.value())) & 0x8000) ? std::next(it) : held_.erase(it);
    if (held_.isEmpty())
        releaseWatch_.stop();
}
