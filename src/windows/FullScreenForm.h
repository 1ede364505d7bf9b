#pragma once
#include <QWidget>
#include <memory>

class App;
class Control;
class IntervalTimer;

// The full-screen window: title bar, counter in very large digits, running lights,
// information text, the four control labels over the lower panel, the information picture.
class FullScreenForm : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenForm(App& app);
    ~FullScreenForm() override;

    void Form_Load();
    void Timer1_Timer(); // the running lights, every 500 ms

    Control* Picture1 = nullptr; // title bar
    Control* Label1 = nullptr;   // scheme title
    Control* Picture2 = nullptr; // bottom bar
    Control* Label2 = nullptr;   // information text
    Control* Picture3 = nullptr; // lower panel
    Control* Showtime = nullptr; // the counter
    Control* Picture5 = nullptr; // information picture
    Control* KongZhi1 = nullptr; // "开始计时"
    Control* KongZhi2 = nullptr; // "复位计时器"
    Control* KongZhi3 = nullptr; // "返回主界面"
    Control* KongZhi4 = nullptr; // "工具条模式"
    std::unique_ptr<IntervalTimer> Timer1;

private:
    App& app_;
};
