#include "message/SpeakerMessageForm.h"

#include "core/Commands.h"
#include "core/SpeakerMessage.h"
#include "core/TimingSession.h"
#include "core/Twips.h"
#include "message/FullScreenMessage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const char* const kPhrases[] = {
    QT_TRANSLATE_NOOP("SpeakerMessageForm", "请总结"),        QT_TRANSLATE_NOOP("SpeakerMessageForm", "还剩一分钟"),
    QT_TRANSLATE_NOOP("SpeakerMessageForm", "请注意时间"),    QT_TRANSLATE_NOOP("SpeakerMessageForm", "时间到，请结束"),
    QT_TRANSLATE_NOOP("SpeakerMessageForm", "谢谢")};

void SetTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}
} // namespace

QStringList SpeakerMessageForm::Phrases()
{
    QStringList phrases;
    for (const char* p : kPhrases)
        phrases << QCoreApplication::translate("SpeakerMessageForm", p);
    return phrases;
}

SpeakerMessageForm::SpeakerMessageForm(const TimingSession& session, Commands& commands, const ConfigFile& config)
    : FramedDialog(nullptr, 10800, 3300, QString(), QStringLiteral("about"))
    , session_(session)
    , commands_(commands)
    , config_(config)
{
    MessageLine = new QLineEdit(this);
    MessageLine->setGeometry(TwipsRect(240, 600, 10320, 375));
    // Units, not characters: what goes beyond 100 characters is cut where the message is set.
    MessageLine->setMaxLength(kSpeakerMessageUnits);
    MessageLine->setClearButtonEnabled(true);
    connect(MessageLine, &QLineEdit::returnPressed, this, &SpeakerMessageForm::Send_Click);
    connect(MessageLine, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!SpeakerMessageFits(text))
            MessageLine->setText(SpeakerMessageText(text));
    });
    for (int i = 0; i < int(PhraseButtons.size()); ++i) {
        auto* b = new QPushButton(this);
        b->setGeometry(TwipsRect(240 + i * 2076, 1140, 2016, 375));
        b->setAutoDefault(false);
        // A phrase goes into the line, to be sent as it is or changed first.
        connect(b, &QPushButton::clicked, this, [this, i] {
            MessageLine->setText(Phrases()[i]);
            MessageLine->setFocus();
        });
        PhraseButtons[i] = b;
    }
    CurrentLabel = new QLabel(this);
    CurrentLabel->setGeometry(TwipsRect(240, 1740, 10320, 600));
    CurrentLabel->setTextFormat(Qt::PlainText);
    CurrentLabel->setWordWrap(true);
    SetTextColor(CurrentLabel, QColor(0xE8, 0xEE, 0xF8));
    FullScreenCheck = new QCheckBox(this);
    FullScreenCheck->setGeometry(TwipsRect(240, 2655, 4500, 375));
    FullScreenCheck->setChecked(SpeakerMessageSettings::FullScreenShown(config_));
    SetTextColor(FullScreenCheck, QColor(0xE8, 0xEE, 0xF8));
    connect(FullScreenCheck, &QCheckBox::clicked, this, [this](bool on) {
        SpeakerMessageSettings::WriteFullScreenShown(config_, on);
        emit fullScreenChosen(on);
    });
    SendMessage = new QPushButton(this);
    SendMessage->setGeometry(TwipsRect(7380, 2640, 1500, 405));
    SendMessage->setAutoDefault(false);
    connect(SendMessage, &QPushButton::clicked, this, &SpeakerMessageForm::Send_Click);
    ClearMessage = new QPushButton(this);
    ClearMessage->setGeometry(TwipsRect(9060, 2640, 1500, 405));
    ClearMessage->setAutoDefault(false);
    connect(ClearMessage, &QPushButton::clicked, this, &SpeakerMessageForm::Clear_Click);
    connect(&session_, &TimingSession::speakerMessageChanged, this, &SpeakerMessageForm::ShowCurrent);
    RetranslateUi();
}

void SpeakerMessageForm::RetranslateUi()
{
    SetCaption(tr("给演讲者的消息"));
    MessageLine->setPlaceholderText(tr("输入消息，或选一句常用语"));
    const QStringList phrases = Phrases();
    for (int i = 0; i < int(PhraseButtons.size()); ++i)
        PhraseButtons[i]->setText(phrases[i]);
    SendMessage->setText(tr("发送"));
    SendMessage->setToolTip(tr("在演讲者页面上显示这条消息"));
    ClearMessage->setText(tr("清除"));
    ClearMessage->setToolTip(tr("从演讲者页面上去掉消息"));
    FullScreenCheck->setText(tr("在全屏窗口显示消息"));
    FullScreenCheck->setToolTip(tr("观众通常也看得到全屏窗口"));
    ShowCurrent();
}

void SpeakerMessageForm::ShowCurrent()
{
    const QString& m = session_.SpeakerMessage();
    CurrentLabel->setText(m.isEmpty() ? tr("演讲者页面上没有消息") : tr("演讲者现在看到：%1").arg(m));
}

void SpeakerMessageForm::Form_Show()
{
    if (!isVisible()) {
        MessageLine->setText(session_.SpeakerMessage());
        PlaceOnScreen();
    }
    show();
    raise();
    activateWindow();
    MessageLine->setFocus();
}

void SpeakerMessageForm::Send_Click()
{
    commands_.SetSpeakerMessage(MessageLine->text());
}

void SpeakerMessageForm::Clear_Click()
{
    MessageLine->clear();
    commands_.SetSpeakerMessage(QString());
}
