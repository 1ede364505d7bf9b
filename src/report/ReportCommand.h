#pragma once
// "horalto report FILE": the contest report written from the stored programme and records,
// whether or not the program runs, without a display.
#include <QString>

// The report into `file` (.pdf or .csv; a relative name from the working folder), in the
// language config.ini keeps. 0 when written; 1 after a line on standard error saying why not.
// Makes its own (window-less) application object from `argc` and `argv`.
int RunReportCommand(int& argc, char** argv, const QString& file);

// The programme file kept beside the records file (records.csv), empty without one.
QString ProgrammePathBeside(const QString& recordsPath);
