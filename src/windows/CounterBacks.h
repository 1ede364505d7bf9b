#pragma once

// What lies behind each counter when no signal colour shows, as 0x00BBGGRR: the colours a
// counter's digits must stand out from.
namespace counter_backs {
// The main window's counter panel: the lightest blue of its background picture there.
inline constexpr int kMain = 0x0031170B;
// The toolbars' counter box.
inline constexpr int kToolbar = 0x00FF0000;
// The full-screen window and its lower panel.
inline constexpr int kFullScreen = 0x00F48A4A;
} // namespace counter_backs
