#include "core/SpeakerMessage.h"

#include "core/TimingSession.h"

QString SpeakerMessageLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    for (const QChar c : text)
        line += c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ? u' ' : c;
    return line.trimmed();
}

QString SpeakerMessageText(const QString& text)
{
    QString line = SpeakerMessageLine(text);
    if (line.size() > kSpeakerMessageLength) {
        qsizetype cut = kSpeakerMessageLength;
        if (line[cut - 1].isHighSurrogate())
            --cut;
        line.truncate(cut);
    }
    return line;
}

void TimingSession::SetSpeakerMessage(const QString& text)
{
    const QString line = SpeakerMessageText(text);
    if (line == speakerMessage_)
        return;
    speakerMessage_ = line;
    emit speakerMessageChanged(line);
}
