#pragma once
#include "windows/FramedDialog.h"

class Desktop;
class Dialogs;
class ProgrammeRun;
class ProgrammeStore;
class Random;
struct SpeakerLines;
struct Speaker;
class QLabel;
class QPushButton;
class QTableWidget;
class QThread;
class TimingSession;

// The programme window "比赛名单": the speakers in running order with their times, edited in
// place; adds, removes, moves, imports (a file, or lines pasted with Ctrl+V), draws the order,
// empties, and makes a speaker current. Not modal: timings and hotkeys go on while it is open.
class ProgrammeForm : public FramedDialog {
    Q_OBJECT
public:
    ProgrammeForm(ProgrammeRun& run, ProgrammeStore& store, const TimingSession& session, Dialogs& dialogs,
                  Desktop& desktop, Random& random);
    ~ProgrammeForm() override;

    // Shown (or raised).
    void Form_Show();
    void Add_Click();
    void Remove_Click();
    void Move_Click(int delta);
    void Import_Click();
    void Shuffle_Click();
    void Clear_Click();
    void SetCurrent_Click();
    // Lines in the import form added at the end; the skipped ones named in one message.
    void PasteLines(const QString& text);
    // An import file is being read; its speakers join the programme when it is done.
    bool Importing() const { return reader_ != nullptr; }

    QLabel* Problem = nullptr;
    QTableWidget* List = nullptr;
    QPushButton* Add = nullptr;
    QPushButton* Remove = nullptr;
    QPushButton* MoveUp = nullptr;
    QPushButton* MoveDown = nullptr;
    QPushButton* Import = nullptr;
    QPushButton* Shuffle = nullptr;
    QPushButton* ClearAll = nullptr;
    QPushButton* SetCurrent = nullptr;
    QPushButton* Report = nullptr; // "报告...": the contest report's preview
    QPushButton* CloseMe = nullptr;

signals:
    // "报告..." pressed: the report of the programme is asked for.
    void reportRequested();

protected:
    void RetranslateUi() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The programme into the table, the current row marked.
    void LoadRows();
    // Only the current row's mark moved: the two rows concerned.
    void MarkCurrent();
    void ShowRow(int row);
    // Speakers read from a file or pasted join the programme within its bounds; a file's may
    // replace it (asked when it is not empty).
    void TakeLines(const SpeakerLines& lines, bool askToReplace);
    // The 用时 cell: the latest time, marked when the speaker was timed more than once.
    static QString SpokenShown(const Speaker& s);
    void ShowOffers();
    // Above the list: why the programme is not used, or why its last change is not kept.
    void ShowProblem();
    void CellEdited(int row, int column);
    int SelectedRow() const;
    // `column` -1: the current cell's column (the name's when there is none).
    void Select(int row, int column = -1);
    // The columns as wide as their texts, but for the title, which takes the rest.
    void FitColumns();
    static constexpr int kFittedRows = 1000;

    ProgrammeRun& run_;
    ProgrammeStore& store_;
    const TimingSession& session_;
    Dialogs& dialogs_;
    Desktop& desktop_;
    Random& random_;
    bool loading_ = false;
    int markedRow_ = -1; // the row shown as current
    QString lastFolder_;
    QThread* reader_ = nullptr; // reads and parses the file an import chose
};
