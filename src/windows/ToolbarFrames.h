#pragma once
#include <QPoint>
#include <QRect>
#include <array>

// The five picture buttons of a toolbar, in the order in which they are repainted normal.
enum class ToolButton { StartTimer, StopTimer, SystemSetup, BacktoMain, GoFullScreen };
constexpr std::array<ToolButton, 5> AllToolButtons{ToolButton::StartTimer, ToolButton::StopTimer,
                                                   ToolButton::SystemSetup, ToolButton::BacktoMain,
                                                   ToolButton::GoFullScreen};

// The three frames of a button sprite, side by side from left to right.
enum class ToolFrame { Normal, Hover, Pressed };

// One copy from a button's sprite onto the button: the sprite rectangle `source` goes unscaled to
// (destX, 0) on the button. In the button's own scale: x and width in twips, height in units of
// 1.03125 twips (a 330-twip-high button is 320 units high).
struct FrameCopy {
    int destX = 0;
    QRect source;

    // The same copy in pixels: destination point and sprite rectangle.
    QPoint DestPixels() const;
    QRect SourcePixels() const;

    bool operator==(const FrameCopy&) const = default;
};

// Vertical button units to pixels (1 unit = 1.03125 twips, 15 twips a pixel).
int ButtonUnitsToPixels(int units);

// The frame table of both toolbars. `overShowtime`: the start button of the large toolbar is
// repainted normal with a shorter rectangle when the mouse moved over the counter.
FrameCopy FrameRect(bool large, ToolButton button, ToolFrame frame, bool overShowtime = false);

const char* ToolButtonName(ToolButton button);
