#include "settings/OptionForm.h"

#include "config/ConfigKeys.h"
#include "config/ConfigFile.h"
#include "core/Colors.h"
#include "core/Qualify.h"
#include "settings/DebateFields.h"
#include "core/TimingSession.h"
#include "core/TimeText.h"
#include "core/Twips.h"
#include "hotkeys/HotKeys.h"
#include "platform/ProgramEnv.h"
#include "platform/desktop/Dialogs.h"
#include "settings/SchemePresets.h"
#include "settings/SignalColorButton.h"
#include "settings/TimeField.h"
#include "windows/Control.h"
#include "windows/Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {
const QString kTitle = QStringLiteral("Horalto");
const QStringList kDefaultFont = {"Noto Sans CJK SC", "SimSun", "Liberation Sans"};

const char* const kStartStates[4] = {
    QT_TRANSLATE_NOOP("OptionForm", "开始计时后显示主界面"), QT_TRANSLATE_NOOP("OptionForm", "开始计时后显示工具条"),
    QT_TRANSLATE_NOOP("OptionForm", "开始计时后全屏幕显示"), QT_TRANSLATE_NOOP("OptionForm", "开始计时后保持当前状态")};
const char* const kEndStates[4] = {
    QT_TRANSLATE_NOOP("OptionForm", "结束计时后显示主界面"), QT_TRANSLATE_NOOP("OptionForm", "结束计时后显示工具条"),
    QT_TRANSLATE_NOOP("OptionForm", "结束计时后全屏幕显示"), QT_TRANSLATE_NOOP("OptionForm", "结束计时后保持当前状态")};

// A stored display state as a list index; anything but "0".."3" is "keep the current state",
// which is also what the timing commands do with it.
int StateIndex(const QString& value)
{
    if (value.size() == 1 && value[0] >= u'0' && value[0] <= u'3')
        return value[0].unicode() - u'0';
    return 3;
}

// The program's sound folder "wav", whatever its letter case; the program directory without one.
QString WavFolder(const QString& programDir)
{
    const QDir dir(programDir);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (name.compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return programDir;
}
} // namespace

OptionForm::OptionForm(TimingSession& session, const ConfigFile& config, HotKeys& hotKeys, Dialogs& dialogs,
                       const ProgramDir& programDir, QWidget* owner)
    : FramedDialog(owner, kDialogWidth, 5820 + 780, QString()) // the debate row makes its group taller
    , session_(session)
    , config_(config)
    , hotKeys_(hotKeys)
    , dialogs_(dialogs)
    , programDir_(programDir)
{
    setFont(look::DesignFont(kDefaultFont, 9, false));
    background_.load(QStringLiteral(":/images/option_background.png"));
    BuildControls();
    RetranslateUi();
}

