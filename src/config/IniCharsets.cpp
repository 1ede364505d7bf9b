#include "config/IniCharsets.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>
#include <memory>
#include <unicode/ucsdet.h>

int Utf8Confidence(const QByteArray& bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> detector(ucsdet_open(&status), ucsdet_close);
    ucsdet_setText(detector.get(), bytes.constData(), int32_t(bytes.size()), &status);
    int32_t found = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &found, &status);
    if (U_FAILURE(status))
        return 0;
    for (int32_t i = 0; i < found; ++i) {
        const char* name = ucsdet_getName(matches[i], &status);
        if (U_SUCCESS(status) && std::strcmp(name, "UTF-8") == 0)
            return ucsdet_getConfidence(matches[i], &status);
    }
    return 0;
}

QByteArray EncodeGb18030(const QString& text)
{
    QStringEncoder enc("GB18030");
    return enc.encode(text);
}

QString DecodeGb18030(const QByteArray& bytes)
{
    QStringDecoder dec("GB18030");
    return dec.decode(bytes);
}
