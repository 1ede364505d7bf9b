#pragma once
#include <QString>
#include <cstdint>

// Time texts and counter texts.
// "h:m:s" as a time of day (hours 0..23, minutes and seconds 0..59, parts of decimal digits)
// to seconds; throws ConfigError for anything else.
std::int32_t TimeTextToSeconds(const QString& text);
// Seconds as "hh:mm:ss", each part at least two digits.
QString SecondsToTimeText(std::int32_t seconds);
// A scheme number as stored: a decimal number (rounded to a whole number) in 16 bits;
// throws ConfigError otherwise.
std::int16_t SchemeNumberFromText(const QString& text);

// The program's version as "major.minor.revision".
QString ProgramVersion();
// The built-in information text of the full-screen window, as config.ini keeps it.
QString DefaultInfoText();
// An information text as shown: the built-in one in the interface's language, any other as it is.
QString ShownInfoText(const QString& stored);
// The one configuration-error message.
QString ConfigErrorMessage();
