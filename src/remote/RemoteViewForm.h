#pragma once
#include "windows/FramedDialog.h"

class RemoteServer;
class RemoteView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// The "远程显示" dialog: the timing page switched on or off, its port, the addresses of the
// viewing page with a QR code of the first, the speaker's view with its QR code, the overlay, and the control page's address with its own QR code
// and a button for a new control key. Every change takes effect at once.
class RemoteViewForm : public FramedDialog {
    Q_OBJECT
public:
    RemoteViewForm(RemoteView& view, RemoteServer& remote, QWidget* owner);

    void Form_Load();
    // Everything shown, from the view's settings and the server.
    void ShowState();
    // The address of the viewing page at a network address, and of the control page.
    static QString ViewingAddress(const QString& host, quint16 port);
    static QString ControlAddress(const QString& host, quint16 port, const QByteArray& key);
    // The address of another page ("speaker", "overlay") at a network address.
    static QString PageAddress(const QString& host, quint16 port, const QString& page);

    QCheckBox* Check1 = nullptr;       // 在局域网中提供计时页面
    QLabel* PortLabel = nullptr;
    QSpinBox* PortBox = nullptr;
    QLabel* StateLabel = nullptr;      // one line: serving, off, or what went wrong
    QLabel* AddressLabel = nullptr;
    QComboBox* AddressBox = nullptr;   // 全部地址, or the one address to serve on
    QLabel* ViewCaption = nullptr;
    QPlainTextEdit* ViewAddresses = nullptr; // the viewing page's addresses, one a line
    QLabel* ViewCode = nullptr;        // QR code of the first
    QLabel* SpeakerCaption = nullptr;
    QLabel* SpeakerAddressLabel = nullptr; // the speaker's view at the first address
    QLabel* OverlayAddressLabel = nullptr; // the streaming overlay's address, with its options
    QLabel* SpeakerCode = nullptr;         // QR code of the speaker's view
    QLabel* SpeakerCodeCaption = nullptr;  // 演讲者扫码
    QLabel* ControlCaption = nullptr;
    QLabel* ControlAddressLabel = nullptr;
    QLabel* ControlNote = nullptr;     // who may have the control address
    QLabel* ControlCode = nullptr;     // QR code of the control address
    QLabel* ViewCodeCaption = nullptr;    // 扫码观看, shown with its code
    QLabel* ControlCodeCaption = nullptr; // 扫码遥控
    QPushButton* NewKeyButton = nullptr; // 更换遥控密钥
    QPushButton* CloseButton = nullptr;  // 关闭

protected:
    void RetranslateUi() override;

private:
    RemoteView& view_;
    RemoteServer& remote_;
};
