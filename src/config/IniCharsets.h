#pragma once
#include <QByteArray>
#include <QString>

// The two character sets config.ini is written in, and how sure a detector is that bytes are
// UTF-8. Each platform has its own converters (Qt's ICU codecs, or the system's code pages).

// 0..100: 80 and more for valid UTF-8 holding multi-byte sequences, little for ASCII alone or
// broken sequences.
int Utf8Confidence(const QByteArray& bytes);

QByteArray EncodeGb18030(const QString& text);
QString DecodeGb18030(const QByteArray& bytes);
