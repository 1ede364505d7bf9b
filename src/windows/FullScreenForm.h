#pragma once
#include "windows/CounterLabel.h"
#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <memory>
#include <optional>

class Commands;
class ConfigFile;
class Control;
class PopupMenu;
class ProgramDir;
class RunningLights;
class TimingSession;

// The full-screen window: title bar, counter in very large digits, running lights,
// information text, the four control labels over the lower panel, the information picture.
class FullScreenForm : public QWidget {
    Q_OBJECT
public:
    FullScreenForm(TimingSession& session, Commands& commands, PopupMenu& popup, const ConfigFile& config,
                   const ProgramDir& programDir);
    ~FullScreenForm() override;

    // Loads the information picture, covers the chosen monitor, then shows the session's state
    // and follows it.
    void Form_Load();
    // The programme's current speaker below the title bar, where the contest title stays, and
    // the one who follows ("下一位：李四") below the speaker; empty texts: no lines.
    void ShowSpeaker(const QString& title, const QString& next);
    // Covers the monitor chosen in the menu (the primary when it is not connected) and lays the
    // controls out for its size. Reads the choice, writes nothing; timing is not touched.
    void PlaceOnChosenMonitor();
    // The screen the window was last placed on.
    QScreen* PlacedScreen() const { return placedOn_; }
    void Timer1_Timer(); // one step of the running lights (the session's LightsTimer)

    void ShowFullScreenControls();
    void HideFullScreenControls();

    // Light k (0..8) lit; light 0 is the blank step below the visible strip.
    bool LightLit(int k) const;

    void KongZhi1_Click();
    void KongZhi2_Click();
    void KongZhi3_Click();
    void KongZhi4_Click();
    void Showtime_DblClick();

    Control* Picture1 = nullptr; // title bar
    Control* Label1 = nullptr;   // scheme title
    Control* Picture2 = nullptr; // bottom bar
    Control* Label2 = nullptr;   // information text
    Control* SpeakerLabel = nullptr; // the programme's current speaker, below the title bar
    Control* NextLabel = nullptr; // the speaker who follows, below the current one
    Control* PausedLabel = nullptr; // "已暂停" below the counter while the timing is paused
    Control* Picture3 = nullptr; // lower panel
    RunningLights* Picture4 = nullptr; // the strip of running lights in Picture3
    CounterLabel* Showtime = nullptr; // the counter
    Control* Picture5 = nullptr; // information picture
    Control* KongZhi1 = nullptr; // "开始计时"
    Control* KongZhi2 = nullptr; // "复位计时器"
    Control* KongZhi3 = nullptr; // "返回主界面"
    Control* KongZhi4 = nullptr; // "工具条模式"

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void BuildControls();
    // The window title, the control labels and the tool tips in the interface's language.
    void RetranslateUi();
    void DockPanels();
    void PopupOnRightRelease(Control* c);
    void ShowPopup(QPoint globalPos);
    // A monitor came, went, became the primary or changed its geometry.
    void MonitorsChanged();
    void ShowTitle();
    // The contest signal's colour over the whole window; nullopt: the window's own colours.
    void ShowSignal(std::optional<QColor> signal);
    TimingSession& session_;
    Commands& commands_;
    PopupMenu& popup_;
    const ConfigFile& config_;
    const ProgramDir& programDir_;
    QString speakerTitle_;
    bool centrePicture_ = false; // the information picture is centred on the screen
    QPointer<QScreen> placedOn_;
    QMetaObject::Connection placedGeometry_;
};
