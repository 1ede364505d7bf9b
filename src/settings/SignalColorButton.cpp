#include "settings/SignalColorButton.h"

#include "core/Colors.h"
#include "platform/desktop/Dialogs.h"
#include "settings/SchemePresets.h"

#include <QMenu>
#include <QPainter>

SignalColorButton::SignalColorButton(Dialogs& dialogs, QWidget* parent) : QToolButton(parent), dialogs_(dialogs)
{
    setPopupMode(QToolButton::InstantPopup);
    setIconSize(QSize(22, 12));
    auto* m = new QMenu(this);
    m->addAction(QString(), this, [this] { Pick(std::nullopt); });
    for (const QRgb color : {kSignalGreen, kSignalYellow, kSignalRed}) {
        QPixmap swatch(iconSize());
        swatch.fill(QColor(color));
        m->addAction(QIcon(swatch), QString(), this, [this, color] { Pick(color); });
    }
    m->addAction(QString(), this, [this] { ChooseOther(); });
    setMenu(m);
    Retranslate();
}

void SignalColorButton::Retranslate()
{
    const QString names[] = {tr("无"), tr("绿"), tr("黄"), tr("红"), tr("其他颜色...")};
    const QList<QAction*> actions = menu()->actions();
    for (qsizetype k = 0; k < actions.size(); ++k)
        actions[k]->setText(names[k]);
    Show();
}

void SignalColorButton::SetColor(std::optional<QRgb> color)
{
    color_ = color;
    Show();
}

void SignalColorButton::Pick(std::optional<QRgb> color)
{
    SetColor(color);
    emit colorChosen();
}

void SignalColorButton::ChooseOther()
{
    if (const std::optional<int> bgr = dialogs_.chooseColor(window()))
        Pick(ColorFromBgr(*bgr).rgb());
}

void SignalColorButton::Show()
{
    const QString tip = tr("从此提示起，各计时器的背景显示的信号颜色（观众看得见）");
    if (!color_) {
        setIcon(QIcon());
        setText(tr("无"));
        setToolButtonStyle(Qt::ToolButtonTextOnly);
        setToolTip(tip);
        return;
    }
    QPixmap swatch(iconSize());
    swatch.fill(QColor(*color_));
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    setIcon(QIcon(swatch));
    setText(QString());
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setToolTip(tip + QStringLiteral("\n") + SignalColorText(*color_));
}
