#pragma once
#include <QColor>
#include <QWidget>
#include <array>
#include <optional>

// The strip of running lights of the full-screen window (Picture4 with Shape1(0..8)). Lights 1
// to 8 are visible; light 0 lies below the strip's visible area and is the blank step. A lit
// light is filled green inside its yellow border, a dark one shows only the border. The strip
// takes the mouse and does nothing with it. On a signal colour the strip takes that colour and
// its lights are drawn in the digits' black or white.
class RunningLights : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLights = 9;

    explicit RunningLights(QWidget* parent = nullptr);

    bool IsLit(int k) const { return lit_[k]; }
    void SetLit(int k, bool on);
    // Light k's rectangle in the strip, in pixels.
    static QRect LightRect(int k);
    // The contest signal's colour behind the lights; nullopt: the strip's own colours.
    void ShowSignal(std::optional<QColor> signal);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    std::optional<QColor> signal_;
    std::array<bool, kLights> lit_{true, false, false, false, false, false, false, false, false};
};
