// The settings dialog's controls: positions in twips, captions, tool tips and colours.
#include "settings/OptionForm.h"

#include "core/Language.h"
#include "core/Twips.h"
#include "settings/DebateFields.h"
#include "settings/SchemePresets.h"
#include "settings/SignalColorButton.h"
#include "settings/TimeField.h"
#include "windows/Control.h"
#include "windows/Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
constexpr int kPromptSoundTop = 3045, kEndSoundTop = 3465;
constexpr int kStateList = 1905;
constexpr int kStartStateTop = 3900, kEndStateTop = 4290;
constexpr int kQualifyTop = 5010, kQualifyFrom = 1380, kQualifyFieldW = 900;
constexpr int kColorButtonW = 780; // the prompts' colour buttons, after "(剩余时间)"
// What a prompt time is: the time left counting down, the time passed counting up.
const char* const kPromptLeft = QT_TRANSLATE_NOOP("OptionForm", " (剩余时间)");
const char* const kPromptPassed = QT_TRANSLATE_NOOP("OptionForm", " (已用时间)");
constexpr int kPresetsW = 1200, kPresetsRight = 5640;
// The debate row, below the qualifying window in the same group; the group grows and the scheme
// row moves down by kDebateRow.
constexpr int kDebateTop = 5370, kDebateRow = 780;

void SetColor(QWidget* w, QPalette::ColorRole role, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}
} // namespace

