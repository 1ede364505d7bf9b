#include "programme/ProgrammeForm.h"

#include "core/Qualify.h"
#include "core/TimingSession.h"
#include "core/UserText.h"
#include "core/Twips.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Dialogs.h"
#include "programme/Programme.h"
#include "programme/ProgrammeRun.h"
#include "programme/ProgrammeStore.h"
#include "programme/SpeakerLines.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QThread>
#include <memory>

namespace {
const QString kTitle = QStringLiteral("Horalto");
enum Column { NumberCol, NameCol, TitleCol, SchemeCol, SpokenCol, ResultCol, Columns };
} // namespace

ProgrammeForm::ProgrammeForm(ProgrammeRun& run, ProgrammeStore& store, const TimingSession& session,
                             Dialogs& dialogs, Desktop& desktop, Random& random)
    : FramedDialog(nullptr, 13500, 7200, QString(), QStringLiteral("about"))
    , run_(run), store_(store), session_(session), dialogs_(dialogs), desktop_(desktop), random_(random)
{
    Problem = new QLabel(this);
    Problem->setTextFormat(Qt::PlainText);
    Problem->setGeometry(TwipsRect(240, 540, 13020, 300));
    Problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette p = Problem->palette();
    p.setColor(QPalette::WindowText, QColor(0xFF, 0xD0, 0x60));
    Problem->setPalette(p);

    List = new QTableWidget(0, Columns, this);
    List->setGeometry(TwipsRect(240, 900, 13020, 5340));
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    List->verticalHeader()->hide();
    // Columns fit their texts (FitColumns), the title stretched over the rest.
    List->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    List->horizontalHeader()->setSectionResizeMode(TitleCol, QHeaderView::Stretch);
    List->installEventFilter(this);
    connect(List, &QTableWidget::cellChanged, this, &ProgrammeForm::CellEdited);
    connect(List, &QTableWidget::itemSelectionChanged, this, &ProgrammeForm::ShowOffers);
    // A double click on a cell that is not edited in place makes its speaker current.
    connect(List, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
        if (column == NumberCol || column == SpokenCol || column == ResultCol)
            SetCurrent_Click();
    });

    int left = 240;
    auto button = [this, &left](int width, const std::function<void()>& handler) {
        auto* b = new QPushButton(this);
        b->setGeometry(TwipsRect(left, 6480, width, 405));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        left += width + 120;
        return b;
    };
    Add = button(1020, [this] { Add_Click(); });
    Remove = button(1020, [this] { Remove_Click(); });
    MoveUp = button(1020, [this] { Move_Click(-1); });
    MoveDown = button(1020, [this] { Move_Click(+1); });
    Import = button(1200, [this] { Import_Click(); });
    Shuffle = button(1020, [this] { Shuffle_Click(); });
    ClearAll = button(1020, [this] { Clear_Click(); });
    SetCurrent = button(1500, [this] { SetCurrent_Click(); });
    Report = button(1260, [this] { emit reportRequested(); });
    CloseMe = new QPushButton(this);
    CloseMe->setGeometry(TwipsRect(11760, 6480, 1500, 405));
    CloseMe->setAutoDefault(false);
    connect(CloseMe, &QPushButton::clicked, this, &QDialog::reject);

    Programme& programme = run_.programme();
    connect(&programme, &Programme::changed, this, [this] {
        if (isVisible())
            LoadRows();
    });
    connect(&programme, &Programme::currentChanged, this, [this] {
        if (isVisible())
            MarkCurrent();
    });
    connect(&session_, &TimingSession::offersChanged, this, &ProgrammeForm::ShowOffers);
    connect(&store_, &ProgrammeStore::writeProblemChanged, this, &ProgrammeForm::ShowProblem);
    RetranslateUi();
}

ProgrammeForm::~ProgrammeForm()
{
    if (reader_)
        reader_->wait();
}

void ProgrammeForm::RetranslateUi()
{
    SetCaption(tr("比赛名单"));
    List->setHorizontalHeaderLabels({tr("序号"), tr("姓名"), tr("题目"), tr("方案"), tr("用时"), tr("结果")});
    Add->setText(tr("添加"));
    Remove->setText(tr("删除"));
    MoveUp->setText(tr("上移"));
    MoveDown->setText(tr("下移"));
    Import->setText(tr("导入..."));
    Import->setToolTip(tr("导入 .csv 或 .txt 文件：每行一位选手，姓名,题目,方案（题目和方案可以省略）"));
    Shuffle->setText(tr("抽签"));
    Shuffle->setToolTip(tr("随机排列还没有上场的选手"));
    ClearAll->setText(tr("清空"));
    SetCurrent->setText(tr("设为当前"));
    Report->setText(tr("报告..."));
    Report->setToolTip(tr("比赛报告：每位选手的用时、超时和结果，可以打印或保存为 PDF"));
    CloseMe->setText(tr("关    闭"));
    List->setToolTip(tr("双击姓名、题目或方案可以修改；Ctrl+V 粘贴名单"));
    ShowProblem();
}

