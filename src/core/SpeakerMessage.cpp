#include "core/SpeakerMessage.h"

#include "core/TimingSession.h"
#include "core/UserText.h"

#include <QTextBoundaryFinder>

QString SpeakerMessageLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    for (const QChar c : text)
        line += c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ? u' ' : c;
    return line.trimmed();
}

bool SpeakerMessageFits(const QString& line)
{
    return line.size() <= kSpeakerMessageUnits && PerceivedLength(line) <= kSpeakerMessageLength;
}

QString SpeakerMessageText(const QString& text)
{
    QString line = SpeakerMessageLine(text);
    if (SpeakerMessageFits(line))
        return line;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    qsizetype cut = 0;
    for (int n = 0; n < kSpeakerMessageLength; ++n) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0 || next > kSpeakerMessageUnits)
            break;
        cut = next;
    }
    line.truncate(cut);
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
