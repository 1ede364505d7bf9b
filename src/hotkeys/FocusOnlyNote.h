#pragma once
#include <QWidget>

class HotkeyService;
class QLabel;
class QPushButton;

// One line at the foot of a window, shown while the hotkeys act only while one of Horalto's own
// windows has the focus: it says so, with the button that sets the desktop's own shortcuts
// where the desktop offers them. The window grows by the line while it shows.
class FocusOnlyNote : public QWidget {
    Q_OBJECT
public:
    FocusOnlyNote(HotkeyService& service, QWidget* window);
    // Shown or hidden as the hotkeys act now.
    void Update();
    // The note's text where the hotkeys act only with the focus; empty where they act anywhere.
    static QString Text(const HotkeyService& service);

    QLabel* Line = nullptr;
    QPushButton* SetButton = nullptr;

protected:
    void changeEvent(QEvent* e) override;

private:
    void SetTexts();
    HotkeyService& service_;
    QWidget* window_;
    int baseHeight_;
};
