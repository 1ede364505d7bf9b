#include "windows/ToolbarFrames.h"

#include "core/Twips.h"

#include <cmath>

namespace {

struct FrameRow {
    int destX;
    int width, height;
    int pressedWidth;
    int normalX, hoverX, pressedX;
};

// Indexed by ToolButton: StartTimer, StopTimer, SystemSetup, BacktoMain, GoFullScreen.
constexpr FrameRow kSmall[5] = {
    {0, 320, 330, 320, 0, 320, 625},
    {0, 320, 330, 320, 0, 330, 660},
    {-5, 350, 330, 355, 0, 350, 695},
    {0, 300, 300, 300, 0, 280, 570},
    {0, 300, 300, 300, 0, 280, 570},
};
constexpr FrameRow kLarge[5] = {
    {0, 640, 660, 640, 0, 635, 1245},
    {0, 640, 660, 640, 0, 660, 1320},
    {-5, 700, 660, 710, 0, 695, 1385},
    {0, 600, 600, 600, 0, 565, 1145},
    {0, 600, 600, 600, 0, 565, 1145},
};

} // namespace

int ButtonUnitsToPixels(int units)
{
    return int(std::lround(units * 1.03125 / 15.0));
}

QPoint FrameCopy::DestPixels() const
{
    return QPoint(Twips(destX), 0);
}

QRect FrameCopy::SourcePixels() const
{
    return QRect(Twips(source.x()), 0, Twips(source.width()), ButtonUnitsToPixels(source.height()));
}

FrameCopy FrameRect(bool large, ToolButton button, ToolFrame frame, bool overShowtime)
{
    const FrameRow& row = (large ? kLarge : kSmall)[int(button)];
    FrameCopy c;
    c.destX = row.destX;
    int x = row.normalX, width = row.width, height = row.height;
    switch (frame) {
    case ToolFrame::Normal:
        if (large && overShowtime && button == ToolButton::StartTimer)
            height = 640;
        break;
    case ToolFrame::Hover:
        x = row.hoverX;
        break;
    case ToolFrame::Pressed:
        x = row.pressedX;
        width = row.pressedWidth;
        break;
    }
    c.source = QRect(x, 0, width, height);
    return c;
}

const char* ToolButtonName(ToolButton button)
{
    switch (button) {
    case ToolButton::StartTimer: return "StartTimer";
    case ToolButton::StopTimer: return "StopTimer";
    case ToolButton::SystemSetup: return "SystemSetup";
    case ToolButton::BacktoMain: return "BacktoMain";
    case ToolButton::GoFullScreen: return "GoFullScreen";
    }
    return "";
}
