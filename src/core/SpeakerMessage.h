#pragma once
#include <QString>

// The message to the speaker is the user's text, shown as text: one line of at most this many
// characters as a person counts them (an emoji or a letter with its accents is one)...
inline constexpr int kSpeakerMessageLength = 100;
// ... and of at most this many UTF-16 units, however they combine.
inline constexpr int kSpeakerMessageUnits = 400;
// Whether a line is within both bounds.
bool SpeakerMessageFits(const QString& line);

// A text as one line: line breaks and other control characters become spaces, the ends trimmed.
QString SpeakerMessageLine(const QString& text);
// A text as the message shows it: line breaks and other control characters become spaces, the
// ends are trimmed, and what goes beyond the bounds is cut (never within a character).
QString SpeakerMessageText(const QString& text);
