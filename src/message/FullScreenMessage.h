#pragma once
#include <QObject>

class ConfigFile;
class FullScreenForm;
class QLabel;
class TimingSession;

// Whether the message to the speaker shows in the full-screen window too: off unless the user
// switched it on ([SpeakerMessage] FullScreen=1, written only when the user changes it).
namespace SpeakerMessageSettings {
bool FullScreenShown(const ConfigFile& config);
bool WriteFullScreenShown(const ConfigFile& config, bool on);
}

// The message to the speaker at the foot of the full-screen window, in the free room between the
// counter and the lower panel; shown only when switched on and while there is a message. The
// audience normally sees that window, so it is off by default.
class FullScreenMessage final : public QObject {
    Q_OBJECT
public:
    FullScreenMessage(const TimingSession& session, FullScreenForm& form, bool shown);
    void SetShown(bool shown);
    const QLabel* Label() const { return label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Show();
    void Place();

    const TimingSession& session_;
    FullScreenForm& form_;
    QLabel* label_;
    bool shown_;
};
