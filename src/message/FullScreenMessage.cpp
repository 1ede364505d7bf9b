#include "message/FullScreenMessage.h"

#include "config/ConfigFile.h"
#include "core/TimingSession.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"

#include <QEvent>
#include <QLabel>

namespace {
const char kSection[] = "SpeakerMessage";
const char kFullScreen[] = "FullScreen";
} // namespace

bool SpeakerMessageSettings::FullScreenShown(const ConfigFile& config)
{
    return config.PeekIniText(QLatin1String(kSection), QLatin1String(kFullScreen)).value_or(QString()).trimmed() == u'1';
}

bool SpeakerMessageSettings::WriteFullScreenShown(const ConfigFile& config, bool on)
{
    return config.WriteIniText(QLatin1String(kSection), QLatin1String(kFullScreen), on ? QStringLiteral("1") : QStringLiteral("0"));
}

FullScreenMessage::FullScreenMessage(const TimingSession& session, FullScreenForm& form, bool shown)
    : session_(session), form_(form), label_(new QLabel(&form)), shown_(shown)
{
    label_->setTextFormat(Qt::PlainText); // the user's text, never markup
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    label_->setAutoFillBackground(true);
    QPalette p = label_->palette();
    p.setColor(QPalette::Window, QColor(0x10, 0x18, 0x30));
    p.setColor(QPalette::WindowText, QColor(0xFF, 0xE0, 0x60));
    label_->setPalette(p);
    form_.installEventFilter(this);
    connect(&session_, &TimingSession::speakerMessageChanged, this, &FullScreenMessage::Show);
    Show();
}

void FullScreenMessage::SetShown(bool shown)
{
    shown_ = shown;
    Show();
}

void FullScreenMessage::Show()
{
    label_->setText(session_.SpeakerMessage());
    label_->setVisible(shown_ && !session_.SpeakerMessage().isEmpty());
    Place();
}

void FullScreenMessage::Place()
{
    // Between the counter (whose lower edge is the middle line) and the lower panel.
    const int top = form_.height() / 2, bottom = form_.Picture3->y();
    const int room = std::max(bottom - top, 40);
    QFont f = label_->font();
    f.setPixelSize(std::max(16, room / 4));
    f.setBold(true);
    label_->setFont(f);
    label_->setGeometry(form_.width() / 20, top + room / 8, form_.width() * 18 / 20, room * 3 / 4);
    label_->raise();
}

bool FullScreenMessage::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == &form_ && (e->type() == QEvent::Resize || e->type() == QEvent::Show))
        Place();
    return QObject::eventFilter(watched, e);
}
