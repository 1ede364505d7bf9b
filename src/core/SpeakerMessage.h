#pragma once
#include <QString>

// The message to the speaker is the user's text, shown as text: one line of at most this many
// characters.
inline constexpr int kSpeakerMessageLength = 100;

// A text as one line: line breaks and other control characters become spaces, the ends trimmed.
QString SpeakerMessageLine(const QString& text);
// A text as the message shows it: line breaks and other control characters become spaces, the
// ends are trimmed, and what goes beyond kSpeakerMessageLength is cut (never within a character).
QString SpeakerMessageText(const QString& text);
