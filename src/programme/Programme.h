#pragma once
// The contest programme: the speakers in running order, who is current, and what each has
// spoken. It knows no window and no file; the store and the views follow its signals.
#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

class Random;

struct Speaker {
    QString name;
    QString title;
    int scheme = 0;                        // 1..5; 0: the current scheme
    std::optional<std::int32_t> spoken;    // seconds of the last timing: nothing before the first
    QString result;
    bool retimed = false;                  // timed again after a first time: records.csv keeps each
    quint64 id = 0;                        // stays with the speaker through moves and draws
    bool operator==(const Speaker& o) const
    {
        return name == o.name && title == o.title && scheme == o.scheme && spoken == o.spoken && result == o.result && retimed == o.retimed;
    }
};

class Programme : public QObject {
    Q_OBJECT
public:
    const QList<Speaker>& Speakers() const { return speakers_; }
    int Size() const { return int(speakers_.size()); }
    bool Empty() const { return speakers_.isEmpty(); }
    // The current row, -1 when the programme is empty.
    int Current() const { return current_; }
    const Speaker* CurrentSpeaker() const { return current_ >= 0 ? &speakers_[current_] : nullptr; }
    // The row of the speaker with `id`, -1 when there is none.
    int RowOf(quint64 id) const;

    // The whole programme at once (the store's read): the current row is kept in range.
    void Replace(QList<Speaker> speakers, int current);
    // Speakers added at the end; the first of them is current when nobody was.
    void Append(const QList<Speaker>& speakers);
    void Remove(int row);
    // Moves the row one place up (-1) or down (+1); false at an end.
    bool Move(int row, int delta);
    void Clear();
    void SetCurrent(int row);
    void SetName(int row, const QString& name);
    void SetTitle(int row, const QString& title);
    void SetScheme(int row, int scheme);
    // The time a speaker spoke, replacing an earlier one (the speaker is then marked re-timed);
    // nothing when the speaker has gone.
    void SetSpoken(quint64 id, std::int32_t seconds, const QString& result);
    // A new running order for those who have not spoken yet, drawn with `random`; those who have
    // spoken keep their places. A current speaker who has spoken stays current; otherwise the
    // first one drawn is current.
    void Shuffle(Random& random);

signals:
    // Rows, texts or times changed (the current row may have too).
    void changed();
    // Another speaker is current (or none); after changed() when both happen, alone when only
    // the current row moved (SetCurrent).
    void currentChanged();

private:
    void Changed(quint64 currentBefore);
    quint64 CurrentId() const { return current_ >= 0 ? speakers_[current_].id : 0; }
    Speaker& Stamped(Speaker s);

    QList<Speaker> speakers_;
    int current_ = -1;
    quint64 nextId_ = 1;
};

// A time spoken as the programme shows it: "0:05:07".
QString SpokenText(std::int32_t seconds);
// The seconds of "H:MM:SS"; nothing for any other text.
std::optional<std::int32_t> SpokenSeconds(const QString& text);
