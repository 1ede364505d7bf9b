#include "windows/FramedDialog.h"

#include "core/Twips.h"
#include "windows/Control.h"
#include "windows/Look.h"
#include "windows/WindowDrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

FramedDialog::FramedDialog(QWidget* owner, int width, int height, const QString& caption)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    setFixedSize(Twips(width), Twips(height));
    setMouseTracking(true);
    setFont(look::DesignFont(look::SimSunFamilies(), 9, false));
}

FramedDialog::FramedDialog(QWidget* owner, int width, int height, const QString& caption, const QString& pictures)
    : FramedDialog(owner, width, height, caption)
{
    standardStrip_ = true;
    Picture1 = new Control(this);
    Picture1->setGeometry(TwipsRect(60, 60, width - 120, 360));
    Picture1->setScaledContents(true);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/images/%1_title.png").arg(pictures)));

    CaptionLabel = new Control(Picture1);
    CaptionLabel->setFont(look::DesignFont(look::SimSunFamilies(), 10.5, true));
    QPalette p = CaptionLabel->palette();
    p.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    CaptionLabel->setPalette(p);
    SetCaption(caption);

    Image1.shown = new Control(Picture1);
    Image1.shown->setGeometry(TwipsRect(width - 120 - 705, 45, 630, 270));
    const QString base = QStringLiteral(":/images/%1_close_").arg(pictures);
    Image1.pictures[1].load(base + "normal.png");
    Image1.pictures[2].load(base + "hover.png");
    Image1.pictures[3].load(base + "pressed.png");
    UseFrame();
}

void FramedDialog::UseFrame()
{
    for (Control* handle : {Picture1, CaptionLabel}) {
        handle->MouseDown = [this, handle](Qt::MouseButton b, QPoint pos) {
            StartWindowDrag(this, b, handle->mapToGlobal(pos));
        };
        handle->MouseMove = [this](Qt::MouseButtons, QPoint) { Image1.Show(1); };
    }
    Image1.shown->setToolTip(tr("关闭"));
    Image1.pictures[0] = Image1.pictures[1];
    Image1.Show(1);
    Image1.shown->MouseMove = [this](Qt::MouseButtons, QPoint) {
        if (Image1.state != 3)
            Image1.Show(2);
    };
    Image1.shown->MouseDown = [this](Qt::MouseButton b, QPoint) {
        if (b == Qt::LeftButton)
            Image1.Show(3);
    };
    Image1.shown->MouseUp = [this](Qt::MouseButton b, QPoint pos) {
        if (b != Qt::LeftButton || Image1.state != 3)
            return;
        Image1.Show(1);
        if (Image1.shown->rect().contains(pos))
            reject();
    };
}

void FramedDialog::PlaceOnScreen()
{
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    move(free.x() + (free.width() - width()) / 2, free.y() + (free.height() - height()) * 2 / 5);
}

void FramedDialog::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
    // A dialog that lays out its own strip places its caption itself.
    if (!standardStrip_)
        return;
    CaptionLabel->setText(caption);
    CaptionLabel->adjustSize();
    CaptionLabel->move(Twips(120), (Picture1->height() - CaptionLabel->height()) / 2);
}

void FramedDialog::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    if (e->type() != QEvent::LanguageChange)
        return;
    if (Image1.shown)
        Image1.shown->setToolTip(tr("关闭"));
    RetranslateUi();
}

void FramedDialog::done(int result)
{
    QDialog::done(result);
    if (unloaded_)
        return;
    unloaded_ = true;
    Form_Unload();
}

void FramedDialog::mousePressEvent(QMouseEvent* e)
{
    StartWindowDrag(this, e->button(), e->globalPosition().toPoint());
}

void FramedDialog::mouseMoveEvent(QMouseEvent*)
{
    Image1.Show(1);
}

void FramedDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient body(0, 0, 0, height());
    body.setColorAt(0, QColor(0x17, 0x2f, 0x5a));
    body.setColorAt(1, QColor(0x0b, 0x19, 0x35));
    p.fillRect(rect(), body);
    p.setPen(QColor(0x4a, 0x6f, 0xaa));
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setPen(QColor(0x07, 0x10, 0x24));
    p.drawRect(1, 1, width() - 3, height() - 3);
}
