#pragma once
#include "core/RecordPage.h"
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
// old file kept as a backup beside it, records.csv.bak or the next free records.csv.bak.N). It
// follows the file while it is open and does not hold the program up: the file is read off the
// GUI thread, from its end, a page of records at a time as the list is scrolled down, and what
// was read is let go when the window closes.
class RecordsForm : public FramedDialog {
    Q_OBJECT
public:
    RecordsForm(RecordStore& records, Desktop& desktop, Dialogs& dialogs, const Clock& clock);

    // Shown (or raised) with the records read afresh.
    void Form_Show();
    // The newest records of the file into the list, by the filter (they arrive soon after).
    void LoadRecords();
    // Whether records are still on their way into the list.
    bool Loading() const { return loading_; }
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
    void hideEvent(QHideEvent* e) override;

private:
    RecordStore& records_;
    Desktop& desktop_;
    Dialogs& dialogs_;
    const Clock& clock_;
    // Reads the page of records that ends at `end` (-1: the newest) off the GUI thread.
    void Fetch(qint64 end);
    void Received(int generation, RecordPage& page);
    // The records listed from row `first` on into the list.
    void ShowRows(int first);
    // Lets the records read go (the window closed, or they are read anew).
    void Forget();

    std::vector<QStringList> shown_;
    qint64 older_ = 0;   // where the next page back ends; 0: none
    int generation_ = 0; // pages fetched for an earlier list are dropped
    bool loading_ = false;
};
