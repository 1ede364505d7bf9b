#pragma once
#include <QWidget>

class App;
class Control;

// The toolbar strip: a small (380 x 25) or large (760 x 50) frameless, topmost window at the
// top-left corner with the counter and five picture buttons. Two instances exist:
// App::toolsBarForm() (small) and App::toolsBarFormMax() (large).
class ToolsBarForm : public QWidget {
    Q_OBJECT
public:
    ToolsBarForm(App& app, bool large);
    ~ToolsBarForm() override;

    void Form_Load();
    bool IsLarge() const { return large_; }

    // Controls other windows touch.
    Control* PicTime = nullptr;  // the blue counter box
    Control* Showtime = nullptr; // the counter
    Control* StartTimer = nullptr;
    Control* StopTimer = nullptr;
    Control* SystemSetup = nullptr;
    Control* BacktoMain = nullptr;
    Control* GoFullScreen = nullptr;

private:
    App& app_;
    bool large_;
};
