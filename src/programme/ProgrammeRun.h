#pragma once
// The programme at work beside the timing session: who is timed, the time each speaker spoke,
// the scheme of a speaker who becomes current, the name on the displays, and 下一位.
#include "core/OfferedCommands.h"

#include <QObject>
#include <QString>

class Commands;
class Programme;
class TimingSession;
struct TimingRecord;

// Whether 下一位 or "speaker N" can go to `row` (0-based) of a programme of `size` speakers: the
// row exists and no timing runs (`schemeSwitch`, the rule of the scheme switch, says so).
bool SpeakerOffered(int row, int size, CommandOffer schemeSwitch);

class ProgrammeRun : public QObject {
    Q_OBJECT
public:
    ProgrammeRun(Programme& programme, TimingSession& session, Commands& commands);

    Programme& programme() { return programme_; }
    // 下一位: offered now, and made so.
    bool NextOffered() const;
    bool Next();
    // The speaker in `row` (0-based) made current when that is offered; whether it was.
    bool SpeakerRowOffered(int row) const;
    bool GoTo(int row);

    // The current speaker as the displays show it ("第3位 张三《我的梦想》"); empty without a
    // programme, where the scheme title shows.
    QString DisplayTitle() const;
    // A speech title in the marks of the language (《…》, “…”), never in a second pair.
    static QString TitleInMarks(const QString& title);
    // "下一位：李四"; empty when nobody follows.
    QString NextLine() const;
    // The name and title of the speaker the ended timing belonged to into its record.
    void NameRecord(TimingRecord& record) const;

signals:
    // DisplayTitle or NextLine may have changed.
    void displayChanged();

private:
    void CurrentChanged();
    void PhaseChanged(TimingPhase phase);
    void TimingEnded(const TimingRecord& record);

    Programme& programme_;
    TimingSession& session_;
    Commands& commands_;
    quint64 shownCurrent_ = 0;   // the speaker whose scheme was last applied
    TimingPhase phase_;
    // The speaker the timing on the counter belongs to, as it was when it started.
    quint64 timedId_ = 0;
    QString timedName_;
    QString timedTitle_;
};
