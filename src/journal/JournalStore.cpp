#include "journal/JournalStore.h"

#include "config/AtomicFile.h"
#include "config/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
// A journal is a few hundred bytes; names and titles are bounded where they are entered.
constexpr qint64 kMaxJournalBytes = 256 * 1024;
} // namespace

JournalStore::JournalStore(QString path) : path_(std::move(path)) {}

QString JournalStore::PathBeside(const QString& recordsPath)
{
    return recordsPath.isEmpty() ? QString() : QFileInfo(recordsPath).absolutePath() + QStringLiteral("/journal.json");
}

std::optional<TimingJournal> JournalStore::Read() const
{
    if (path_.isEmpty())
        return std::nullopt;
    AtomicFile::removeLeftovers(path_);
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    const std::optional<QByteArray> bytes = ReadRegularFile(path_, kMaxJournalBytes);
    std::optional<TimingJournal> journal = bytes ? ParseJournal(*bytes) : std::nullopt;
    if (!journal && info.isFile()) {
        const QString aside = path_ + QStringLiteral(".bad");
        QFile::remove(aside);
        QFile::rename(path_, aside);
        std::fprintf(stderr, "Horalto: %s is not a timing journal; it was put aside as %s\n",
                     QFile::encodeName(path_).constData(), QFile::encodeName(aside).constData());
    }
    return journal;
}

bool JournalStore::Write(const TimingJournal& journal) const
{
    if (path_.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (AtomicFile::replace(path_, JournalBytes(journal)))
        return true;
    std::fprintf(stderr, "Horalto: cannot write the timing journal %s\n", QFile::encodeName(path_).constData());
    return false;
}

void JournalStore::Remove() const
{
    if (!path_.isEmpty())
        QFile::remove(path_);
}
