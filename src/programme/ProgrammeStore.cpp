#include "programme/ProgrammeStore.h"

#include "config/AtomicFile.h"
#include "config/RegularFile.h"
#include "core/RecordPage.h"
#include "core/TimingRecord.h"
#include "programme/SpeakerLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>

namespace {

const char* const kHeader[] = {"序号", "姓名", "题目", "方案", "用时", "结果", "当前", "重计"};
enum Column { NumberColumn, NameColumn, TitleColumn, SchemeColumn, SpokenColumn, ResultColumn, CurrentColumn,
              RetimedColumn, Columns };

QStringList Header()
{
    QStringList h;
    for (const char* title : kHeader)
        h << QString::fromUtf8(title);
    return h;
}

// One stored row; false when a field is not what the column holds.
bool ParseRow(const QStringList& f, Speaker& s, bool& current)
{
    if (f.size() > Columns || f.value(NameColumn).isEmpty())
        return false;
    s.name = TypedText(f[NameColumn]);
    s.title = TypedText(f.value(TitleColumn));
    const QString scheme = f.value(SchemeColumn);
    if (!scheme.isEmpty()) {
        if (scheme.size() != 1 || scheme[0] < u'1' || scheme[0] > u'5')
            return false;
        s.scheme = scheme[0].unicode() - u'0';
    }
    if (const QString spoken = f.value(SpokenColumn); !spoken.isEmpty()) {
        s.spoken = SpokenSeconds(spoken);
        if (!s.spoken)
            return false;
    }
    s.result = f.value(ResultColumn);
    current = f.value(CurrentColumn) == QLatin1String("*");
    s.retimed = f.value(RetimedColumn) == QLatin1String("*");
    return true;
}
} // namespace

QByteArray ProgrammeBytes(const Programme& programme)
{
    QString text = CsvLine(Header());
    const QList<Speaker>& list = programme.Speakers();
    for (int i = 0; i < list.size(); ++i) {
        const Speaker& s = list[i];
        text += CsvLine({QString::number(i + 1), SpreadsheetText(s.name), SpreadsheetText(s.title), s.scheme ? QString::number(s.scheme) : QString(),
                         s.spoken ? SpokenText(*s.spoken) : QString(), s.result,
                         i == programme.Current() ? QStringLiteral("*") : QString(),
                         s.retimed ? QStringLiteral("*") : QString()});
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

bool ParseProgrammeBytes(const QByteArray& bytes, QList<Speaker>& speakers, int& current, QString& problem)
{
    speakers.clear();
    current = 0;
    if (bytes.contains('\0')) {
        problem = QCoreApplication::translate("ProgrammeStore", "不是文本文件");
        return false;
    }
    const QString text = DecodeSpeakerFile(bytes);
    const QList<QStringList> rows = ParseCsv(text);
    if (rows.isEmpty() || rows[0].value(0) != QString::fromUtf8(kHeader[0])) {
        // The import form, placed there by hand: every line must be a speaker.
        SpeakerLines lines = ParseSpeakerLines(text);
        if (!lines.skipped.isEmpty()) {
            problem = lines.skipped;
            return false;
        }
        speakers = std::move(lines.speakers);
    } else {
        for (int i = 1; i < rows.size(); ++i) {
            Speaker s;
            bool isCurrent = false;
            if (!ParseRow(rows[i], s, isCurrent)) {
                problem = QCoreApplication::translate("ProgrammeStore", "第 %1 行无法读取").arg(i + 1);
                speakers.clear();
                return false;
            }
            if (isCurrent)
                current = int(speakers.size());
            speakers << s;
        }
    }
    if (speakers.size() > kMaxSpeakers) {
        problem = QCoreApplication::translate("ProgrammeStore", "多于 %1 位选手").arg(kMaxSpeakers);
        speakers.clear();
        current = 0;
        return false;
    }
    return true;
}

ProgrammeStore::ProgrammeStore(QString path, Programme& programme) : path_(std::move(path)), programme_(programme) {}

bool ProgrammeStore::Load()
{
    problem_.clear();
    if (path_.isEmpty())
        return true;
    AtomicFile::removeLeftovers(path_);
    const QFileInfo info(path_);
    QList<Speaker> speakers;
    int current = 0;
    if (info.exists() || info.isSymLink()) {
        const std::optional<QByteArray> bytes = ReadRegularFile(path_, kMaxBytes);
        if (!bytes)
            problem_ = info.isFile() && info.size() > kMaxBytes
                           ? QCoreApplication::translate("ProgrammeStore", "文件太大")
                           : QCoreApplication::translate("ProgrammeStore", "不是可以读取的普通文件");
        else
            ParseProgrammeBytes(*bytes, speakers, current, problem_);
    }
    if (!problem_.isEmpty()) {
        problem_ = QCoreApplication::translate("ProgrammeStore", "无法读取比赛名单 %1：%2。该文件保持原样，本次不使用比赛名单。")
                       .arg(QDir::toNativeSeparators(path_), problem_);
        std::fprintf(stderr, "Horalto: %s\n", problem_.toLocal8Bit().constData());
        return false;
    }
    programme_.Replace(std::move(speakers), current);
    connect(&programme_, &Programme::changed, this, &ProgrammeStore::Save, Qt::UniqueConnection);
    connect(&programme_, &Programme::currentChanged, this, &ProgrammeStore::Save, Qt::UniqueConnection);
    return true;
}

bool ProgrammeStore::Save()
{
    if (path_.isEmpty() || !Usable())
        return false;
    QByteArray bytes = ProgrammeBytes(programme_);
    if (bytes == written_) { // the file holds what is shown
        SetWriteProblem(QString());
        return true;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (AtomicFile::replace(path_, bytes)) {
        written_ = std::move(bytes);
        SetWriteProblem(QString());
        return true;
    }
    std::fprintf(stderr, "Horalto: cannot write the programme to %s\n", QFile::encodeName(path_).constData());
    ++failedWrites_;
    SetWriteProblem(QCoreApplication::translate("ProgrammeStore", "无法保存比赛名单 %1（文件只读或磁盘已满？）：最近的更改只在屏幕上，重新启动后会丢失；每次更改都会再试")
                        .arg(QDir::toNativeSeparators(path_)));
    return false;
}

void ProgrammeStore::SetWriteProblem(const QString& problem)
{
    if (problem == writeProblem_)
        return;
    writeProblem_ = problem;
    emit writeProblemChanged();
}
