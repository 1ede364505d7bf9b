#pragma once
#include <QRgb>
#include <QToolButton>
#include <optional>

class Dialogs;

// A prompt's signal colour in the settings dialog: a button showing the colour as a swatch ("无"
// without one) whose menu offers 无, 绿, 黄, 红 and 其他颜色... (the colour chooser).
class SignalColorButton : public QToolButton {
    Q_OBJECT
public:
    SignalColorButton(Dialogs& dialogs, QWidget* parent);

    std::optional<QRgb> Color() const { return color_; }
    // Shows `color`; `colorChosen` is not emitted.
    void SetColor(std::optional<QRgb> color);
    // The menu, caption and tool tip in the interface's language.
    void Retranslate();

signals:
    void colorChosen(); // the user picked a colour (or none) from the menu

private:
    void Pick(std::optional<QRgb> color);
    void ChooseOther();
    void Show();
    Dialogs& dialogs_;
    std::optional<QRgb> color_;
};
