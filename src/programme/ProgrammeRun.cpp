#include "programme/ProgrammeRun.h"

#include "core/Commands.h"
#include "core/TimingJournal.h"
#include "core/TimingRecord.h"
#include "core/TimingSession.h"
#include "core/UserText.h"
#include "programme/Programme.h"

#include <QCoreApplication>

bool SpeakerOffered(int row, int size, CommandOffer schemeSwitch)
{
    return size > 0 && row >= 0 && row < size && schemeSwitch.offered();
}

ProgrammeRun::ProgrammeRun(Programme& programme, TimingSession& session, Commands& commands)
    : programme_(programme), session_(session), commands_(commands), phase_(session.Phase())
{
    if (const Speaker* s = programme_.CurrentSpeaker())
        shownCurrent_ = s->id;
    const auto direct = Qt::DirectConnection;
    connect(&programme_, &Programme::currentChanged, this, &ProgrammeRun::CurrentChanged, direct);
    connect(&programme_, &Programme::changed, this, &ProgrammeRun::displayChanged, direct);
    connect(&programme_, &Programme::currentChanged, this, &ProgrammeRun::displayChanged, direct);
    connect(&session_, &TimingSession::phaseChanged, this, &ProgrammeRun::PhaseChanged, direct);
    connect(&session_, &TimingSession::timingEnded, this, &ProgrammeRun::TimingEnded, direct);
    connect(&session_, &TimingSession::textsChanged, this, &ProgrammeRun::displayChanged, direct);
    // A debate scheme shows its sides instead of the programme's speaker.
    connect(&session_, &TimingSession::schemeNumberChanged, this, &ProgrammeRun::displayChanged, direct);
    connect(&session_, &TimingSession::debateChanged, this, [this] {
        if (session_.IsDebate() != debateShown_)
            emit displayChanged();
    }, direct);
}

bool TimedAsSpeaker(int speakerScheme, int scheme, bool debate)
{
    return !debate && (speakerScheme == 0 || speakerScheme == scheme);
}

bool ProgrammeRun::SpeakerRowOffered(int row) const
{
    return SpeakerOffered(row, programme_.Size(), session_.Offered(CommandId::NextSpeaker));
}

bool ProgrammeRun::NextOffered() const
{
    return programme_.Current() >= 0 && SpeakerRowOffered(programme_.Current() + 1);
}

bool ProgrammeRun::Next()
{
    return NextOffered() && GoTo(programme_.Current() + 1);
}

bool ProgrammeRun::GoTo(int row)
{
    if (!SpeakerRowOffered(row))
        return false;
    programme_.SetCurrent(row);
    return true;
}

void ProgrammeRun::CurrentChanged()
{
    const Speaker* s = programme_.CurrentSpeaker();
    const quint64 id = s ? s->id : 0;
    if (id == shownCurrent_)
        return;
    shownCurrent_ = id;
    // A message was for the speaker who stood before: the next one starts without it.
    commands_.SetSpeakerMessage(QString());
    // The speaker's scheme becomes the current one, as the menu switches it: only while no
    // timing runs, so that a change of the list during a speech leaves the counter alone.
    if (s && s->scheme && s->scheme != session_.FangAnId() && session_.Offered(SchemeCommand(s->scheme)).offered())
        commands_.Run(SchemeCommand(s->scheme));
}

void ProgrammeRun::PhaseChanged(TimingPhase phase)
{
    // A timing that starts from rest belongs to the current speaker when it is their speech (their
    // scheme, not a debate); one started again over its overtime stays with the same one.
    if (phase_ == TimingPhase::Idle && phase == TimingPhase::Running) {
        const Speaker* s = programme_.CurrentSpeaker();
        if (s && !TimedAsSpeaker(s->scheme, session_.FangAnId(), session_.IsDebate()))
            s = nullptr;
        timedId_ = s ? s->id : 0;
        timedName_ = s ? s->name : QString();
        timedTitle_ = s ? s->title : QString();
    }
    phase_ = phase;
}

void ProgrammeRun::NameRecord(TimingRecord& record) const
{
    // Any other timing keeps the name the session gave it (a debate's sides, or none).
    if (timedId_ == 0)
        return;
    record.speaker = timedName_;
    record.speakerTitle = timedTitle_;
}

void ProgrammeRun::NameJournal(TimingJournal& journal) const
{
    NameRecord(journal.record);
    journal.speakerRow = timedId_ ? programme_.RowOf(timedId_) : -1;
}

void ProgrammeRun::AdoptCutOff(const TimingJournal& journal)
{
    const int row = journal.speakerRow;
    const bool same = row >= 0 && row < programme_.Size() && programme_.Speakers()[row].name == journal.record.speaker
                      && programme_.Speakers()[row].title == journal.record.speakerTitle;
    timedId_ = same ? programme_.Speakers()[row].id : 0;
    timedName_ = same ? journal.record.speaker : QString();
    timedTitle_ = same ? journal.record.speakerTitle : QString();
}

void ProgrammeRun::TimingEnded(const TimingRecord& record)
{
    if (timedId_ == 0)
        return;
    // The whole time the speaker spoke: pauses left out, overtime included.
    programme_.SetSpoken(timedId_, record.countedSeconds + record.overtimeSeconds.value_or(0), record.result);
}

QString ProgrammeRun::TitleInMarks(const QString& title)
{
    // A title typed with its own marks around it keeps them and gets no second pair.
    static const QString pairs[] = {QStringLiteral("《》"), QStringLiteral("“”"), QStringLiteral("\"\""), QStringLiteral("「」")};
    const QString t = title.trimmed();
    for (const QString& p : pairs)
        if (t.size() > 2 && t.startsWith(p[0]) && t.endsWith(p[1]))
            return t;
    const QString marks = QCoreApplication::translate("ProgrammeRun", "《%1》");
    // Inside the English double quotes, quotes within the title become single ones.
    QString inner = t;
    if (marks.contains(u'“'))
        inner.replace(u'“', u'‘').replace(u'”', u'’');
    return marks.arg(inner);
}

QString ProgrammeRun::DisplayTitle() const
{
    debateShown_ = session_.IsDebate();
    const Speaker* s = programme_.CurrentSpeaker();
    if (!s || debateShown_)
        return QString();
    QString text = QCoreApplication::translate("ProgrammeRun", "第%1位 %2").arg(programme_.Current() + 1).arg(Isolated(s->name));
    if (!s->title.isEmpty())
        text += TitleInMarks(Isolated(s->title));
    return text;
}

QString ProgrammeRun::NextLine() const
{
    const int next = programme_.Current() + 1;
    if (programme_.Current() < 0 || next >= programme_.Size() || session_.IsDebate())
        return QString();
    return QCoreApplication::translate("ProgrammeRun", "下一位：%1").arg(Isolated(programme_.Speakers()[next].name));
}
