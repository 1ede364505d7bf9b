#include "config/ConfigFile.h"

#include "config/AtomicFile.h"
#include "config/IniDocument.h"
#include "config/IniEncoding.h"
#include "config/RegularFile.h"
#include "platform/ProgramEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const QString kFileName = QStringLiteral("config.ini");

bool batching = true;

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

// The configuration file in a directory: "config.ini", or an existing file whose name differs
// only in case ("Config.ini"), which is the same file to the program.
QString findIn(const QString& dir)
{
    const QString plain = dir + QLatin1Char('/') + kFileName;
    if (QFileInfo::exists(plain))
        return plain;
    const QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names)
        if (isConfigName(name))
            return dir + QLatin1Char('/') + name;
    return plain;
}

// Creates a folder and its missing parents, private to the user as configuration folders are.
bool makeFolder(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    if (parent == info.absoluteFilePath() || !makeFolder(parent))
        return false;
#ifdef _WIN32
    return QDir().mkdir(path) || QFileInfo(path).isDir(); // %APPDATA% is the user's own
#else
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0 || errno == EEXIST;
#endif
}

// The file's bytes: empty when there is no file, nullopt when it is there but cannot be read
// (nor when it is not a regular file of a usable size: reading it never waits or runs away).
std::optional<QByteArray> load(const QString& path)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    return ReadRegularFile(path, ConfigFile::kMaxFileBytes);
}

// The value's bytes in `bytes` (in the encoding `enc`), nullopt when the key is missing.
std::optional<QByteArray> lookup(const QByteArray& bytes, const IniEncoding& enc, const QString& section,
                                 const QString& key)
{
    return IniDocument(bytes).value(enc.encode(section), enc.encode(key));
}

// The value as text (up to a NUL, as a C string would end); nullopt when missing or empty.
std::optional<QByteArray> textValue(std::optional<QByteArray> value)
{
    if (value) {
        const qsizetype nul = value->indexOf('\0');
        if (nul >= 0)
            value->truncate(nul);
    }
    if (!value || value->isEmpty())
        return std::nullopt;
    return value;
}

QByteArray withValue(const QByteArray& bytes, const QString& section, const QString& key, const QString& value)
{
    const IniEncoding enc = IniEncoding::of(bytes);
    return enc.keptIn(IniDocument(bytes).withValue(enc.encode(section), enc.encode(key), enc.encode(value)));
}

} // namespace

ConfigFile::Location ConfigFile::locate() const
{
    const QString home = dir_.configHome();
    if (dir_.writable() || home.isEmpty()) {
        const QString path = findIn(dir_.path());
        return {path, path};
    }
    // Installed where the user may not write: the user's own file, started from the program
    // directory's one.
    const QString own = findIn(home + QStringLiteral("/horalto"));
    if (QFileInfo::exists(own))
        return {own, own};
    return {own, findIn(dir_.path())};
}

std::optional<ConfigFile::Snapshot> ConfigFile::current() const
{
    if (pending_)
        return pending_;
    const Location at = locate();
    const std::optional<QByteArray> bytes = load(at.source);
    if (!bytes)
        return std::nullopt;
    Snapshot s{at, *bytes, *bytes};
    if (batchDepth_ > 0 && batching)
        pending_ = s;
    return s;
}

bool ConfigFile::store(const Location& at, const QByteArray& bytes) const
{
    if (at.path != at.source && !makeFolder(QFileInfo(at.path).absolutePath()))
        return false;
    return AtomicFile::replace(at.path, bytes);
}

QString ConfigFile::ConfigFilePath() const
{
    return locate().path;
}

