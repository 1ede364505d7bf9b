#pragma once
#include "windows/CounterLabel.h"
#include "windows/ToolbarFrames.h"

#include <QPixmap>
#include <QWidget>

class Commands;
class Control;
class PopupMenu;
class SpriteButton;
class TimingSession;

// The toolbar strip: a small (380 x 25) or large (760 x 50) frameless, topmost window at the
// top-left corner with the counter and five picture buttons. Two instances exist:
// the small one and the large one.
class ToolsBarForm : public QWidget {
    Q_OBJECT
public:
    ToolsBarForm(TimingSession& session, Commands& commands, PopupMenu& popup, bool large);
    ~ToolsBarForm() override;

    // Placed at the top-left corner; then shows the session's state and follows it.
    void Form_Load();
    bool IsLarge() const { return large_; }

    // Controls other windows touch.
    Control* PicTime = nullptr;  // the blue counter box
    CounterLabel* Showtime = nullptr; // the counter
    Control* StartTimer = nullptr;
    Control* StopTimer = nullptr;
    Control* SystemSetup = nullptr;
    Control* BacktoMain = nullptr;
    Control* GoFullScreen = nullptr;

    // The hidden sprite holders: the source of every frame copy.
    QPixmap StartImage;
    QPixmap StopImage;
    QPixmap SystemImage;
    QPixmap GoFullScreenImage;
    QPixmap BacktoImage;

    SpriteButton* Button(ToolButton b) const;
    QPixmap& Sprite(ToolButton b);
    // Puts a sprite into the button's holder and makes it the button's picture again.
    void LoadSprite(ToolButton b, const QPixmap& sprite);

    // Paints one frame of a button by the frame table.
    void PaintButtonFrame(ToolButton b, ToolFrame frame, bool overShowtime = false);

    // Mouse handlers of the controls (the window background has its own event handlers).
    void Button_MouseDown(ToolButton b);
    void Button_MouseMove(ToolButton b);
    void Button_MouseUp(ToolButton b, Qt::MouseButton button, QPoint globalPos);
    void Showtime_DblClick();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildControls();
    // The window title and the tool tips in the interface's language.
    void RetranslateUi();
    void PaintAllNormal(bool overShowtime);
    void ShowPopup(QPoint globalPos);
    void FitShowtime();

    TimingSession& session_;
    Commands& commands_;
    PopupMenu& popup_;
    bool large_;
    QPixmap background_;
    std::array<SpriteButton*, 5> buttons_{};
};
