#pragma once
#include "windows/FramedDialog.h"

class Dialogs;
class HotKeys;
class ProgramStarter;
class QLabel;
class QPushButton;

// The About box: the program's name, version and description, the credits, and a button that
// starts the desktop's system-information program. While it is open no hotkey is registered;
// closing it in any way registers them again as the configuration holds them.
class frmAbout : public FramedDialog {
    Q_OBJECT
public:
    frmAbout(HotKeys& hotKeys, ProgramStarter& programs, Dialogs& dialogs, QWidget* owner);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the first system-information program found on PATH (kSysInfoPrograms, in that
    // order), detached; otherwise says "此时系统信息不可用". The box stays open either way.
    void StartSysInfo();

    // The programs looked for, best first: the dedicated system profilers, then the desktops'
    // information centres and system monitors.
    static const QStringList kSysInfoPrograms;

    Control* Label5 = nullptr; // caption of the title strip
    QLabel* Image4 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label1 = nullptr; // credit
    QLabel* Label2 = nullptr; // 致  谢
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr; // dedication
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

protected:
    void Form_Unload() override;
    void RetranslateUi() override;

private:
    // The window title and the version line, as Form_Load shows them.
    void ShowTitleAndVersion();
    HotKeys& hotKeys_;
    ProgramStarter& programs_;
    Dialogs& dialogs_;
};