bool ConfigFile::FileUsable() const
{
#ifdef _WIN32
    const QFileInfo info(locate().source);
    if (!info.exists())
        return true;
    return info.isFile() && info.size() <= kMaxFileBytes;
#else
    struct stat st {};
    if (::stat(QFile::encodeName(locate().source).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode) && st.st_size <= kMaxFileBytes;
#endif
}

QString ConfigFile::ReadIniText(const QString& section, const QString& key, const QString& def) const
{
    if (const std::optional<Snapshot> s = current()) {
        const IniEncoding enc = IniEncoding::of(s->bytes);
        if (const std::optional<QByteArray> value = textValue(lookup(s->bytes, enc, section, key)))
            return enc.decode(*value);
    }
    fillDefault(section, key, def);
    return def;
}

void ConfigFile::fillDefault(const QString& section, const QString& key, const QString& def) const
{
    if (pending_)
        pending_->bytes = withValue(pending_->bytes, section, key, def);
    else
        WriteIniText(section, key, def);
}

std::optional<QString> ConfigFile::PeekIniText(const QString& section, const QString& key) const
{
    const std::optional<Snapshot> s = current();
    if (!s)
        return std::nullopt;
    const IniEncoding enc = IniEncoding::of(s->bytes);
    const std::optional<QByteArray> value = textValue(lookup(s->bytes, enc, section, key));
    if (!value)
        return std::nullopt;
    return enc.decode(*value);
}

std::int16_t ConfigFile::ReadIniInt(const QString& section, const QString& key, std::int16_t def) const
{
    const std::optional<Snapshot> s = current();
    const std::optional<QByteArray> value =
        s ? lookup(s->bytes, IniEncoding::of(s->bytes), section, key) : std::nullopt;
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
    // A file that is there but cannot be read is not replaced: its content would be lost.
    const std::optional<Snapshot> s = current();
    if (!s) {
        writeFailed_ = writeFailed_ || savingDepth_ > 0;
        return false;
    }
    const QByteArray updated = withValue(s->bytes, section, key, value);
    if (savingDepth_ > 0 && pending_) {
        pending_->bytes = updated;
        return true;
    }
    const bool ok = updated == s->disk || store(s->at, updated);
    if (ok && pending_)
        pending_->disk = pending_->bytes = updated;
    return ok;
}

bool ConfigFile::WriteIniInt(const QString& section, const QString& key, std::int16_t value) const
{
    return WriteIniText(section, key, QString::number(value));
}

void ConfigFile::RemoveStaleTempFiles() const
{
    AtomicFile::removeLeftovers(locate().path);
}

ConfigFile::DefaultsBatch::DefaultsBatch(const ConfigFile& config) : config_(config)
{
    ++config_.batchDepth_;
}

ConfigFile::DefaultsBatch::~DefaultsBatch()
{
    commit();
}

void ConfigFile::DefaultsBatch::commit()
{
    if (done_)
        return;
    done_ = true;
    config_.endBatch();
}

bool ConfigFile::flush() const
{
    if (!pending_ || pending_->bytes == pending_->disk)
        return true;
    if (!store(pending_->at, pending_->bytes))
        return false;
    pending_->disk = pending_->bytes;
    return true;
}

void ConfigFile::endBatch() const
{
    if (--batchDepth_ > 0)
        return;
    flush();
    pending_.reset();
}

ConfigFile::SaveBatch::SaveBatch(const ConfigFile& config) : config_(config)
{
    if (config_.savingDepth_++ == 0)
        config_.writeFailed_ = false;
    ++config_.batchDepth_;
}

ConfigFile::SaveBatch::~SaveBatch()
{
    if (!done_)
        finish(false);
}

bool ConfigFile::SaveBatch::commit()
{
    return !done_ && finish(true);
}

bool ConfigFile::SaveBatch::finish(bool keep)
{
    done_ = true;
    const bool ok = keep && !config_.writeFailed_ && config_.flush();
    // What was not saved is dropped: the file keeps its old bytes.
    if (!ok && config_.pending_)
        config_.pending_->bytes = config_.pending_->disk;
    --config_.savingDepth_;
    config_.endBatch();
    return ok;
}

void ConfigFile::setBatching(bool on)
{
    batching = on;
}
