#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

class ConfigFile;
class Random;

// The [RemoteView] section: whether the timing page is served, on which port, with which
// control key. Read without filling in defaults, so a config.ini of an earlier version stays
// as it is until the user changes one of these settings.
struct RemoteSettings {
    static constexpr quint16 kDefaultPort = 8750;
    static constexpr quint16 kLowestPort = 1024; // lower ones need the administrator

    bool enabled = false;
    quint16 port = kDefaultPort;
    QByteArray controlKey; // 32 lower-case hex digits; empty when missing or unusable
    QString address;       // the one address served on; empty: every address

    static RemoteSettings Read(const ConfigFile& config);
    // A new key of 128 bits from the random service's secret source.
    static QByteArray NewControlKey(Random& random);
    // Each writes one key of the section; false when the file could not take it.
    static bool WriteEnabled(const ConfigFile& config, bool on);
    static bool WritePort(const ConfigFile& config, quint16 port);
    static bool WriteControlKey(const ConfigFile& config, const QByteArray& key);
    static bool WriteAddress(const ConfigFile& config, const QString& address);
};
