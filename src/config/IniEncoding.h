#pragma once
#include <QByteArray>
#include <QString>

// The character encoding of config.ini, decided by the file's bytes at every access. UTF-8 for a
// file that starts with the UTF-8 byte-order mark; otherwise UTF-8 only when that is clearly
// what the file is: the charset detector finds UTF-8 text with multi-byte sequences, and the
// same bytes are not plausible GBK text as well (plausible: every two-byte character is one of
// GB2312, the set that common Chinese text is written in). Everything else is GB18030, which
// gives exactly the GBK bytes for every character GBK has and can store every other character,
// so a GBK file stays GBK. An empty or missing file is GB18030.
class IniEncoding {
public:
    static IniEncoding of(const QByteArray& fileBytes);
    bool isUtf8() const { return utf8_; }
    QByteArray encode(const QString& text) const;
    QString decode(const QByteArray& bytes) const;

    // `updated`, the bytes of a file read in this encoding after a value was written into it,
    // as they are when they are still read the same way; otherwise with a comment line added at
    // the end that keeps them so, so that a value the program wrote never changes how the file
    // is read next time.
    QByteArray keptIn(const QByteArray& updated) const;

private:
    explicit IniEncoding(bool utf8) : utf8_(utf8) {}
    bool utf8_;
};
