#pragma once
#include <QLineEdit>

// The text of a time field after the user leaves it. Only the field's leading decimal number
// counts (text after it is dropped): a one-digit number gets a "0" in front ("7" -> "07"), no
// number at all and a value of `limit` or more become "00", anything else stays. Normalising
// twice gives what normalising once gives. `limit` is 24 for hours and 60 for minutes and seconds.
QString NormalizeTimeText(const QString& text, int limit);

// A two-character field for the hours, minutes or seconds of a time. Of the typed characters only
// digits get in; every editing key works as in any line edit (Backspace, Delete, the arrows,
// Home and End, selection with Shift, Ctrl+A/C/V/X/Z). Leaving the field normalises its text.
class TimeField : public QLineEdit {
    Q_OBJECT
public:
    TimeField(int limit, QWidget* parent);

    int Limit() const { return limit_; }
    // The input filter: true when the typed character may reach the field.
    static bool KeyPress(QChar typed);
    // Whether a key press types a character into a line edit (rather than editing or moving):
    // printable text without Ctrl.
    static bool Types(const QKeyEvent& e);
    // The normalisation, as on leaving the field.
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int limit_;
    QString shown_;  // the text now
    QString before_; // the text before the latest change
};
