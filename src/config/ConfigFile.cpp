#include "config/ConfigFile.h"

#include "config/AtomicFile.h"
#include "config/IniDocument.h"
#include "platform/ProgramEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

const QString kFileName = QStringLiteral("config.ini");

bool isConfigName(const QString& name)
{
    if (name.size() != kFileName.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const char16_t lower = (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
        if (lower != kFileName[i].unicode())
            return false;
    }
    return true;
}

QByteArray toGbk(const QString& text)
{
    QStringEncoder enc("GBK");
    return enc.encode(text);
}

QString fromGbk(const QByteArray& bytes)
{
    QStringDecoder dec("GBK");
    return dec.decode(bytes);
}

// The file's bytes: empty when there is no file, nullopt when it is there but cannot be read.
std::optional<QByteArray> load(const QString& path)
{
    QFile f(path);
    if (!f.exists())
        return QByteArray();
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The value's bytes, nullopt when the key is missing. An unreadable file has no keys.
std::optional<QByteArray> lookup(const QString& path, const QString& section, const QString& key)
{
    const std::optional<QByteArray> bytes = load(path);
    if (!bytes)
        return std::nullopt;
    return IniDocument(*bytes).value(toGbk(section), toGbk(key));
}

// The value as text (up to a NUL, as a C string would end); nullopt when missing or empty.
std::optional<QByteArray> textValue(const QString& path, const QString& section, const QString& key)
{
    std::optional<QByteArray> value = lookup(path, section, key);
    if (value) {
        const qsizetype nul = value->indexOf('\0');
        if (nul >= 0)
            value->truncate(nul);
    }
    if (!value || value->isEmpty())
        return std::nullopt;
    return value;
}

} // namespace

QString ConfigFile::ConfigFilePath() const
{
    const QString dir = dir_.path();
    const QString plain = dir + QLatin1Char('/') + kFileName;
    if (QFileInfo::exists(plain))
        return plain;
    // A file that differs only in case ("Config.ini") is the same file to the program.
    const QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names)
        if (isConfigName(name))
            return dir + QLatin1Char('/') + name;
    return plain;
}

QString ConfigFile::ReadIniText(const QString& section, const QString& key, const QString& def) const
{
    const std::optional<QByteArray> value = textValue(ConfigFilePath(), section, key);
    if (!value) {
        WriteIniText(section, key, def);
        return def;
    }
    return fromGbk(*value);
}

std::optional<QString> ConfigFile::PeekIniText(const QString& section, const QString& key) const
{
    const std::optional<QByteArray> value = textValue(ConfigFilePath(), section, key);
    if (!value)
        return std::nullopt;
    return fromGbk(*value);
}

std::int16_t ConfigFile::ReadIniInt(const QString& section, const QString& key, std::int16_t def) const
{
    const std::optional<QByteArray> value = lookup(ConfigFilePath(), section, key);
    if (!value || value->isEmpty())
        return def;
    long number = 0;
    for (const char c : *value) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + (c - '0');
        if (number > 32767)
            throw ConfigError("[" + section.toStdString() + "] " + key.toStdString() + ": "
                              + value->toStdString() + " does not fit 16 bits");
    }
    return static_cast<std::int16_t>(number);
}

bool ConfigFile::WriteIniText(const QString& section, const QString& key, const QString& value) const
{
    const QString path = ConfigFilePath();
    // A file that is there but cannot be read is not replaced: its content would be lost.
    const std::optional<QByteArray> bytes = load(path);
    if (!bytes)
        return false;
    const QByteArray updated = IniDocument(*bytes).withValue(toGbk(section), toGbk(key), toGbk(value));
    if (updated == *bytes)
        return true;
    return AtomicFile::replace(path, updated);
}

bool ConfigFile::WriteIniInt(const QString& section, const QString& key, std::int16_t value) const
{
    return WriteIniText(section, key, QString::number(value));
}
