#include "programme/Programme.h"

#include "platform/Random.h"

#include <QRegularExpression>
#include <utility>

int Programme::RowOf(quint64 id) const
{
    for (int i = 0; i < Size(); ++i)
        if (speakers_[i].id == id)
            return i;
    return -1;
}

Speaker& Programme::Stamped(Speaker s)
{
    s.id = nextId_++;
    speakers_.append(std::move(s));
    return speakers_.last();
}

void Programme::Changed(quint64 currentBefore)
{
    emit changed();
    if (CurrentId() != currentBefore)
        emit currentChanged();
}

void Programme::Replace(QList<Speaker> speakers, int current)
{
    const quint64 before = CurrentId();
    speakers_.clear();
    for (Speaker& s : speakers)
        Stamped(std::move(s));
    current_ = speakers_.isEmpty() ? -1 : std::clamp(current, 0, Size() - 1);
    // A new programme: its current speaker is another one even where the id repeats.
    emit changed();
    if (before != 0 || current_ >= 0)
        emit currentChanged();
}

void Programme::Append(const QList<Speaker>& speakers)
{
    const quint64 before = CurrentId();
    speakers_.reserve(speakers_.size() + speakers.size());
    for (const Speaker& s : speakers)
        Stamped(s);
    if (current_ < 0 && !speakers_.isEmpty())
        current_ = 0;
    Changed(before);
}

void Programme::Remove(int row)
{
    if (row < 0 || row >= Size())
        return;
    const quint64 before = CurrentId();
    speakers_.removeAt(row);
    // The current speaker gone: the one who followed is current (the last row's predecessor at
    // the end).
    if (row < current_ || current_ >= Size())
        --current_;
    if (speakers_.isEmpty())
        current_ = -1;
    Changed(before);
}

bool Programme::Move(int row, int delta)
{
    const int to = row + delta;
    if (row < 0 || row >= Size() || to < 0 || to >= Size())
        return false;
    const quint64 before = CurrentId();
    speakers_.swapItemsAt(row, to);
    if (current_ == row)
        current_ = to;
    else if (current_ == to)
        current_ = row;
    Changed(before);
    return true;
}

void Programme::Clear()
{
    const quint64 before = CurrentId();
    speakers_.clear();
    current_ = -1;
    Changed(before);
}

void Programme::SetCurrent(int row)
{
    if (row < 0 || row >= Size() || row == current_)
        return;
    current_ = row;
    emit currentChanged();
}

void Programme::SetName(int row, const QString& name)
{
    if (row < 0 || row >= Size() || speakers_[row].name == name)
        return;
    speakers_[row].name = name;
    emit changed();
}

void Programme::SetTitle(int row, const QString& title)
{
    if (row < 0 || row >= Size() || speakers_[row].title == title)
        return;
    speakers_[row].title = title;
    emit changed();
}

void Programme::SetScheme(int row, int scheme)
{
    if (row < 0 || row >= Size() || scheme < 0 || scheme > 5 || speakers_[row].scheme == scheme)
        return;
    speakers_[row].scheme = scheme;
    emit changed();
}

void Programme::SetSpoken(quint64 id, std::int32_t seconds, const QString& result)
{
    const int row = RowOf(id);
    if (row < 0)
        return;
    if (speakers_[row].spoken)
        speakers_[row].retimed = true;
    speakers_[row].spoken = seconds;
    speakers_[row].result = result;
    emit changed();
}

void Programme::Shuffle(Random& random)
{
    QList<int> open; // rows of those who have not spoken, in order
    for (int i = 0; i < Size(); ++i)
        if (!speakers_[i].spoken)
            open << i;
    if (open.size() < 2)
        return;
    const quint64 before = CurrentId();
    const bool currentOpen = current_ >= 0 && !speakers_[current_].spoken;
    QList<Speaker> drawn;
    drawn.reserve(open.size());
    for (const int i : open)
        drawn << speakers_[i];
    // Fisher-Yates over the open places.
    for (int i = int(drawn.size()) - 1; i > 0; --i)
        drawn.swapItemsAt(i, random.between(0, i));
    for (int k = 0; k < open.size(); ++k)
        speakers_[open[k]] = drawn[k];
    // A current speaker who has not spoken yet gives way to the first one drawn.
    if (before != 0)
        current_ = currentOpen ? open.first() : RowOf(before);
    Changed(before);
}

QString SpokenText(std::int32_t seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

std::optional<std::int32_t> SpokenSeconds(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4}):([0-5]\\d):([0-5]\\d)$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt() * 3600 + m.captured(2).toInt() * 60 + m.captured(3).toInt();
}
