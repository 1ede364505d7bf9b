#include "windows/RunningLights.h"

#include "windows/CounterBacks.h"
#include "windows/LabelColor.h"
#include "core/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kBack = counter_backs::kFullScreen;
constexpr int kBorder = 0x0000FFFF; // yellow
constexpr int kFill = 0x0000C000;   // green
constexpr int kLefts[RunningLights::kLights] = {-120, 480, 1740, 3015, 4275, 5535, 6795, 8070, 9330};
} // namespace

RunningLights::RunningLights(QWidget* parent) : QWidget(parent)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorFromBgr(kBack));
    setPalette(p);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void RunningLights::SetLit(int k, bool on)
{
    if (lit_[k] == on)
        return;
    lit_[k] = on;
    update(LightRect(k));
}

QRect RunningLights::LightRect(int k)
{
    return TwipsRect(kLefts[k], k == 0 ? 480 : 90, 465, 345);
}

void RunningLights::ShowSignal(std::optional<QColor> signal)
{
    signal_ = signal;
    QPalette p = palette();
    p.setColor(QPalette::Window, signal ? *signal : ColorFromBgr(kBack));
    setPalette(p);
    update();
}

void RunningLights::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor ink = signal_ ? QColor(DigitsOnSignal(signal_->rgb())) : QColor();
    QPen pen(signal_ ? ink : ColorFromBgr(kBorder));
    pen.setWidth(1);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    for (int k = 0; k < kLights; ++k) {
        const QRect r = LightRect(k);
        p.setBrush(lit_[k] ? QBrush(signal_ ? ink : ColorFromBgr(kFill)) : QBrush(Qt::NoBrush));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void RunningLights::mousePressEvent(QMouseEvent* e) { e->accept(); }
void RunningLights::mouseMoveEvent(QMouseEvent* e) { e->accept(); }
void RunningLights::mouseReleaseEvent(QMouseEvent* e) { e->accept(); }
void RunningLights::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }
