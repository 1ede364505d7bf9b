#pragma once
#include <QByteArray>
#include <QString>

// The character encoding of config.ini, decided by the file's bytes at every access: UTF-8 for a
// file that starts with the UTF-8 byte-order mark, or that is valid UTF-8 and holds at least one
// multi-byte sequence (as editors on Linux save it); GB18030 otherwise. GB18030 gives exactly the
// GBK bytes for every character GBK has and can store every other character, so a GBK file stays
// GBK. An empty or missing file is GB18030.
class IniEncoding {
public:
    static IniEncoding of(const QByteArray& fileBytes);
    bool isUtf8() const { return utf8_; }
    QByteArray encode(const QString& text) const;
    QString decode(const QByteArray& bytes) const;

private:
    explicit IniEncoding(bool utf8) : utf8_(utf8) {}
    bool utf8_;
};
