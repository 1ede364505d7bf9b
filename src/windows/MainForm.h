#pragma once
#include "windows/CounterLabel.h"
#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class Commands;
class Control;
class PopupMenu;
class QPushButton;
class TimingSession;

// A picture button of the title strip: element 0 is shown, 1..3 hold the normal, hover and
// pressed pictures.
struct ImageButton {
    Control* shown = nullptr;
    std::array<QPixmap, 4> pictures; // [1] normal, [2] hover, [3] pressed
    int state = 1;
    void Show(int element);
};

// The main window: title strip, clock, start/end time, timing length, the large counter and
// seven command buttons. It shows what the timing session holds and follows its signals; the
// tick (Timer1) and the blink belong to the session.
class MainForm : public QWidget {
    Q_OBJECT
public:
    MainForm(TimingSession& session, Commands& commands, PopupMenu& popup);
    ~MainForm() override;

    // The programme's current speaker in the title strip and the window name in place of the
    // scheme title; empty: the scheme title again.
    void ShowSpeaker(const QString& title);
    // One line under the counter that the chairperson must read (a store that cannot write, a
    // timing cut off by the last end of the program); empty hides it.
    void ShowNotice(const QString& text);

    // The tick of the session's Timer1.
    void Timer1_Timer();

    // Buttons.
    void JishiStart_Click();
    void JishiPause_Click();
    void JishiEnd_Click();
    void MinMe_Click();
    void MaxMe_Click();
    void SetupMe_Click();
    void ExitMe_Click();

    void Label5_DblClick();
    void Showtime_DblClick();

    // Moves a window by the mouse as if its title bar had been pressed (StartWindowDrag): once
    // the pointer has moved past the drag distance with the button held, the window follows the
    // mouse until that button is released; a click without movement leaves it where it is.
    static void DragWindow(QWidget* window, Qt::MouseButton button, QPoint globalPressPos);

    Control* Picture1 = nullptr;
    Control* Label5 = nullptr;
    ImageButton Image1; // close
    ImageButton Image2; // full screen
    ImageButton Image3; // minimise
    Control* Label1 = nullptr;
    Control* IsTime = nullptr;
    Control* Label4 = nullptr;
    Control* TimeLen = nullptr;
    Control* Label2 = nullptr;
    Control* StartTime = nullptr;
    Control* Label3 = nullptr;
    Control* EndTime = nullptr;
    CounterLabel* Showtime = nullptr;
    Control* NoSound = nullptr; // "没有可用的声音输出" while the session found no sound output
    Control* Notice = nullptr;  // ShowNotice's line, after NoSound when both show
    QPushButton* JishiStart = nullptr;
    QPushButton* JishiEnd = nullptr;
    QPushButton* JishiPause = nullptr;
    QPushButton* MinMe = nullptr;
    QPushButton* MaxMe = nullptr;
    QPushButton* SetupMe = nullptr;
    QPushButton* ExitMe = nullptr;

protected:
    // The scheme title in the title strip, cut with "…" before the strip's buttons.
    void ShowTitle(const QString& caption);
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString notice_;
    // Shows the session's current state and follows its signals from now on.
    void FollowSession();
    void BuildControls();
    // Every caption and tool tip in the interface's language.
    void RetranslateUi();
    void ShowPauseCaption();
    void PlaceNotice();
    void ImageButtonsNormal();
    void ImageButton_MouseUp(ImageButton& b);
    // The current speaker, or without one the scheme title.
    void ShowCurrentTitle();
    // The panel around the counter that a contest signal fills.
    QRect CounterPanel() const;
    TimingSession& session_;
    Commands& commands_;
    PopupMenu& popup_;
    QString speakerTitle_;
    QPixmap background_;
    std::optional<QColor> signal_; // the contest signal's colour, while one shows
};