OptionForm::~OptionForm()
{
    // Fields losing the focus while they are destroyed must not reach the dialog any more.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

std::vector<TimeField*> OptionForm::TimeFields() const
{
    std::vector<TimeField*> all{JscdHh, JscdMm, JscdSs};
    for (int i = 1; i <= 5; ++i) {
        all.push_back(TssjHh[i]);
        all.push_back(TssjMm[i]);
        all.push_back(TssjSs[i]);
    }
    return all;
}

void OptionForm::Form_Load()
{
    // No hotkey acts while the dialog is open.
    hotKeys_.UnregisterAll();
    PlaceOnScreen();

    // Opens on the current scheme; a number that is not one of the five opens scheme 1.
    std::int16_t n = 1;
    try {
        n = SchemeNumberFromText(config_.ReadIniText(IniSection::FangAnSelect, IniKey::JsFangAnId, "1"));
    } catch (const ConfigError&) {
    }
    EditFangAnId = (n >= 1 && n <= 5) ? n : 1;
    Combo3->setCurrentIndex(EditFangAnId - 1);
    LoadSchemeIntoFields();
    JscdHh->setFocus();
}

void OptionForm::LoadSchemeIntoFields()
{
    const ConfigFile& c = config_;
    // The defaults of a scheme never edited before reach the file in one write, not one a key.
    ConfigFile::DefaultsBatch defaults(c);
    const int n = EditFangAnId;
    std::int16_t direction = 0;
    try {
        direction = c.ReadIniInt(numbered(IniSection::JSSET, n), IniKey::JSFX, 0);
    } catch (const ConfigError&) {
    }
    Check1->setChecked(direction == 1); // anything but 1 counts down
    const QString js = numbered(IniSection::JSSET, n);
    JscdHh->setText(c.ReadIniText(js, IniKey::JSHH, "00"));
    JscdMm->setText(c.ReadIniText(js, IniKey::JSMM, "00"));
    JscdSs->setText(c.ReadIniText(js, IniKey::JSSS, "30"));
    const QString ts = numbered(IniSection::TSSET, n);
    for (int i = 1; i <= 5; ++i) {
        TssjHh[i]->setText(c.ReadIniText(ts, numbered(IniKey::TSHH, i), "00"));
        TssjMm[i]->setText(c.ReadIniText(ts, numbered(IniKey::TSMM, i), "00"));
        TssjSs[i]->setText(c.ReadIniText(ts, numbered(IniKey::TSSS, i), "00"));
        TsColor[i]->SetColor(ParseSignalColor(c.PeekIniText(ts, numbered(IniKey::TSColor, i)).value_or(QString())));
    }
    TsWav->setText(c.ReadIniText(numbered(IniSection::WAVSET, n), IniKey::TSWAV, session_.DefaultPromptWav()));
    JsWav->setText(c.ReadIniText(numbered(IniSection::WAVSET, n), IniKey::JSWAV, session_.DefaultEndWav()));
    TsWav->setCursorPosition(0);
    JsWav->setCursorPosition(0);
    const QString comm = numbered(IniSection::COMMSET, n);
    Combo1->setCurrentIndex(StateIndex(c.ReadIniText(comm, IniKey::STARTSTATE, "3")));
    Combo2->setCurrentIndex(StateIndex(c.ReadIniText(comm, IniKey::FINSHSTATE, "3")));
    // Looked at only: a scheme gains the key when it is saved here.
    Check2->setChecked(c.PeekIniText(comm, IniKey::OverTime).value_or(QString()) == QStringLiteral("Yes"));
    QualifyMin->setText(c.PeekIniText(comm, IniKey::QualifyMin).value_or(QString()));
    QualifyMax->setText(c.PeekIniText(comm, IniKey::QualifyMax).value_or(QString()));
    debate_->Load(c, comm);
    for (QWidget* w : findChildren<QWidget*>())
        w->setEnabled(true);
    Command1->setEnabled(true);
    presetColors_ = false;
    IsChanged = false;
}

void OptionForm::ApplyPreset(int index)
{
    const SchemePreset& p = SchemePresets().at(std::size_t(index));
    auto setTime = [](TimeField* h, TimeField* m, TimeField* s, const QString& time) {
        h->setText(time.mid(0, 2));
        m->setText(time.mid(3, 2));
        s->setText(time.mid(6, 2));
    };
    Check1->setChecked(p.countUp);
    setTime(JscdHh, JscdMm, JscdSs, QString::fromLatin1(p.length));
    for (std::size_t i = 1; i <= 5; ++i) {
        const bool used = i <= p.prompts.size();
        setTime(TssjHh[i], TssjMm[i], TssjSs[i], used ? QString::fromLatin1(p.prompts[i - 1].time) : QStringLiteral("00:00:00"));
        TsColor[i]->SetColor(used ? std::optional<QRgb>(p.prompts[i - 1].color) : std::nullopt);
    }
    QualifyMin->setText(QString::fromLatin1(p.qualifyMin));
    QualifyMax->setText(QString::fromLatin1(p.qualifyMax));
    Check2->setChecked(true);
    presetColors_ = true;
    IsChanged = true;
}

void OptionForm::Combo3_Click()
{
    const int m = Combo3->currentData().toInt();
    if (m != EditFangAnId && IsChanged) {
        const QString question = tr("计时方案%1 的配置还没有保存，您是否要保存对该配置的更改？").arg(EditFangAnId);
        if (dialogs_.question(this, kTitle, question)) {
            SaveMe_Click();
            if (IsChanged) {
                // Not saved: the edits stay, and so does the scheme they belong to.
                Combo3->setCurrentIndex(EditFangAnId - 1);
                return;
            }
        }
    }
    EditFangAnId = std::int16_t(m);
    LoadSchemeIntoFields();
}

void OptionForm::SaveMe_Click()
{
    // A field still being edited is normalised as leaving it would; every time saved converts.
    for (TimeField* f : TimeFields())
        f->LostFocus();
    if (!CheckQualifyFields())
        return;
    if (!WriteFields()) {
        dialogs_.warning(this, kTitle,
                                 tr("计时方案%1 的配置没有保存：无法写入配置文件\n%2")
                                     .arg(EditFangAnId)
                                     .arg(QDir::toNativeSeparators(config_.ConfigFilePath())));
        return;
    }
    ReloadCurrentScheme();
    if (presetColors_ && EditFangAnId == session_.FangAnId())
        session_.RestoreCounterColors();
    presetColors_ = false;
    IsChanged = false;
}

bool OptionForm::WriteFields()
{
    const ConfigFile& c = config_;
    ConfigFile::SaveBatch save(c); // the whole scheme in one write, or nothing
    const int n = EditFangAnId;
    auto text = [&c](const QString& section, const QString& key, const QString& value) {
        return c.WriteIniText(section, key, value.trimmed());
    };
    const QString js = numbered(IniSection::JSSET, n);
    if (!c.WriteIniInt(js, IniKey::JSFX, Check1->isChecked() ? 1 : 0) || !text(js, IniKey::JSHH, JscdHh->text())
        || !text(js, IniKey::JSMM, JscdMm->text()) || !text(js, IniKey::JSSS, JscdSs->text()))
        return false;
    const QString ts = numbered(IniSection::TSSET, n);
    for (int i = 1; i <= 5; ++i)
        if (!text(ts, numbered(IniKey::TSHH, i), TssjHh[i]->text()) || !text(ts, numbered(IniKey::TSMM, i), TssjMm[i]->text())
            || !text(ts, numbered(IniKey::TSSS, i), TssjSs[i]->text()))
            return false;
    // A signal colour only once the user gives a prompt one (then kept, empty for none); a key
    // that says what the button shows stays as it is written.
    for (int i = 1; i <= 5; ++i) {
        const QString key = numbered(IniKey::TSColor, i);
        const std::optional<QRgb> color = TsColor[i]->Color();
        if (ParseSignalColor(c.PeekIniText(ts, key).value_or(QString())) != color
            && !text(ts, key, color ? SignalColorText(*color) : QString()))
            return false;
    }
    const QString wav = numbered(IniSection::WAVSET, n);
    if (!text(wav, IniKey::TSWAV, TsWav->text()) || !text(wav, IniKey::JSWAV, JsWav->text()))
        return false;
    const QString comm = numbered(IniSection::COMMSET, n);
    if (!text(comm, IniKey::STARTSTATE, QString::number(std::max(Combo1->currentIndex(), 0)))
        || !text(comm, IniKey::FINSHSTATE, QString::number(std::max(Combo2->currentIndex(), 0)))
        || !text(comm, IniKey::OverTime, Check2->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No")))
        return false;
    // The window's keys only once the user sets a bound (then kept, empty when cleared).
    for (auto [key, field] : {std::pair{IniKey::QualifyMin, QualifyMin}, std::pair{IniKey::QualifyMax, QualifyMax}})
        if ((!field->text().isEmpty() || c.PeekIniText(comm, key)) && !text(comm, key, field->text()))
            return false;
    if (presetColors_) {
        const QString colors = numbered(IniSection::ColorSet, n);
        const PresetCounterColors& k = kPresetCounterColors;
        for (auto [key, bgr] : {std::pair{IniKey::Normal, k.normal}, std::pair{IniKey::ToolsBar, k.toolsBar},
                                std::pair{IniKey::FullScreen, k.fullScreen}})
            if (!text(colors, key, QString::number(bgr)))
                return false;
    }
    if (!debate_->Write(c, comm))
        return false;
    return save.commit();
}

bool OptionForm::CheckQualifyFields()
{
    std::optional<std::int32_t> bounds[2];
    QLineEdit* const fields[2] = {QualifyMin, QualifyMax};
    for (int i = 0; i < 2; ++i) {
        const QString text = fields[i]->text().trimmed();
        if (text.isEmpty()) {
            fields[i]->clear();
            continue;
        }
        bounds[i] = QualifyBound(text);
        if (!bounds[i]) {
            dialogs_.warning(this, kTitle, tr("合格时间应写作 时:分:秒，例如 00:04:30；留空为不限"));
            fields[i]->setFocus();
            return false;
        }
        fields[i]->setText(SecondsToTimeText(*bounds[i]));
    }
    if (bounds[0] && bounds[1] && *bounds[0] > *bounds[1]) {
        dialogs_.warning(this, kTitle, tr("合格时间的“从”不能晚于“到”"));
        QualifyMin->setFocus();
        return false;
    }
    return true;
}

void OptionForm::ReloadCurrentScheme()
{
    // The current scheme (not necessarily the one saved) goes into the shared state, and its
    // length into the counters, as a scheme switch does. A current scheme that the file no
    // longer describes properly keeps what the program holds; the next start or switch meets it.
    session_.ReloadCurrentScheme();
}

void OptionForm::Command1_Click()
{
    reject();
}

void OptionForm::Form_Unload()
{
    // The hotkeys as the file holds them now: it may have been edited while the dialog was open.
    hotKeys_.LoadHotKeys();
    hotKeys_.RegisterHotKeysAfterDialog();
}

void OptionForm::ChooseSound(QLineEdit* field, const QString& title)
{
    const std::optional<QString> chosen = dialogs_.openFile(
        this, title, WavFolder(programDir_.path()), tr("声音文件 (*.Wav)"));
    if (!chosen)
        return;
    field->setText(chosen->trimmed());
    field->setCursorPosition(0);
}

void OptionForm::TsOpen_Click() { ChooseSound(TsWav, tr("选择提示声音文件")); }
void OptionForm::JsOpen_Click() { ChooseSound(JsWav, tr("选择结束声音文件")); }
void OptionForm::TsTest_Click() { session_.PlayWav(TsWav->text().trimmed()); }
void OptionForm::JsTest_Click() { session_.PlayWav(JsWav->text().trimmed()); }

void OptionForm::Combo1_Click()
{
    IsChanged = true;
    ShowStateDescriptions();
}

void OptionForm::Combo2_Click()
{
    IsChanged = true;
    ShowStateDescriptions();
}

void OptionForm::ShowStateDescriptions()
{
    const int start = Combo1->currentIndex(), end = Combo2->currentIndex();
    Label13->setText(start >= 0 ? tr(kStartStates[start]) : tr("状态说明"));
    Label14->setText(end >= 0 ? tr(kEndStates[end]) : tr("状态说明"));
}

void OptionForm::TsWav_MouseMove() { TsWav->setToolTip(TsWav->text()); }
void OptionForm::JsWav_MouseMove() { JsWav->setToolTip(JsWav->text()); }

bool OptionForm::eventFilter(QObject* watched, QEvent* e)
{
    // The sound fields show their whole path as tool tip, however long.
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::ToolTip) {
        if (watched == TsWav)
            TsWav_MouseMove();
        else if (watched == JsWav)
            JsWav_MouseMove();
    }
    return FramedDialog::eventFilter(watched, e);
}

void OptionForm::keyPressEvent(QKeyEvent* e)
{
    if (e->modifiers() & ~Qt::KeypadModifier) {
        FramedDialog::keyPressEvent(e);
        return;
    }
    switch (e->key()) {
    case Qt::Key_Escape:
        Command1_Click();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button; in a field it does nothing.
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()))
            b->click();
        break;
    default:
        FramedDialog::keyPressEvent(e);
    }
}

void OptionForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!background_.isNull())
        p.drawPixmap(rect(), background_);
    else
        p.fillRect(rect(), QColor(0x10, 0x1c, 0x3a));
}
