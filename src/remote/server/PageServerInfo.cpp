// What the dialog shows of the page server: the machine's addresses and the QR codes.
#include "remote/server/PageServer.h"
#include "remote/server/QrMatrix.h"

#include <QNetworkInterface>
#if __has_include(<qrencode.h>)
#include <qrencode.h>
#define HORALTO_LIBQRENCODE 1
#endif

QStringList PageServer::addresses()
{
    QList<QHostAddress> all;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (!i.flags().testFlag(QNetworkInterface::IsUp) || !i.flags().testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries())
            all << e.ip();
    }
    return UsableAddresses(all);
}

QStringList PageServer::UsableAddresses(const QList<QHostAddress>& all)
{
    QStringList v4, v6;
    for (const QHostAddress& a : all) {
        // Loopback reaches only this computer; a link-local address (169.254/16, fe80::/10)
        // needs its interface named, which a browser will not take.
        if (a.isNull() || a.isLoopback() || a.isLinkLocal() || a.isMulticast() || a.isBroadcast() ||
            a == QHostAddress(QHostAddress::AnyIPv4) || a == QHostAddress(QHostAddress::AnyIPv6))
            continue;
        bool v4Mapped = false;
        a.toIPv4Address(&v4Mapped);
        if (a.protocol() == QAbstractSocket::IPv4Protocol) {
            v4 << a.toString();
        } else if (!v4Mapped) {
            QHostAddress plain = a;
            plain.setScopeId(QString()); // a browser takes no interface name
            v6 << plain.toString();
        }
    }
    v4.removeDuplicates();
    v6.removeDuplicates();
    return v4.isEmpty() ? v6 : v4;
}

QImage PageServer::qrCode(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    constexpr int quiet = 4; // modules of white around the code
#ifdef HORALTO_LIBQRENCODE
    QRcode* code = QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return QImage();
    const int n = code->width;
    auto dark = [code, n](int x, int y) { return (code->data[y * n + x] & 1) != 0; };
#else
    // No libqrencode in this build (Windows): the program's own encoder.
    const std::vector<std::vector<bool>> rows = QrMatrix(bytes);
    if (rows.empty())
        return QImage();
    const int n = int(rows.size());
    auto dark = [&rows](int x, int y) { return bool(rows[std::size_t(y)][std::size_t(x)]); };
#endif
    QImage image(n + 2 * quiet, n + 2 * quiet, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (dark(x, y))
                image.setPixel(x + quiet, y + quiet, qRgb(0, 0, 0));
#ifdef HORALTO_LIBQRENCODE
    QRcode_free(code);
#endif
    return image;
}
