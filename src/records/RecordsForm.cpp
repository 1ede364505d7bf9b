#include "records/RecordsForm.h"

#include "core/TimingRecord.h"
#include "core/Twips.h"
#include "platform/Clock.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Dialogs.h"
#include "platform/records/RecordStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QThreadPool>
#include <algorithm>
#include <malloc.h>
#include <memory>

namespace {
const QString kTitle = QStringLiteral("Horalto");
constexpr int kPageRows = 2000; // records read at a time

void SetTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}
} // namespace

RecordsForm::RecordsForm(RecordStore& records, Desktop& desktop, Dialogs& dialogs, const Clock& clock)
    : FramedDialog(nullptr, 13500, 7200, QString(), QStringLiteral("about"))
    , records_(records), desktop_(desktop), dialogs_(dialogs), clock_(clock)
{
    const QColor light(0xE8, 0xEE, 0xF8), soft(0xB4, 0xC4, 0xDE);
    Today = new QRadioButton(this);
    Today->setGeometry(TwipsRect(240, 540, 900, 300));
    Today->setChecked(true);
    All = new QRadioButton(this);
    All->setGeometry(TwipsRect(1200, 540, 900, 300));
    for (QRadioButton* r : {Today, All}) {
        SetTextColor(r, light);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                LoadRecords();
        });
    }
    FileLabel = new QLabel(QDir::toNativeSeparators(records_.path()), this);
    FileLabel->setTextFormat(Qt::PlainText);
    FileLabel->setGeometry(TwipsRect(2400, 540, 10860, 300));
    FileLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetTextColor(FileLabel, soft);

    RecordList = new QTableWidget(0, RecordColumns, this);
    RecordList->setGeometry(TwipsRect(240, 900, 13020, 5340));
    RecordList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RecordList->setSelectionBehavior(QAbstractItemView::SelectRows);
    RecordList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    RecordList->verticalHeader()->hide();
    // Columns sized by their visible rows only: a page of records lays out at once.
    RecordList->horizontalHeader()->setResizeContentsPrecision(0);
    RecordList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(RecordList->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int at) {
        if (at == RecordList->verticalScrollBar()->maximum() && older_ > 0 && !loading_)
            Fetch(older_);
    });
    RecordList->horizontalHeader()->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);

    auto button = [this](int left, int width, void (RecordsForm::*handler)()) {
        auto* b = new QPushButton(this);
        b->setGeometry(TwipsRect(left, 6480, width, 405));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    CopyRecords = button(240, 1500, &RecordsForm::CopyRecords_Click);
    OpenFolder = button(1860, 1800, &RecordsForm::OpenFolder_Click);
    ClearRecords = button(3780, 1500, &RecordsForm::ClearRecords_Click);
    CloseMe = new QPushButton(this);
    CloseMe->setGeometry(TwipsRect(11760, 6480, 1500, 405));
    CloseMe->setAutoDefault(false);
    connect(CloseMe, &QPushButton::clicked, this, &QDialog::reject);

    connect(&records_, &RecordStore::changed, this, [this] {
        if (isVisible())
            LoadRecords();
    });
    RetranslateUi();
}

void RecordsForm::RetranslateUi()
{
    SetCaption(tr("计时记录"));
    Today->setText(tr("今天"));
    All->setText(tr("全部"));
    RecordList->setHorizontalHeaderLabels(RecordColumnTitles());
    CopyRecords->setText(tr("复制(&C)"));
    CopyRecords->setToolTip(tr("把选中的记录（没有选中时为列出的全部记录）复制为文字"));
    OpenFolder->setText(tr("打开文件夹(&O)"));
    OpenFolder->setToolTip(tr("在文件管理器中打开记录文件所在的文件夹"));
    ClearRecords->setText(tr("清空记录"));
    ClearRecords->setToolTip(tr("清空全部记录，原文件保留为备份（records.csv.bak、records.csv.bak.1……）"));
    CloseMe->setText(tr("关    闭"));
    ShowRows(0); // the program's words in them
}

void RecordsForm::Form_Show()
{
    LoadRecords();
    if (!isVisible())
        PlaceOnScreen();
    show();
    raise();
    activateWindow();
}

void RecordsForm::LoadRecords()
{
    Forget();
    Fetch(-1);
}

