#pragma once
// The programme at work beside the timing session: who is timed, the time each speaker spoke,
// the scheme of a speaker who becomes current, the name on the displays, and 下一位.
#include "core/OfferedCommands.h"

#include <QObject>
#include <QString>

class Commands;
struct TimingJournal;
class Programme;
class TimingSession;
struct TimingRecord;

// Whether 下一位 or "speaker N" can go to `row` (0-based) of a programme of `size` speakers: the
// row exists and no timing runs (`schemeSwitch`, the rule of the scheme switch, says so).
bool SpeakerOffered(int row, int size, CommandOffer schemeSwitch);

// Whether a timing of the scheme `scheme` is the speech of a speaker whose own scheme is
// `speakerScheme` (0: any): a debate is nobody's speech.
bool TimedAsSpeaker(int speakerScheme, int scheme, bool debate);

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
    // programme or in a debate scheme, where the scheme title (and the sides) show. The name and
    // the title each isolated, so that neither reorders the words around it.
    QString DisplayTitle() const;
    // A speech title in the marks of the language (《…》, “…”), never in a second pair.
    static QString TitleInMarks(const QString& title);
    // "下一位：李四"; empty when nobody follows.
    QString NextLine() const;
    // The name and title of the speaker the ended timing belonged to into its record; a timing
    // that was no speaker's keeps what it has.
    void NameRecord(TimingRecord& record) const;
    // The same for the journal of the running timing, with the speaker's row.
    void NameJournal(TimingJournal& journal) const;
    // A timing cut off by the program's last end belongs to the speaker its journal names, when
    // that row still holds them: the next record (the cut-off one) is theirs.
    void AdoptCutOff(const TimingJournal& journal);

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
    mutable bool debateShown_ = false; // the displays were last told of a debate scheme
};