void OptionForm::BuildControls()
{
    // A caption takes the width of its text (RetranslateUi).
    auto caption = [this](int left, int top, const char* text, const char* tip = nullptr, int number = 0) {
        auto* l = new QLabel(this);
        SetColor(l, QPalette::WindowText, kCaption);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setGeometry(Twips(left), Twips(top), 0, Twips(kFieldH));
        captions_.push_back({l, text, tip, number});
        return l;
    };
    auto timeField = [this](int left, int top, int limit) {
        auto* f = new TimeField(limit, this);
        f->setGeometry(TwipsRect(left, top, kFieldW, kFieldH));
        SetColor(f, QPalette::Base, kFieldGreen);
        connect(f, &QLineEdit::textChanged, this, [this] { IsChanged = true; });
        return f;
    };
    auto button = [this](int left, int top, int width, int height, void (OptionForm::*handler)()) {
        auto* b = new QPushButton(this);
        b->setGeometry(TwipsRect(left, top, width, height));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    auto stateList = [this, &caption](int top, const char* text, void (OptionForm::*handler)()) {
        caption(kRowLabel, top, text);
        auto* c = new QComboBox(this);
        c->addItems(QStringList(4));
        c->setCurrentIndex(-1);
        connect(c, &QComboBox::currentIndexChanged, this, [this, handler] { (this->*handler)(); });
        auto* l = new QLabel(this);
        SetColor(l, QPalette::WindowText, kCaption);
        return std::pair{c, l};
    };

    // Title strip with the caption and the close button.
    Picture1 = new Control(this);
    Picture1->setGeometry(TwipsRect(60, 60, kDialogWidth - 120, 285));
    Picture1->SetBackColor(16711680);

    Label15 = CaptionLabel = new Control(Picture1);
    Label15->setFont(look::DesignFont(look::SimSunFamilies(), 10.5, true));
    SetColor(Label15, QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));

    Image1.shown = new Control(Picture1);
    Image1.shown->setGeometry(TwipsRect(kDialogWidth - 810, 30, 630, 225));
    Image1.shown->setScaledContents(true);
    Image1.pictures[1].load(QStringLiteral(":/images/option_close_normal.png"));
    Image1.pictures[2].load(QStringLiteral(":/images/option_close_hover.png"));
    Image1.pictures[3].load(QStringLiteral(":/images/option_close_pressed.png"));
    UseFrame();

    // Timing length.
    const char* lengthTip = QT_TR_NOOP("设置计时的时间长度");
    caption(kRowLabel, 555, QT_TR_NOOP("计时长度："), lengthTip);
    JscdHh = timeField(kHours, 555, 24);
    caption(kHourUnit, 555, QT_TR_NOOP("时"), lengthTip);
    JscdMm = timeField(kMinutes, 555, 60);
    caption(kMinuteUnit, 555, QT_TR_NOOP("分"), lengthTip);
    JscdSs = timeField(kSeconds, 555, 60);
    caption(kSecondUnit, 555, QT_TR_NOOP("秒"), lengthTip);
    Check1 = new QCheckBox(this);
    SetColor(Check1, QPalette::WindowText, kCaption);
    connect(Check1, &QCheckBox::toggled, this, [this] {
        IsChanged = true;
        ShowPromptDirection();
    });

    // Prompt times.
    const int promptTops[6] = {0, 990, 1380, 1770, 2160, 2535};
    for (int i = 1; i <= 5; ++i) {
        const int top = promptTops[i];
        caption(kRowLabel, top, QT_TR_NOOP("提示时间%1："), QT_TR_NOOP("设置离结束时间还有多长时间时给予提示！"), i);
        TssjHh[i] = timeField(kHours, top, 24);
        caption(kHourUnit, top, QT_TR_NOOP("时"));
        TssjMm[i] = timeField(kMinutes, top, 60);
        caption(kMinuteUnit, top, QT_TR_NOOP("分"));
        TssjSs[i] = timeField(kSeconds, top, 60);
        caption(kSecondUnit, top, QT_TR_NOOP("秒"));
        caption(3630, top, kPromptLeft); // " (已用时间)" when counting up (ShowPromptDirection)
        TsColor[i] = new SignalColorButton(dialogs_, this);
        connect(TsColor[i], &SignalColorButton::colorChosen, this, [this] { IsChanged = true; });
    }

    // Sounds.
    auto soundField = [this] {
        auto* f = new QLineEdit(this);
        SetColor(f, QPalette::Base, kFieldGreen);
        f->setMouseTracking(true);
        f->installEventFilter(this);
        connect(f, &QLineEdit::textChanged, this, [this] { IsChanged = true; });
        return f;
    };
    caption(kRowLabel, kPromptSoundTop, QT_TR_NOOP("提示声音："), QT_TR_NOOP("设置到提示时间时播放的声音文件(*.WAV)！"));
    TsWav = soundField();
    TsOpen = button(3765, 3030, 375, 300, &OptionForm::TsOpen_Click);
    TsTest = button(4200, 3030, 630, 300, &OptionForm::TsTest_Click);
    caption(kRowLabel, kEndSoundTop, QT_TR_NOOP("结束声音："), QT_TR_NOOP("设置到结束时间时播放的声音文件(*.WAV)"));
    JsWav = soundField();
    JsOpen = button(3765, 3450, 375, 300, &OptionForm::JsOpen_Click);
    JsTest = button(4200, 3450, 630, 300, &OptionForm::JsTest_Click);
    for (QPushButton* open : {TsOpen, JsOpen})
        open->setText(QStringLiteral("..."));

    // Display states after start and after end.
    std::tie(Combo1, Label13) = stateList(kStartStateTop, QT_TR_NOOP("开始计时后的状态："), &OptionForm::Combo1_Click);
    std::tie(Combo2, Label14) = stateList(kEndStateTop, QT_TR_NOOP("计时结束后的状态："), &OptionForm::Combo2_Click);
    Check2 = new QCheckBox(this);
    SetColor(Check2, QPalette::WindowText, kCaption);
    connect(Check2, &QCheckBox::toggled, this, [this] { IsChanged = true; });
    Presets = new QPushButton(this);
    Presets->setGeometry(TwipsRect(kPresetsRight - kPresetsW, 4650, kPresetsW, 330));
    Presets->setAutoDefault(false);
    Presets->setMenu(new QMenu(Presets));
    for (std::size_t k = 0; k < SchemePresets().size(); ++k)
        Presets->menu()->addAction(QString(), this, [this, k] { ApplyPreset(int(k)); });

    // The qualifying window.
    const char* qualifyTip = QT_TR_NOOP("计时结束时，讲话的全部时间（不含暂停，含超时）短于“从”判为不足时，长于“到”判为超时，否则为合格；留空为不限");
    qualifyCaption_ = caption(kRowLabel, kQualifyTop, QT_TR_NOOP("合格时间："), qualifyTip);
    fromCaption_ = caption(kQualifyFrom, kQualifyTop, QT_TR_NOOP("从"), qualifyTip);
    toCaption_ = caption(kQualifyFrom, kQualifyTop, QT_TR_NOOP("到"), qualifyTip);
    for (QLineEdit** f : {&QualifyMin, &QualifyMax}) {
        *f = new QLineEdit(this);
        SetColor(*f, QPalette::Base, kFieldGreen);
        (*f)->setMaxLength(8);
        (*f)->setPlaceholderText(QStringLiteral("00:00:00"));
        connect(*f, &QLineEdit::textChanged, this, [this] { IsChanged = true; });
    }

    debate_ = new DebateFields(this, [this] { IsChanged = true; });

    // Scheme choice and the two buttons.
    caption(kRowLabel, 5370 + kDebateRow, QT_TR_NOOP("请选择计时方案："));
    Combo3 = new QComboBox(this);
    for (int n = 1; n <= 5; ++n)
        Combo3->addItem(QString(), n);
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    SaveMe = button(2925, 5340 + kDebateRow, 975, 375, &OptionForm::SaveMe_Click);
    Command1 = button(4035, 5340 + kDebateRow, 975, 375, &OptionForm::Command1_Click);

    // Tab order: reading order, left to right and top to bottom.
    std::vector<QWidget*> order;
    for (TimeField* f : {JscdHh, JscdMm, JscdSs})
        order.push_back(f);
    order.push_back(Check1);
    for (int i = 1; i <= 5; ++i)
        for (QWidget* f : std::initializer_list<QWidget*>{TssjHh[i], TssjMm[i], TssjSs[i], TsColor[i]})
            order.push_back(f);
    for (QWidget* w : std::initializer_list<QWidget*>{TsWav, TsOpen, TsTest, JsWav, JsOpen, JsTest, Combo1, Combo2,
                                                      Check2, Presets, QualifyMin, QualifyMax, debate_->Box(), debate_->Name(0),
                                                      debate_->Name(1), Combo3, SaveMe, Command1})
        order.push_back(w);
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void OptionForm::ShowPromptDirection()
{
    // A prompt time is the time left when counting down, the time passed when counting up.
    for (const Caption& c : captions_)
        if (c.label->x() == Twips(3630)) {
            c.label->setText(tr(Check1->isChecked() ? kPromptPassed : kPromptLeft));
            c.label->resize(c.label->sizeHint().width(), c.label->height());
        }
}

void OptionForm::RetranslateUi()
{
    // The English captions need wider controls in places.
    const bool english = UiLanguage() == Language::English;
    Check1->setGeometry(english ? TwipsRect(3690, 555, 1400, kFieldH) : TwipsRect(3960, 555, 1050, kFieldH));
    for (auto [list, description, top] : {std::tuple{Combo1, Label13, kStartStateTop - 15},
                                          std::tuple{Combo2, Label14, kEndStateTop - 15}}) {
        list->setGeometry(TwipsRect(kStateList, top, english ? 1125 : 900, 315));
        description->setGeometry(english ? TwipsRect(3090, top, 1950, 315) : TwipsRect(2910, top, 2130, 315));
    }
    Check2->setGeometry(TwipsRect(kRowLabel, 4680, english ? 3200 : 2400, kFieldH));
    const int soundLeft = english ? 1560 : kSoundField; // the sound fields end where they did
    TsWav->setGeometry(TwipsRect(soundLeft, kPromptSoundTop, kSoundField + kSoundFieldW - soundLeft, kFieldH));
    JsWav->setGeometry(TwipsRect(soundLeft, kEndSoundTop, kSoundField + kSoundFieldW - soundLeft, kFieldH));
    Combo3->setGeometry(english ? TwipsRect(1620, 5355 + kDebateRow, 1215, 315) : TwipsRect(1740, 5355 + kDebateRow, 1005, 315));
    debate_->Retranslate();
    debate_->Place(kRowLabel, kDebateTop, kPresetsRight, kFieldH);

    SetCaption(tr("参数设置"));
    Label15->setText(tr("Horalto设置"));
    look::PlaceOnDesignBaseline(Label15, TwipsRect(90, 30, 2400, 225), look::SimSunAscent, look::TextFit::AutoSize);
    for (const Caption& c : captions_) {
        c.label->setText(c.number ? tr(c.text).arg(c.number) : tr(c.text));
        c.label->setToolTip(c.tip ? tr(c.tip) : QString());
        c.label->resize(c.label->sizeHint().width(), c.label->height());
    }
    // The prompts' colour buttons line up after the wider of "(剩余时间)" and "(已用时间)".
    int colorsLeft = 0;
    for (const Caption& c : captions_)
        if (c.label->x() == Twips(3630))
            for (const char* text : {kPromptLeft, kPromptPassed})
                colorsLeft = std::max(colorsLeft, c.label->x() + c.label->fontMetrics().horizontalAdvance(tr(text)) + 1 + Twips(60));
    ShowPromptDirection();
    for (int i = 1; i <= 5; ++i) {
        TsColor[i]->Retranslate();
        TsColor[i]->setGeometry(colorsLeft, TssjSs[i]->y() - Twips(15), Twips(kColorButtonW), Twips(kFieldH + 30));
    }
    Presets->setText(tr("预设..."));
    Presets->setToolTip(tr("用常见比赛的计时填写本方案（长度、提示与信号颜色、合格时间、超时、计时器颜色），保存后生效"));
    for (std::size_t k = 0; k < SchemePresets().size(); ++k)
        Presets->menu()->actions().at(qsizetype(k))->setText(SchemePresetName(SchemePresets()[k]));

    // The qualifying window's row: each field right after its caption, in either language.
    int x = std::max(qualifyCaption_->geometry().right() + 1, Twips(kQualifyFrom));
    for (auto [label, field] : {std::pair{fromCaption_, QualifyMin}, std::pair{toCaption_, QualifyMax}}) {
        label->move(x, label->y());
        x = label->geometry().right() + 1 + Twips(60);
        field->setGeometry(x, Twips(kQualifyTop), Twips(kQualifyFieldW), Twips(kFieldH));
        x = field->geometry().right() + 1 + Twips(120);
    }
    Check1->setText(tr("正计时"));
    for (QPushButton* open : {TsOpen, JsOpen})
        open->setToolTip(open == TsOpen ? tr("选择提示声音文件") : tr("选择结束声音文件"));
    for (QPushButton* test : {TsTest, JsTest}) {
        test->setText(tr("测试"));
        test->setToolTip(tr("测试声音"));
    }
    const char* const states[4] = {QT_TR_NOOP("普通"), QT_TR_NOOP("缩小"), QT_TR_NOOP("全屏"), QT_TR_NOOP("保持")};
    for (QComboBox* c : {Combo1, Combo2})
        for (int i = 0; i < 4; ++i)
            c->setItemText(i, tr(states[i]));
    ShowStateDescriptions();
    Check2->setText(tr("到时后计超时"));
    Check2->setToolTip(tr("到时后计数器不复位，继续显示超出的时间（如 +00:00:07），直到复位或开始下一次计时"));
    for (int n = 1; n <= 5; ++n)
        Combo3->setItemText(n - 1, tr("方案%1").arg(n));
    SaveMe->setText(tr("保 存(&S)"));
    Command1->setText(tr("退 出"));
}
