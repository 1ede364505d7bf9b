// What the dialog shows of the page server: the machine's addresses and the QR codes.
#include "remote/server/PageServer.h"

#include <QNetworkInterface>
#include <qrencode.h>

QStringList PageServer::addresses()
{
    QStringList v4, v6, loopback;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (!i.flags().testFlag(QNetworkInterface::IsUp) || !i.flags().testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            // A link-local IPv6 address needs its interface named, which a browser will not take.
            if (a.isLinkLocal() && a.protocol() == QAbstractSocket::IPv6Protocol)
                continue;
            const QString text = a.toString();
            if (a.isLoopback())
                loopback << text;
            else if (a.protocol() == QAbstractSocket::IPv4Protocol)
                v4 << text;
            else
                v6 << text;
        }
    }
    return v4 + v6 + loopback;
}

QImage PageServer::qrCode(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    QRcode* code = QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return QImage();
    constexpr int quiet = 4; // modules of white around the code
    const int n = code->width;
    QImage image(n + 2 * quiet, n + 2 * quiet, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (code->data[y * n + x] & 1)
                image.setPixel(x + quiet, y + quiet, qRgb(0, 0, 0));
    QRcode_free(code);
    return image;
}
