#include "core/TimingJournal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr int kJournalVersion = 1;
// A day: no timing is longer, so no journal holds more.
constexpr qint64 kMostMs = 86400LL * 1000;

QJsonValue Optional(const std::optional<std::int32_t>& v) { return v ? QJsonValue(*v) : QJsonValue(); }

std::optional<std::int32_t> OptionalInt(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        return std::nullopt;
    return std::int32_t(qBound<qint64>(-kMostMs, qint64(v.toDouble()), kMostMs));
}

std::int32_t Int(const QJsonObject& o, const char* key) { return OptionalInt(o, key).value_or(0); }
} // namespace

QByteArray JournalBytes(const TimingJournal& j)
{
    const TimingRecord& r = j.record;
    QJsonObject o{{"version", kJournalVersion},
                  {"start", r.start.toString(Qt::ISODateWithMs)},
                  {"written", r.end.toString(Qt::ISODateWithMs)},
                  {"scheme", r.scheme},
                  {"title", r.title},
                  {"length", r.lengthSeconds},
                  {"direction", r.direction},
                  {"counted", r.countedSeconds},
                  {"pauses", r.pauses},
                  {"paused", r.pausedSeconds},
                  {"overtimeSeconds", Optional(r.overtimeSeconds)},
                  {"speaker", r.speaker},
                  {"speakerTitle", r.speakerTitle},
                  {"result", r.result},
                  {"adjust", Optional(r.adjustSeconds)},
                  {"isPaused", j.paused},
                  {"overtime", j.overtime},
                  {"row", j.speakerRow}};
    if (r.sideSeconds)
        o.insert("debate", QJsonObject{{"sides", QJsonArray{(*r.sideSeconds)[0], (*r.sideSeconds)[1]}},
                                       {"ms", QJsonArray{double(j.sideMs[0]), double(j.sideMs[1])}},
                                       {"floor", j.floor}});
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<TimingJournal> ParseJournal(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject o = doc.object();
    if (error.error != QJsonParseError::NoError || Int(o, "version") != kJournalVersion)
        return std::nullopt;
    TimingJournal j;
    TimingRecord& r = j.record;
    r.start = QDateTime::fromString(o.value("start").toString(), Qt::ISODateWithMs);
    r.end = QDateTime::fromString(o.value("written").toString(), Qt::ISODateWithMs);
    r.scheme = Int(o, "scheme");
    r.lengthSeconds = Int(o, "length");
    r.direction = std::int16_t(Int(o, "direction"));
    r.countedSeconds = Int(o, "counted");
    if (!r.start.isValid() || !r.end.isValid() || r.scheme < 1 || r.scheme > 5 || r.lengthSeconds < 0
        || r.countedSeconds < 0)
        return std::nullopt;
    r.ending = TimingEnd::Interrupted;
    r.title = o.value("title").toString();
    r.pauses = Int(o, "pauses");
    r.pausedSeconds = Int(o, "paused");
    r.overtimeSeconds = OptionalInt(o, "overtimeSeconds");
    r.speaker = o.value("speaker").toString();
    r.speakerTitle = o.value("speakerTitle").toString();
    r.result = o.value("result").toString();
    r.adjustSeconds = OptionalInt(o, "adjust");
    j.paused = o.value("isPaused").toBool();
    j.overtime = o.value("overtime").toBool();
    j.speakerRow = OptionalInt(o, "row").value_or(-1);
    if (o.contains("debate")) {
        const QJsonObject d = o.value("debate").toObject();
        const QJsonArray sides = d.value("sides").toArray();
        const QJsonArray ms = d.value("ms").toArray();
        j.floor = d.value("floor").toInt();
        if (sides.size() != 2 || ms.size() != 2 || (j.floor != 0 && j.floor != 1))
            return std::nullopt;
        r.sideSeconds = std::array<std::int32_t, 2>{sides[0].toInt(), sides[1].toInt()};
        for (int side = 0; side < 2; ++side)
            j.sideMs[side] = qBound<qint64>(0, qint64(ms[side].toDouble()), kMostMs);
    }
    return j;
}

CutOffRecovery DecideRecovery(const TimingJournal& j, const QDateTime& now)
{
    const TimingRecord& r = j.record;
    const qint64 away = r.end.msecsTo(now);
    const qint64 went = j.paused ? 0 : away;
    CutOffRecovery c;
    c.sideMs = j.sideMs;
    c.countedSeconds = r.countedSeconds;
    if (away < 0 || j.overtime)
        return c;
    const qint64 lengthMs = qint64(r.lengthSeconds) * 1000;
    if (r.sideSeconds) {
        c.sideMs[j.floor] += went;
        c.canContinue = c.sideMs[j.floor] < lengthMs;
    } else if (r.direction == 0 || r.direction == 1) {
        const qint64 counted = qint64(r.countedSeconds) * 1000 + went;
        c.canContinue = counted < lengthMs;
        if (c.canContinue)
            c.countedSeconds = std::int32_t(counted / 1000);
    } else {
        c.canContinue = true;
    }
    if (!c.canContinue)
        c.sideMs = j.sideMs;
    return c;
}
