#include "hotkeys/FocusOnlyNote.h"

#include "platform/hotkeys/Hotkeys.h"

#include <QEvent>
#include <QHBoxLayout>
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
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 1, 3, 1);
    Line = new QLabel(this);
    SetButton = new QPushButton(this);
    SetButton->setAutoDefault(false);
    SetButton->setFocusPolicy(Qt::NoFocus);
    row->addWidget(Line, 1);
    row->addWidget(SetButton);
    connect(SetButton, &QPushButton::clicked, this, [this] { service_.setDesktopKeys(true); Update(); });
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
    SetButton->setText(tr("设为桌面快捷键"));
    SetButton->setVisible(service_.desktopKeysOffered());
    const bool shown = !text.isEmpty();
    if (shown == isVisible())
        return;
    setVisible(shown);
    window_->setFixedHeight(baseHeight_ + (shown ? kHeight : 0));
    setGeometry(0, baseHeight_, window_->width(), kHeight);
}

void FocusOnlyNote::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        Line->setText(Text(service_));
        SetButton->setText(tr("设为桌面快捷键"));
    }
}
