#include "remote/RemoteSettings.h"

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "platform/Random.h"

#include <QRegularExpression>

RemoteSettings RemoteSettings::Read(const ConfigFile& config)
{
    RemoteSettings s;
    auto peek = [&config](const char* key) {
        return config.PeekIniText(IniSection::RemoteView, key).value_or(QString()).trimmed();
    };
    s.enabled = peek(IniKey::Enabled) == QLatin1String("1");
    bool ok = false;
    const uint port = peek(IniKey::Port).toUInt(&ok);
    if (ok && port >= kLowestPort && port <= 65535)
        s.port = quint16(port);
    const QString key = peek(IniKey::ControlKey).toLower();
    static const QRegularExpression hex32(QStringLiteral("^[0-9a-f]{32}$"));
    if (hex32.match(key).hasMatch())
        s.controlKey = key.toLatin1();
    s.address = peek(IniKey::Address);
    return s;
}

QByteArray RemoteSettings::NewControlKey(Random& random)
{
    return random.secretBytes(16).toHex();
}

bool RemoteSettings::WriteEnabled(const ConfigFile& config, bool on)
{
    return config.WriteIniText(IniSection::RemoteView, IniKey::Enabled, on ? QStringLiteral("1") : QStringLiteral("0"));
}

bool RemoteSettings::WritePort(const ConfigFile& config, quint16 port)
{
    return config.WriteIniText(IniSection::RemoteView, IniKey::Port, QString::number(port));
}

bool RemoteSettings::WriteAddress(const ConfigFile& config, const QString& address)
{
    return config.WriteIniText(IniSection::RemoteView, IniKey::Address, address);
}

bool RemoteSettings::WriteControlKey(const ConfigFile& config, const QByteArray& key)
{
    return config.WriteIniText(IniSection::RemoteView, IniKey::ControlKey, QString::fromLatin1(key));
}
