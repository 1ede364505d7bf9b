#pragma once
#include <QRgb>
#include <QString>
#include <array>
#include <vector>

// The contest signal colours the settings dialog offers by name.
inline constexpr QRgb kSignalGreen = qRgb(0x00, 0xA6, 0x51);
inline constexpr QRgb kSignalYellow = qRgb(0xFF, 0xD2, 0x00);
inline constexpr QRgb kSignalRed = qRgb(0xE0, 0x20, 0x1B);

// A common contest's timing, ready to fill a scheme in the settings dialog.
struct SchemePreset {
    struct Prompt {
        const char* time; // "HH:MM:SS" as a counter value
        QRgb color;
    };
    const char* name; // source text in the context "SchemePresets"
    bool countUp;
    const char* length;             // "HH:MM:SS"
    std::vector<Prompt> prompts;    // the rest of the five prompts are cleared
    const char* qualifyMin;         // "HH:MM:SS"
    const char* qualifyMax;
};

// The counter colours a preset gives its scheme (ColorSet<n>, as 0x00BBGGRR): each reads against
// its view's background (see windows/CounterBacks.h).
struct PresetCounterColors {
    int normal;     // the main window
    int toolsBar;   // both toolbars
    int fullScreen; // the full-screen window
};
inline constexpr PresetCounterColors kPresetCounterColors{0x00FFFFFF, 0x0000FFFF, 0x00000000};

// Every preset, in the order of the dialog's menu (overtime counts on in each).
const std::vector<SchemePreset>& SchemePresets();
// A preset's name in the interface's language.
QString SchemePresetName(const SchemePreset& preset);
