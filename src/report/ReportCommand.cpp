#include "report/ReportCommand.h"

#include "config/AtomicFile.h"
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "config/RegularFile.h"
#include "core/Language.h"
#include "core/TimingRecord.h"
#include "platform/ProgramEnv.h"
#include "platform/records/RecordStore.h"
#include "programme/ProgrammeStore.h"
#include "report/ContestReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

int Fail(const QString& why)
{
    std::fprintf(stderr, "%s\n", (QStringLiteral("horalto: ") + why).toLocal8Bit().constData());
    return 1;
}
} // namespace

QString ProgrammePathBeside(const QString& recordsPath)
{
    return recordsPath.isEmpty() ? QString() : QFileInfo(recordsPath).absolutePath() + QStringLiteral("/programme.csv");
}

int RunReportCommand(int& argc, char** argv, const QString& file)
{
    // No display is needed: the pages are laid out and drawn off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const ExecutableDir dir;
    const ConfigFile config(dir);
    ProgramTexts texts;
    texts.Use(config.FileUsable() ? ReadLanguage(config) : Language::Chinese);

    const QString target = QFileInfo(file).absoluteFilePath();
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("csv"))
        return Fail(QCoreApplication::translate("ReportCommand", "报告只能写成 .pdf 或 .csv 文件：%1").arg(file));

    if (const QString refused = FileTargetProblem(target); !refused.isEmpty())
        return Fail(QCoreApplication::translate("ReportCommand", "无法写入 %1：%2").arg(QDir::toNativeSeparators(target), refused));

    const QString recordsPath = RecordFile::DefaultPath();
    const QString programmePath = ProgrammePathBeside(recordsPath);
    QList<Speaker> speakers;
    if (!programmePath.isEmpty() && QFileInfo::exists(programmePath)) {
        const std::optional<QByteArray> bytes = ReadRegularFile(programmePath, ProgrammeStore::kMaxBytes);
        int current = 0;
        QString problem;
        if (!bytes)
            problem = QFileInfo(programmePath).size() > ProgrammeStore::kMaxBytes
                          ? QCoreApplication::translate("ProgrammeStore", "文件太大")
                          : QCoreApplication::translate("ProgrammeStore", "不是可以读取的普通文件");
        if (!bytes || !ParseProgrammeBytes(*bytes, speakers, current, problem))
            return Fail(QCoreApplication::translate("ReportCommand", "无法读取比赛名单 %1%2").arg(QDir::toNativeSeparators(programmePath),
                                                     problem.isEmpty() ? QString() : QStringLiteral("：") + problem));
    }
    if (speakers.isEmpty())
        return Fail(QCoreApplication::translate("ReportCommand", "没有比赛名单：先在“比赛名单”窗口中添加或导入选手"));

    const RecordFile records(recordsPath, CsvLine(RecordHeader()));
    // The title the user set last, as the running program's report has it.
    const QString title = config.FileUsable() ? config.PeekIniText(IniSection::TitleSet, IniKey::Title).value_or(QString()) : QString();
    ContestReport report = BuildReport(speakers, records.readAll(), title, QDate::currentDate());
    if (config.FileUsable()) {
        const int current = config.PeekIniText(IniSection::FangAnSelect, IniKey::JsFangAnId).value_or(QString()).toInt();
        report.qualifying = QualifyingText(config, speakers, current);
    }
    const QByteArray bytes = suffix == QLatin1String("pdf") ? ReportPdf(report) : ReportCsv(report);
    if (!AtomicFile::replace(target, bytes))
        return Fail(QCoreApplication::translate("ReportCommand", "无法写入 %1").arg(QDir::toNativeSeparators(target)));
    return 0;
}
