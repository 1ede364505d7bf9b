#include "settings/TimeField.h"

#include <QKeyEvent>

namespace {
constexpr int kMaxChars = 2;
}

QString NormalizeTimeText(const QString& text, int limit)
{
    qsizetype digits = 0;
    while (digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9')
        ++digits;
    const QString number = text.left(digits);
    // At most a handful of digits reach here; a longer number is beyond every limit anyway.
    if (number.isEmpty())
        return QStringLiteral("00");
    const long long v = number.left(12).toLongLong();
    if (v <= 9 && number.size() < 2)
        return QStringLiteral("0") + number;
    if (v >= limit)
        return QStringLiteral("00");
    return number;
}

TimeField::TimeField(int limit, QWidget* parent) : QLineEdit(parent), limit_(limit)
{
    setAlignment(Qt::AlignCenter);
    // Pasted text gets no more room than typed text. A longer text loaded from the
    // configuration is shown as it is until it is edited.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& now) {
        if (now.size() > kMaxChars && before_.size() <= kMaxChars)
            setText(now.left(kMaxChars));
    });
    // textChanged comes before textEdited: keep the text from before each change.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
        before_ = shown_;
        shown_ = now;
    });
}

bool TimeField::KeyPress(QChar typed)
{
    return typed >= u'0' && typed <= u'9';
}

bool TimeField::Types(const QKeyEvent& e)
{
    // Delete and the Ctrl combinations carry control characters ("\x7f", "\x16") or, when
    // synthesized, a letter with Ctrl held: the line edit takes them as editing keys.
    const QString typed = e.text();
    return !typed.isEmpty() && typed.front().isPrint() && !(e.modifiers() & Qt::ControlModifier);
}

void TimeField::keyPressEvent(QKeyEvent* e)
{
    if (Types(*e)) {
        // A digit only replaces a selection or fills a free place: at most two characters.
        if (!KeyPress(e->text().front()) || text().size() - selectedText().size() >= kMaxChars) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void TimeField::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // A context menu on the field (Paste) is not leaving it.
    if (e->reason() != Qt::PopupFocusReason)
        LostFocus();
}

void TimeField::LostFocus()
{
    const QString normal = NormalizeTimeText(text(), limit_);
    if (normal != text())
        setText(normal);
}