void ProgrammeForm::ShowProblem()
{
    // A file that cannot be read, or the last change that could not be written.
    const QString text = store_.Usable() ? store_.WriteProblem() : store_.Problem();
    Problem->setText(text);
    Problem->setVisible(!text.isEmpty());
}

void ProgrammeForm::Form_Show()
{
    ShowProblem();
    LoadRows();
    if (!isVisible())
        PlaceOnScreen();
    show();
    raise();
    activateWindow();
}

void ProgrammeForm::LoadRows()
{
    const Programme& programme = run_.programme();
    const int keep = SelectedRow();
    loading_ = true;
    // Filled in one step: no repaint and no cell signal per item of a long programme.
    List->setUpdatesEnabled(false);
    {
        const QSignalBlocker quiet(List);
        List->setRowCount(programme.Size());
        for (int r = 0; r < programme.Size(); ++r)
            ShowRow(r);
    }
    markedRow_ = programme.Current();
    List->setUpdatesEnabled(true);
    loading_ = false;
    if (keep >= 0 && keep < programme.Size())
        Select(keep);
    FitColumns();
    ShowOffers();
}

void ProgrammeForm::FitColumns()
{
    // Whole names and numbers; the title takes the rest. A programme of thousands of rows keeps
    // the widths it has rather than measuring every row at each change.
    if (List->rowCount() > kFittedRows)
        return;
    for (const int c : {NumberCol, NameCol, SchemeCol, SpokenCol, ResultCol})
        List->resizeColumnToContents(c);
}

void ProgrammeForm::ShowRow(int r)
{
    const Programme& programme = run_.programme();
    const Speaker& s = programme.Speakers()[r];
    const bool current = r == programme.Current();
    const QString texts[Columns] = {
        (current ? QStringLiteral("▶ ") : QString()) + QString::number(r + 1), s.name, s.title,
        s.scheme ? QString::number(s.scheme) : QString(), SpokenShown(s), QualifyShown(s.result)};
    QFont font = List->font();
    font.setBold(current);
    for (int c = 0; c < Columns; ++c) {
        QTableWidgetItem* item = List->item(r, c);
        if (!item) {
            item = new QTableWidgetItem;
            if (c == NumberCol || c == SpokenCol || c == ResultCol)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            List->setItem(r, c, item);
        }
        item->setText(texts[c]);
        item->setFont(font);
        if (c == SpokenCol)
            item->setToolTip(s.retimed ? tr("这位选手计时不止一次：这里是最近一次的用时，之前的用时保留在计时记录中") : QString());
    }
}

QString ProgrammeForm::SpokenShown(const Speaker& s)
{
    if (!s.spoken)
        return QString();
    return s.retimed ? tr("%1（重计）").arg(SpokenText(*s.spoken)) : SpokenText(*s.spoken);
}

void ProgrammeForm::MarkCurrent()
{
    loading_ = true;
    const int size = run_.programme().Size();
    for (const int r : {markedRow_, run_.programme().Current()})
        if (r >= 0 && r < size)
            ShowRow(r);
    markedRow_ = run_.programme().Current();
    loading_ = false;
    ShowOffers();
}

void ProgrammeForm::ShowOffers()
{
    const bool usable = store_.Usable();
    const int row = SelectedRow();
    const int size = run_.programme().Size();
    const bool idle = session_.Phase() == TimingPhase::Idle;
    Add->setEnabled(usable);
    Import->setEnabled(usable && !reader_);
    Remove->setEnabled(usable && row >= 0);
    MoveUp->setEnabled(usable && row > 0);
    MoveDown->setEnabled(usable && row >= 0 && row + 1 < size);
    // The order and the current speaker stay while a speaker is timed.
    Shuffle->setEnabled(usable && idle && size > 1);
    ClearAll->setEnabled(usable && size > 0);
    SetCurrent->setEnabled(usable && run_.SpeakerRowOffered(row));
    List->setEnabled(usable);
}

