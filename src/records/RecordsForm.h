#pragma once
#include "windows/FramedDialog.h"

#include <QStringList>
#include <vector>

class Clock;
class Desktop;
class Dialogs;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class RecordStore;

// The records window "计时记录": every timing kept in records.csv, newest first, today's or all
// of them; copies records as plain text, opens the records' folder, empties the records (the
// old file kept as records.csv.bak). It follows the file while it is open and does not hold the
// program up: timings and hotkeys go on.
class RecordsForm : public FramedDialog {
    Q_OBJECT
public:
    RecordsForm(RecordStore& records, Desktop& desktop, Dialogs& dialogs, const Clock& clock);

    // Shown (or raised) with the records read afresh.
    void Form_Show();
    // The records of the file into the list, by the filter.
    void LoadRecords();
    void CopyRecords_Click();
    void OpenFolder_Click();
    void ClearRecords_Click();

    QRadioButton* Today = nullptr;
    QRadioButton* All = nullptr;
    QLabel* FileLabel = nullptr;
    QTableWidget* RecordList = nullptr;
    QPushButton* CopyRecords = nullptr;
    QPushButton* OpenFolder = nullptr;
    QPushButton* ClearRecords = nullptr;
    QPushButton* CloseMe = nullptr;

    // The records listed, in the list's order (newest first), each as its fields.
    const std::vector<QStringList>& Shown() const { return shown_; }

protected:
    void RetranslateUi() override;

private:
    RecordStore& records_;
    Desktop& desktop_;
    Dialogs& dialogs_;
    const Clock& clock_;
    std::vector<QStringList> shown_;
};