void RecordsForm::Fetch(qint64 end)
{
    loading_ = true;
    const QString date = Today->isChecked() ? clock_.now().date().toString(QStringLiteral("yyyy-MM-dd")) : QString();
    QThreadPool::globalInstance()->start([read = records_.reader(), end, date, generation = generation_,
                                          form = QPointer<RecordsForm>(this)] {
        auto page = std::make_shared<RecordPage>(ReadRecordPage(read, end, date, kPageRows));
        QMetaObject::invokeMethod(QCoreApplication::instance(), [form, generation, page] {
            if (form)
                form->Received(generation, *page);
        }, Qt::QueuedConnection);
    });
}

void RecordsForm::Received(int generation, RecordPage& page)
{
    if (generation != generation_)
        return; // for a list read anew since
    loading_ = false;
    older_ = page.older;
    const int first = int(shown_.size());
    shown_.insert(shown_.end(), std::make_move_iterator(page.rows.begin()), std::make_move_iterator(page.rows.end()));
    ShowRows(first);
}

void RecordsForm::ShowRows(int first)
{
    RecordList->setUpdatesEnabled(false);
    RecordList->setRowCount(int(shown_.size()));
    for (int r = first; r < int(shown_.size()); ++r)
        for (int c = 0; c < RecordColumns; ++c)
            RecordList->setItem(r, c, new QTableWidgetItem(RecordFieldShown(c, shown_[std::size_t(r)][c])));
    // A debate's two columns only where a listed record is a debate's.
    bool debate = false;
    for (const QStringList& row : shown_)
        debate = debate || !row[SideAColumn].isEmpty();
    RecordList->setColumnHidden(SideAColumn, !debate);
    RecordList->setColumnHidden(SideBColumn, !debate);
    // Where a programme wrote them, 选手, 题目 and 结果 come first (in view; the file and a copy
    // keep their order); otherwise the file's order.
    bool contest = false;
    for (const QStringList& row : shown_)
        contest = contest || !row[SpeakerColumn].isEmpty() || !row[ResultColumn].isEmpty();
    QHeaderView* header = RecordList->horizontalHeader();
    for (int column = 0; column < RecordColumns; ++column)
        header->moveSection(header->visualIndex(column), column);
    if (contest) {
        const int front[] = {SpeakerColumn, SpeakerTitleColumn, ResultColumn};
        for (int place = 0; place < 3; ++place)
            header->moveSection(header->visualIndex(front[place]), place);
    }
    RecordList->setUpdatesEnabled(true);
}

void RecordsForm::Forget()
{
    ++generation_;
    loading_ = false;
    older_ = 0;
    std::vector<QStringList>().swap(shown_);
    RecordList->clearContents();
    RecordList->setRowCount(0);
}

void RecordsForm::hideEvent(QHideEvent* e)
{
    FramedDialog::hideEvent(e);
    Forget();
#ifndef _WIN32
    ::malloc_trim(0); // the memory of a long list goes back to the system
#endif
}

void RecordsForm::CopyRecords_Click()
{
    std::vector<int> rows;
    for (const QModelIndex& i : RecordList->selectionModel()->selectedRows())
        rows.push_back(i.row());
    if (rows.empty())
        for (int r = 0; r < int(shown_.size()); ++r)
            rows.push_back(r);
    // In the order the timings were made, as a report reads.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    QStringList lines;
    for (int r : rows)
        lines << RecordText(shown_[std::size_t(r)]);
    if (!lines.isEmpty())
        desktop_.copyText(lines.join(u'\n') + u'\n');
}

void RecordsForm::OpenFolder_Click()
{
    const QString dir = QFileInfo(records_.path()).absolutePath();
    if (!desktop_.openFolder(dir))
        dialogs_.warning(this, kTitle, tr("无法打开文件夹：\n%1").arg(QDir::toNativeSeparators(dir)));
}

void RecordsForm::ClearRecords_Click()
{
    if (!dialogs_.question(this, kTitle,
                           tr("确实要清空全部计时记录吗？\n原记录文件将保留为 %1。").arg(QDir::toNativeSeparators(records_.nextBackup()))))
        return;
    if (!records_.clear())
        dialogs_.warning(this, kTitle,
                         tr("无法清空计时记录：\n%1").arg(QDir::toNativeSeparators(records_.path())));
}
