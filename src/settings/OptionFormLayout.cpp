// The settings dialog's controls: positions in twips, captions, tool tips and colours.
#include "settings/OptionForm.h"

#include "core/Twips.h"
#include "settings/TimeField.h"
#include "windows/Control.h"
#include "windows/Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QStringList kDefaultFont = {"Noto Sans CJK SC", "SimSun", "Liberation Sans"};
const QColor kFieldGreen(192, 255, 192);
const QColor kCaption(Qt::white);

// Left edges of the columns.
constexpr int kRowLabel = 240;
constexpr int kHours = 1380, kHourUnit = 1905;
constexpr int kMinutes = 2130, kMinuteUnit = 2655;
constexpr int kSeconds = 2880, kSecondUnit = 3405;
constexpr int kFieldW = 500, kFieldH = 270;
constexpr int kSoundField = 1380, kSoundFieldW = 2325;
constexpr int kStateList = 1905;

void SetColor(QWidget* w, QPalette::ColorRole role, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}
} // namespace

void OptionForm::BuildControls()
{
    auto caption = [this](int left, int top, const QString& text, const QString& tip = {}) {
        auto* l = new QLabel(text, this);
        SetColor(l, QPalette::WindowText, kCaption);
        l->setToolTip(tip);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setGeometry(Twips(left), Twips(top), l->sizeHint().width(), Twips(kFieldH));
        return l;
    };
    auto timeField = [this](int left, int top, int limit) {
        auto* f = new TimeField(limit, this);
        f->setGeometry(TwipsRect(left, top, kFieldW, kFieldH));
        SetColor(f, QPalette::Base, kFieldGreen);
        connect(f, &QLineEdit::textChanged, this, [this] { IsChanged = true; });
        return f;
    };
    auto button = [this](int left, int top, int width, int height, const QString& text, const QString& tip,
                         void (OptionForm::*handler)()) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(TwipsRect(left, top, width, height));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    auto stateList = [this, &caption](int top, const QString& text, void (OptionForm::*handler)()) {
        caption(kRowLabel, top, text);
        auto* c = new QComboBox(this);
        c->setGeometry(TwipsRect(kStateList, top - 15, 900, 315));
        c->addItems({QStringLiteral("普通"), QStringLiteral("缩小"), QStringLiteral("全屏"), QStringLiteral("保持")});
        c->setCurrentIndex(-1);
        connect(c, &QComboBox::currentIndexChanged, this, [this, handler] { (this->*handler)(); });
        auto* l = new QLabel(QStringLiteral("状态说明"), this);
        SetColor(l, QPalette::WindowText, kCaption);
        l->setGeometry(TwipsRect(2910, top - 15, 2130, 315));
        return std::pair{c, l};
    };

    // Title strip with the caption and the close button.
    Picture1 = new Control(this);
    Picture1->setGeometry(TwipsRect(60, 60, 5040, 285));
    Picture1->SetBackColor(16711680);

    Label15 = CaptionLabel = new Control(Picture1);
    Label15->setText(QStringLiteral("Horalto设置"));
    Label15->setFont(look::DesignFont(look::SimSunFamilies(), 10.5, true));
    SetColor(Label15, QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    look::PlaceOnDesignBaseline(Label15, TwipsRect(90, 30, 2400, 225), look::SimSunAscent, look::TextFit::AutoSize);

    Image1.shown = new Control(Picture1);
    Image1.shown->setGeometry(TwipsRect(4350, 30, 630, 225));
    Image1.shown->setScaledContents(true);
    Image1.pictures[1].load(QStringLiteral(":/images/option_close_normal.png"));
    Image1.pictures[2].load(QStringLiteral(":/images/option_close_hover.png"));
    Image1.pictures[3].load(QStringLiteral(":/images/option_close_pressed.png"));
    UseFrame();

    // Timing length.
    const QString lengthTip = QStringLiteral("设置计时的时间长度");
    caption(kRowLabel, 555, QStringLiteral("计时长度："), lengthTip);
    JscdHh = timeField(kHours, 555, 24);
    caption(kHourUnit, 555, QStringLiteral("时"), lengthTip);
    JscdMm = timeField(kMinutes, 555, 60);
    caption(kMinuteUnit, 555, QStringLiteral("分"), lengthTip);
    JscdSs = timeField(kSeconds, 555, 60);
    caption(kSecondUnit, 555, QStringLiteral("秒"), lengthTip);
    Check1 = new QCheckBox(QStringLiteral("正计时"), this);
    SetColor(Check1, QPalette::WindowText, kCaption);
    Check1->setGeometry(TwipsRect(3960, 555, 1050, kFieldH));
    connect(Check1, &QCheckBox::toggled, this, [this] { IsChanged = true; });

    // Prompt times.
    const int promptTops[6] = {0, 990, 1380, 1770, 2160, 2535};
    for (int i = 1; i <= 5; ++i) {
        const int top = promptTops[i];
        caption(kRowLabel, top, QStringLiteral("提示时间%1：").arg(i), QStringLiteral("设置离结束时间还有多长时间时给予提示！"));
        TssjHh[i] = timeField(kHours, top, 24);
        caption(kHourUnit, top, QStringLiteral("时"));
        TssjMm[i] = timeField(kMinutes, top, 60);
        caption(kMinuteUnit, top, QStringLiteral("分"));
        TssjSs[i] = timeField(kSeconds, top, 60);
        caption(kSecondUnit, top, QStringLiteral("秒"));
        caption(3630, top, QStringLiteral(" (剩余时间)"));
    }

    // Sounds.
    auto soundField = [this](int top) {
        auto* f = new QLineEdit(this);
        f->setGeometry(TwipsRect(kSoundField, top, kSoundFieldW, kFieldH));
        SetColor(f, QPalette::Base, kFieldGreen);
        f->setMouseTracking(true);
        f->installEventFilter(this);
        connect(f, &QLineEdit::textChanged, this, [this] { IsChanged = true; });
        return f;
    };
    caption(kRowLabel, 3045, QStringLiteral("提示声音："), QStringLiteral("设置到提示时间时播放的声音文件(*.WAV)！"));
    TsWav = soundField(3045);
    TsOpen = button(3765, 3030, 375, 300, QStringLiteral("..."), QStringLiteral("选择提示声音文件"), &OptionForm::TsOpen_Click);
    TsTest = button(4200, 3030, 630, 300, QStringLiteral("测试"), QStringLiteral("测试声音"), &OptionForm::TsTest_Click);
    caption(kRowLabel, 3465, QStringLiteral("结束声音："), QStringLiteral("设置到结束时间时播放的声音文件(*.WAV)"));
    JsWav = soundField(3465);
    JsOpen = button(3765, 3450, 375, 300, QStringLiteral("..."), QStringLiteral("选择结束声音文件"), &OptionForm::JsOpen_Click);
    JsTest = button(4200, 3450, 630, 300, QStringLiteral("测试"), QStringLiteral("测试声音"), &OptionForm::JsTest_Click);

    // Display states after start and after end.
    std::tie(Combo1, Label13) = stateList(3900, QStringLiteral("开始计时后的状态："), &OptionForm::Combo1_Click);
    std::tie(Combo2, Label14) = stateList(4290, QStringLiteral("计时结束后的状态："), &OptionForm::Combo2_Click);
    Check2 = new QCheckBox(QStringLiteral("到时后计超时"), this);
    SetColor(Check2, QPalette::WindowText, kCaption);
    Check2->setToolTip(QStringLiteral("到时后计数器不复位，继续显示超出的时间（如 +00:00:07），直到复位或开始下一次计时"));
    Check2->setGeometry(TwipsRect(kRowLabel, 4680, 2400, kFieldH));
    connect(Check2, &QCheckBox::toggled, this, [this] { IsChanged = true; });

    // Scheme choice and the two buttons.
    caption(kRowLabel, 5370, QStringLiteral("请选择计时方案："));
    Combo3 = new QComboBox(this);
    Combo3->setGeometry(TwipsRect(1740, 5355, 1005, 315));
    for (int n = 1; n <= 5; ++n)
        Combo3->addItem(QStringLiteral("方案%1").arg(n), n);
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    SaveMe = button(2925, 5340, 975, 375, QStringLiteral("保 存(&S)"), {}, &OptionForm::SaveMe_Click);
    Command1 = button(4035, 5340, 975, 375, QStringLiteral("退 出"), {}, &OptionForm::Command1_Click);

    // Tab order: reading order, left to right and top to bottom.
    std::vector<QWidget*> order;
    for (TimeField* f : {JscdHh, JscdMm, JscdSs})
        order.push_back(f);
    order.push_back(Check1);
    for (int i = 1; i <= 5; ++i)
        for (TimeField* f : {TssjHh[i], TssjMm[i], TssjSs[i]})
            order.push_back(f);
    for (QWidget* w : std::initializer_list<QWidget*>{TsWav, TsOpen, TsTest, JsWav, JsOpen, JsTest, Combo1, Combo2,
                                                      Check2, Combo3, SaveMe, Command1})
        order.push_back(w);
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}
