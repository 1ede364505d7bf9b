#include "remote/RemoteViewForm.h"

#include "remote/RemoteView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>

namespace {
constexpr int kWidth = 560, kHeight = 690; // pixels
constexpr int kCodeSide = 160;

void SetTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

QLabel* TextLabel(QWidget* parent, const QString& text, const QRect& at)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(at);
    SetTextColor(l, QColor(0xE8, 0xEE, 0xF8));
    return l;
}

// A QR code drawn with whole pixels a module, as large as fits the side.
QPixmap CodePicture(const QImage& code)
{
    if (code.isNull())
        return QPixmap();
    const int scale = std::max(1, kCodeSide / code.width());
    return QPixmap::fromImage(code.scaled(code.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QString UrlHost(const QString& host)
{
    return host.contains(u':') ? u'[' + host + u']' : host;
}
} // namespace

RemoteViewForm::RemoteViewForm(RemoteView& view, RemoteServer& remote, QWidget* owner)
    : FramedDialog(owner, kWidth * 15, kHeight * 15, QString(), QStringLiteral("hotkey"))
    , view_(view)
    , remote_(remote)
{
    Check1 = new QCheckBox(this);
    Check1->setGeometry(20, 40, 300, 24);
    QPalette p = Check1->palette();
    p.setColor(QPalette::WindowText, QColor(0xE8, 0xEE, 0xF8));
    Check1->setPalette(p);
    PortLabel = TextLabel(this, QString(), QRect(340, 40, 50, 24));
    PortBox = new QSpinBox(this);
    PortBox->setGeometry(390, 40, 100, 24);
    PortBox->setRange(RemoteSettings::kLowestPort, 65535);
    PortBox->setKeyboardTracking(false); // a port is taken when typed in full (or by the arrows)
    StateLabel = TextLabel(this, QString(), QRect(20, 70, 520, 22));
    AddressLabel = TextLabel(this, QString(), QRect(20, 100, 110, 24));
    AddressBox = new QComboBox(this);
    AddressBox->setGeometry(130, 100, 300, 24);

    ViewCaption = TextLabel(this, QString(), QRect(20, 130, 520, 20));
    ViewAddresses = new QPlainTextEdit(this);
    ViewAddresses->setGeometry(36, 150, 504, 72);
    ViewAddresses->setReadOnly(true);
    ViewAddresses->setFrameShape(QFrame::NoFrame);
    ViewAddresses->setLineWrapMode(QPlainTextEdit::NoWrap);
    ViewAddresses->document()->setDocumentMargin(0); // four whole lines fit
    ViewAddresses->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette list = ViewAddresses->palette();
    list.setColor(QPalette::Base, Qt::transparent);
    list.setColor(QPalette::Text, QColor(0xE8, 0xEE, 0xF8));
    ViewAddresses->setPalette(list);
    SpeakerCaption = TextLabel(this, QString(), QRect(20, 226, 520, 20));
    SpeakerAddressLabel = TextLabel(this, QString(), QRect(36, 246, 504, 20));
    OverlayAddressLabel = TextLabel(this, QString(), QRect(20, 268, 520, 20));
    for (QLabel* a : {SpeakerAddressLabel, OverlayAddressLabel})
        a->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ViewCode = TextLabel(this, QString(), QRect(20, 294, kCodeSide + 10, kCodeSide + 10));
    SpeakerCode = TextLabel(this, QString(), QRect(195, 294, kCodeSide + 10, kCodeSide + 10));
    ControlCode = TextLabel(this, QString(), QRect(370, 294, kCodeSide + 10, kCodeSide + 10));
    for (QLabel* code : {ViewCode, SpeakerCode, ControlCode})
        code->setAlignment(Qt::AlignCenter);
    ViewCodeCaption = TextLabel(this, QString(), QRect(20, 468, kCodeSide + 10, 20));
    SpeakerCodeCaption = TextLabel(this, QString(), QRect(195, 468, kCodeSide + 10, 20));
    ControlCodeCaption = TextLabel(this, QString(), QRect(370, 468, kCodeSide + 10, 20));
    for (QLabel* caption : {ViewCodeCaption, SpeakerCodeCaption, ControlCodeCaption})
        caption->setAlignment(Qt::AlignCenter);

    ControlCaption = TextLabel(this, QString(), QRect(20, 504, 520, 20));
    ControlAddressLabel = TextLabel(this, QString(), QRect(36, 524, 504, 40));
    ControlAddressLabel->setWordWrap(true);
    ControlAddressLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ControlAddressLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ControlNote = TextLabel(this, QString(), QRect(20, 568, 520, 64));
    ControlNote->setWordWrap(true);
    SetTextColor(ControlNote, QColor(0xFF, 0xC0, 0x80));

    NewKeyButton = new QPushButton(this);
    NewKeyButton->setGeometry(20, 640, 130, 30);
    NewKeyButton->setAutoDefault(false);
    CloseButton = new QPushButton(this);
    CloseButton->setGeometry(kWidth - 20 - 100, 640, 100, 30);
    CloseButton->setAutoDefault(false);

    connect(Check1, &QCheckBox::clicked, this, [this](bool on) { view_.SetEnabled(on); });
    // Only a choice of the user's is stored (activated, not a change made by ShowState).
    connect(AddressBox, &QComboBox::activated, this, [this](int i) { view_.SetAddress(AddressBox->itemData(i).toString()); });
    connect(PortBox, &QSpinBox::valueChanged, this, [this](int port) { view_.SetPort(quint16(port)); });
    connect(NewKeyButton, &QPushButton::clicked, this, [this] { view_.ChangeControlKey(); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(&view_, &RemoteView::settingsChanged, this, &RemoteViewForm::ShowState);
    RetranslateUi();
}

void RemoteViewForm::RetranslateUi()
{
    SetCaption(tr("远程显示"));
    Check1->setText(tr("在局域网中提供计时页面"));
    PortLabel->setText(tr("端口："));
    AddressLabel->setText(tr("提供地址："));
    ViewCaption->setText(tr("观看页面（在手机或平板的浏览器中打开）："));
    ViewCodeCaption->setText(tr("扫码观看"));
    ControlCodeCaption->setText(tr("扫码遥控"));
    SpeakerCaption->setText(tr("演讲者页面（放在讲台上，只给演讲者看：提示颜色和给演讲者的消息）："));
    SpeakerCodeCaption->setText(tr("演讲者扫码"));
    ControlCaption->setText(tr("遥控页面（只交给计时员）："));
    ControlNote->setText(tr("持有遥控地址的人可以开始、暂停、复位、调整计时，给演讲者发消息，切换计时方案和显示模式。"
                            "更换密钥后旧的遥控地址立即失效。"));
    NewKeyButton->setText(tr("更换遥控密钥"));
    CloseButton->setText(tr("关闭"));
    if (!StateLabel->text().isEmpty())
        ShowState();
}

QString RemoteViewForm::ViewingAddress(const QString& host, quint16 port)
{
    return QStringLiteral("http://%1:%2/").arg(UrlHost(host)).arg(port);
}

QString RemoteViewForm::PageAddress(const QString& host, quint16 port, const QString& page)
{
    return QStringLiteral("http://%1:%2/%3").arg(UrlHost(host)).arg(port).arg(page);
}

QString RemoteViewForm::ControlAddress(const QString& host, quint16 port, const QByteArray& key)
{
    return QStringLiteral("http://%1:%2/control?key=%3").arg(UrlHost(host)).arg(port).arg(QString::fromLatin1(key));
}

void RemoteViewForm::Form_Load()
{
    PlaceOnScreen();
    ShowState();
}

void RemoteViewForm::ShowState()
{
    const RemoteSettings& s = view_.Settings();
    const bool serving = s.enabled && view_.Serving();
    Check1->setChecked(s.enabled);
    {
        const QSignalBlocker quiet(PortBox);
        PortBox->setValue(s.port);
    }
    NewKeyButton->setEnabled(serving);

    // The choice of address: every address, or one of the machine's (the one chosen also
    // while the machine lacks it, marked so).
    const QStringList usable = view_.Addresses();
    {
        const QSignalBlocker quiet(AddressBox);
        AddressBox->clear();
        AddressBox->addItem(tr("全部地址"), QString());
        for (const QString& a : usable)
            AddressBox->addItem(a, a);
        if (!s.address.isEmpty() && !usable.contains(s.address))
            AddressBox->addItem(tr("%1（现在没有）").arg(s.address), s.address);
        AddressBox->setCurrentIndex(std::max(0, AddressBox->findData(s.address)));
    }
    const QString served = view_.ServedAddress();
    const QStringList hosts = !serving ? QStringList() : served.isEmpty() ? usable : QStringList{served};
    const bool network = !hosts.isEmpty();
    QString line;
    QColor color(0x80, 0xE0, 0x80);
    if (!s.enabled) {
        line = tr("未开启：不打开任何端口");
        color = QColor(0xB0, 0xB8, 0xC8);
    } else if (!view_.Problem().isEmpty()) {
        line = view_.Problem();
        color = QColor(0xFF, 0x80, 0x80);
    } else if (!network) {
        line = tr("本机没有连接网络：只有本机能打开计时页面");
        color = QColor(0xFF, 0x80, 0x80);
    } else {
        line = tr("正在端口 %1 提供计时页面").arg(s.port);
    }
    StateLabel->setText(line);
    SetTextColor(StateLabel, color);

    QStringList viewing;
    for (const QString& h : hosts)
        viewing << ViewingAddress(h, s.port);
    ViewAddresses->setPlainText(viewing.join(u'\n'));
    const QString control = hosts.isEmpty() ? QString() : ControlAddress(hosts.first(), s.port, s.controlKey);
    ControlAddressLabel->setText(control);
    const QString speaker = hosts.isEmpty() ? QString() : PageAddress(hosts.first(), s.port, QStringLiteral("speaker"));
    SpeakerAddressLabel->setText(speaker);
    OverlayAddressLabel->setText(hosts.isEmpty() ? QString()
                                                 : tr("直播叠加层（透明背景，可加 ?bg=00FF00 和 ?size=120）：%1")
                                                       .arg(PageAddress(hosts.first(), s.port, QStringLiteral("overlay"))));
    // The whole line, address and port included, in a smaller type where it is long (English).
    QFont overlayFont = font();
    while (overlayFont.pointSizeF() > 6.5
           && QFontMetrics(overlayFont).horizontalAdvance(OverlayAddressLabel->text()) > OverlayAddressLabel->width())
        overlayFont.setPointSizeF(overlayFont.pointSizeF() - 0.5);
    OverlayAddressLabel->setFont(overlayFont);
    SpeakerCode->setPixmap(speaker.isEmpty() ? QPixmap() : CodePicture(remote_.qrCode(speaker)));
    SpeakerCodeCaption->setVisible(!SpeakerCode->pixmap().isNull());
    ViewCode->setPixmap(viewing.isEmpty() ? QPixmap() : CodePicture(remote_.qrCode(viewing.first())));
    ControlCode->setPixmap(control.isEmpty() ? QPixmap() : CodePicture(remote_.qrCode(control)));
    ViewCodeCaption->setVisible(!ViewCode->pixmap().isNull());
    ControlCodeCaption->setVisible(!ControlCode->pixmap().isNull());
}
