#include "hotkeys/FocusOnlyNote.h"

#include "platform/hotkeys/Hotkeys.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kHeight = 26;
}

FocusOnlyNote::FocusOnlyNote(HotkeyService& service, QWidget* window)
    : QWidget(window), service_(service), window_(window), baseHeight_(window->height())
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC0));
    p.setColor(QPalette::WindowText, QColor(0x40, 0x30, 0x00));
    setPalette(p);
    Line = new QLabel(this);
    SetButton = new QPushButton(this);
    SetButton->setAutoDefault(false);
    SetButton->setFocusPolicy(Qt::NoFocus);
    connect(SetButton, &QPushButton::clicked, this, [this] { service_.setDesktopKeys(true); Update(); });
    setGeometry(0, baseHeight_, window->width(), kHeight);
    hide();
    Update();
}

QString FocusOnlyNote::Text(const HotkeyService& service)
{
    if (!service.focusOnly())
        return {};
    return tr("这个桌面上，热键只在 Horalto 的窗口有焦点时起作用");
}

void FocusOnlyNote::Update()
{
    const QString text = Text(service_);
    Line->setText(text);
    SetTexts();
    SetButton->setVisible(service_.desktopKeysOffered());
    const bool shown = !text.isEmpty();
    if (shown == isVisible())
        return;
    setVisible(shown);
    window_->setFixedHeight(baseHeight_ + (shown ? kHeight : 0));
}

void FocusOnlyNote::SetTexts()
{
    // Its whole text, shown or not (the layout sizes a hidden line only once it shows).
    SetButton->setText(tr("设为桌面快捷键"));
    // The button at the right end, the line in the room left of it.
    const int w = SetButton->sizeHint().width();
    SetButton->setGeometry(width() - w - 3, 1, w, kHeight - 2);
    Line->setGeometry(6, 0, width() - w - 15, kHeight);
}

void FocusOnlyNote::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        Line->setText(Text(service_));
        SetTexts();
    }
}
