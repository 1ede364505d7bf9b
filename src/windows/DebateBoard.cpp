#include "windows/DebateBoard.h"

#include "core/Colors.h"
#include "windows/CounterBacks.h"
#include "windows/CounterLabel.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kFloorMark(0x7F, 0xDC, 0x7F);
// A side whose time is gone: white on a red plate, readable on every back (6:1).
const QColor kGone(0xC0, 0x10, 0x10);

// Keeps a board on its counter's place when the window lays the counter out anew (another
// monitor, another size), hidden or not.
class PlaceFollower : public QObject {
public:
    PlaceFollower(QWidget* counter, QWidget* board) : QObject(board), counter_(counter), board_(board)
    {
        counter->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize)
            board_->setGeometry(counter_->geometry());
        return false;
    }

private:
    QWidget* counter_;
    QWidget* board_;
};

// The largest pixel size at which `text` fits `box` in `font`'s face.
QFont Fitted(QFont font, const QString& text, QSizeF box)
{
    font.setPixelSize(100);
    const QFontMetricsF m(font);
    const qreal w = std::max<qreal>(1, m.horizontalAdvance(text));
    const qreal h = std::max<qreal>(1, m.ascent() + m.descent());
    font.setPixelSize(std::max(6, int(100 * std::min(box.width() / w, box.height() / h))));
    return font;
}
} // namespace

DebateBoard::DebateBoard(QWidget* parent, Layout layout) : Control(parent), layout_(layout)
{
    hide();
}

void DebateBoard::Show(const DebateShown& shown, int counterBgr, std::optional<QRgb> signal)
{
    shown_ = shown;
    if (counterBgr >= 0)
        digits_ = ColorFromBgr(counterBgr);
    onSignal_ = signal.has_value();
    names_ = QColor(0xF4, 0xF8, 0xFF);
    const int own = layout_ == Layout::Halves ? counter_backs::kMain
                    : layout_ == Layout::FloorLarge ? counter_backs::kToolbar : counter_backs::kFullScreen;
    back_ = signal ? QColor(*signal) : ColorFromBgr(own);
    if (signal)
        digits_ = names_ = QColor(DigitsOnSignal(*signal));
    update();
}

void DebateBoard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = rect();
    const qreal gap = all.width() * 0.02;
    // The floor side's share of the width.
    const qreal floorShare = layout_ == Layout::FloorLarge ? 0.6 : 0.5;
    qreal left = all.left();
    // The floor's frame and name: green, or the ink of the digits on a signal colour.
    const QColor mark = onSignal_ ? names_ : kFloorMark;
    for (int side = 0; side < 2; ++side) {
        const bool floor = shown_.floor == side;
        const qreal share = floor ? floorShare : 1 - floorShare;
        const QRectF cell(left + gap / 2, all.top(), all.width() * share - gap, all.height());
        left += all.width() * share;
        const DebateSideShown& s = shown_.sides[side];
        // The other side dimmed, towards the back, as far as it stays readable (4.5:1).
        const double dim = floor ? 0.0 : onSignal_ ? 0.4 : layout_ == Layout::Stage ? 0.7 : 0.55;
        const auto ink = [&](const QColor& c) { return QColor(DimmedOn(c.rgb(), back_.rgb(), dim)); };
        const qreal frame = std::max<qreal>(2, cell.height() * 0.035);
        if (s.gone) {
            p.setPen(Qt::NoPen);
            p.setBrush(kGone);
            p.drawRoundedRect(cell, frame * 2, frame * 2);
        }
        if (floor) {
            p.setPen(QPen(mark, frame));
            // A dark ground under the side with the floor; on a signal colour the frame alone.
            p.setBrush(onSignal_ ? QColor(Qt::transparent) : QColor(0, 0, 0, 0x60));
            p.drawRoundedRect(cell.adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2), frame * 2, frame * 2);
        }
        const QRectF inner = cell.adjusted(frame * 2, frame, -frame * 2, -frame);
        // The name above the clock; in a strip too low for that, beside it.
        const bool beside = layout_ == Layout::FloorLarge;
        // The floor's "▶" where the name has a line of its own; the frame marks it in a strip.
        QString name = floor && !beside ? QStringLiteral("▶ ") + s.name : s.name;
        if (s.gone && !beside)
            name += tr("（时间到）");
        QFont nameFont = font();
        nameFont.setBold(true);
        nameFont.setPixelSize(std::max(6, int(inner.height() * 0.5)));
        // Beside the clock a name that does not fit is left out: the clock has the room.
        qreal nameWidth = QFontMetricsF(nameFont).horizontalAdvance(name) + 4;
        if (beside && nameWidth > inner.width() * 0.45)
            name.clear(), nameWidth = 0;
        const QRectF nameBox = beside ? QRectF(inner.left(), inner.top(), nameWidth, inner.height())
                                      : QRectF(inner.left(), inner.top(), inner.width(), inner.height() * 0.26);
        const QRectF clockBox = beside ? QRectF(nameBox.right(), inner.top(), inner.right() - nameBox.right(), inner.height())
                                       : QRectF(inner.left(), nameBox.bottom(), inner.width(), inner.bottom() - nameBox.bottom());
        if (!beside) {
            nameFont = Fitted(nameFont, name, nameBox.size());
            nameFont.setPixelSize(std::min(nameFont.pixelSize(), int(nameBox.height() * 0.9)));
        }
        p.setFont(nameFont);
        p.setPen(s.gone ? QColor(Qt::white) : ink(floor ? mark : names_));
        p.drawText(nameBox, Qt::AlignCenter, QFontMetrics(nameFont).elidedText(name, Qt::ElideRight, int(nameBox.width())));
        // Every clock of a board at one size: the widest text that may come, "+00:00:00".
        p.setFont(Fitted(font(), QStringLiteral("+00:00:00"), clockBox.size()));
        p.setPen(s.gone ? QColor(Qt::white) : ink(digits_));
        p.drawText(clockBox, Qt::AlignCenter, s.text);
    }
}

void FollowDebate(QWidget* window, const TimingSession& session, CounterLabel* counter, DebateBoard* board,
                  TimingSession::CounterView view, std::function<QRect()> place)
{
    board->setFont(counter->font());
    // The counter's handlers, at the point of the counter (board and counter share a parent).
    auto at = [board, counter](QPoint pos) { return pos + board->pos() - counter->pos(); };
    if (auto f = counter->MouseDown)
        board->MouseDown = [f, at](Qt::MouseButton b, QPoint pos) { f(b, at(pos)); };
    if (auto f = counter->MouseMove)
        board->MouseMove = [f, at](Qt::MouseButtons b, QPoint pos) { f(b, at(pos)); };
    if (auto f = counter->MouseUp)
        board->MouseUp = [f, at](Qt::MouseButton b, QPoint pos) { f(b, at(pos)); };
    board->DblClick = counter->DblClick;
    if (!place)
        new PlaceFollower(counter, board);
    auto show = [=, &session] {
        const bool debate = session.IsDebate();
        if (debate) {
            board->setGeometry(place ? place() : counter->geometry());
            board->Show(session.Debate(), session.CounterColor(view), session.SignalColor());
        }
        board->setVisible(debate);
        counter->setVisible(!debate);
    };
    show();
    QObject::connect(&session, &TimingSession::debateChanged, window, show, Qt::DirectConnection);
    QObject::connect(&session, &TimingSession::counterColorChanged, window, show, Qt::DirectConnection);
    QObject::connect(&session, &TimingSession::signalColorChanged, window, show, Qt::DirectConnection);
}