int ProgrammeForm::SelectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = List->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void ProgrammeForm::Select(int row, int column)
{
    // The row selected, the current cell kept in its column: an editor that Tab moved on to the
    // next cell stays open when the programme is shown again.
    if (column < 0)
        column = List->currentColumn() >= 0 ? List->currentColumn() : NameCol;
    List->setCurrentCell(row, column, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (QTableWidgetItem* item = List->item(row, NameCol))
        List->scrollToItem(item);
}

void ProgrammeForm::CellEdited(int row, int column)
{
    if (loading_)
        return;
    Programme& programme = run_.programme();
    const QString text = KeptText(List->item(row, column)->text()).trimmed();
    if (column == NameCol && !text.isEmpty() && text.size() <= kMaxNameLength)
        programme.SetName(row, text);
    else if (column == TitleCol && text.size() <= kMaxTitleLength)
        programme.SetTitle(row, text);
    else if (column == SchemeCol && (text.isEmpty() || (text.size() == 1 && text[0] >= u'1' && text[0] <= u'5')))
        programme.SetScheme(row, text.isEmpty() ? 0 : text[0].unicode() - u'0');
    // Anything else (an empty name, a text too long, a scheme other than 1..5) goes back to what
    // is kept.
    LoadRows();
}

void ProgrammeForm::Add_Click()
{
    Programme& programme = run_.programme();
    if (const QString full = SpeakerLimitProblem(programme.Size(), 1); !full.isEmpty()) {
        dialogs_.warning(this, kTitle, full);
        return;
    }
    Speaker s;
    s.name = tr("选手%1").arg(programme.Size() + 1);
    programme.Append({s});
    const int row = programme.Size() - 1;
    Select(row, NameCol);
    List->editItem(List->item(row, NameCol));
}

void ProgrammeForm::Remove_Click()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    // A speaker who has spoken takes the time with them: asked first.
    const Speaker& s = run_.programme().Speakers()[row];
    if (s.spoken && !dialogs_.question(this, kTitle, tr("确实要删除“%1”吗？\n名单中的用时 %2 也将删除（计时记录仍然保留）。")
                                                         .arg(s.name, SpokenText(*s.spoken)), true))
        return;
    run_.programme().Remove(row);
    if (run_.programme().Size() > 0)
        Select(std::min(row, run_.programme().Size() - 1));
}

void ProgrammeForm::Move_Click(int delta)
{
    const int row = SelectedRow();
    if (run_.programme().Move(row, delta))
        Select(row + delta);
}

void ProgrammeForm::Import_Click()
{
    const std::optional<QString> path = dialogs_.openFile(this, tr("导入比赛名单"), lastFolder_,
                                                          tr("名单文件 (*.csv *.txt)"));
    if (!path)
        return;
    lastFolder_ = QFileInfo(*path).absolutePath();
    // Read and parsed on a thread of its own, so that the window and the timing go on; the
    // speakers come back through the thread's end, queued to this one.
    auto file = std::make_shared<SpeakerFile>();
    reader_ = QThread::create([file, path = *path] { *file = ReadSpeakerFile(path); });
    reader_->setParent(this);
    connect(reader_, &QThread::finished, this, [this, file, path = *path] {
        reader_->wait();
        reader_->deleteLater();
        reader_ = nullptr;
        ShowOffers();
        if (file->lines)
            TakeLines(*file->lines, true);
        else
            dialogs_.warning(this, kTitle, tr("无法导入 %1：\n%2").arg(QDir::toNativeSeparators(path), file->refusal));
    });
    reader_->start();
    ShowOffers();
}

void ProgrammeForm::PasteLines(const QString& text)
{
    TakeLines(ParseSpeakerLines(text), false);
}

void ProgrammeForm::TakeLines(const SpeakerLines& lines, bool askToReplace)
{
    Programme& programme = run_.programme();
    bool replace = false;
    if (askToReplace && !programme.Empty() && !lines.speakers.isEmpty()) {
        const int choice = dialogs_.choose(
            this, kTitle, tr("比赛名单中已有 %1 位选手。\n用导入的 %2 位选手替换现有名单，还是加在名单后面？")
                              .arg(programme.Size()).arg(lines.speakers.size()),
            {tr("替换"), tr("加在后面")});
        if (choice < 0)
            return;
        replace = choice == 0;
    }
    const QString tooMany = SpeakerLimitProblem(replace ? 0 : programme.Size(), int(lines.speakers.size()));
    if (!tooMany.isEmpty()) {
        dialogs_.warning(this, kTitle, tooMany + tr("，没有导入。"));
        return;
    }
    if (replace)
        programme.Replace(lines.speakers, 0);
    else
        programme.Append(lines.speakers);
    if (!lines.skipped.isEmpty())
        dialogs_.warning(this, kTitle, lines.skipped);
}

void ProgrammeForm::Shuffle_Click()
{
    if (!dialogs_.question(this, kTitle, tr("确实要抽签吗？\n还没有上场的选手将随机排列。")))
        return;
    // A timing may have started while the question was open (a hotkey, the command line): the
    // order and the current speaker stay while a speaker is timed.
    if (session_.Phase() != TimingPhase::Idle) {
        dialogs_.warning(this, kTitle, tr("没有抽签：计时已经开始，抽签只能在没有计时的时候进行。"));
        return;
    }
    run_.programme().Shuffle(random_);
}

void ProgrammeForm::Clear_Click()
{
    if (dialogs_.question(this, kTitle, tr("确实要清空比赛名单吗？\n名单中的选手和用时都将删除。")))
        run_.programme().Clear();
}

void ProgrammeForm::SetCurrent_Click()
{
    run_.GoTo(SelectedRow());
}

bool ProgrammeForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == List && event->type() == QEvent::KeyPress && store_.Usable() &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        PasteLines(desktop_.pastedText());
        return true;
    }
    return FramedDialog::eventFilter(watched, event);
}
