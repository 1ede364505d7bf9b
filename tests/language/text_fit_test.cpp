// Every caption of every window fits its control in both languages: no text wider than its
// label, button, check box or list, none beyond its window, no two overlapping.
#include "support/TestApp.h"

#include "about/frmAbout.h"
#include "hotkeys/HotKeyForm.h"
#include "programme/ProgrammeForm.h"
#include "records/RecordsForm.h"
#include "message/SpeakerMessageForm.h"
#include "remote/RemoteViewForm.h"
#include "settings/OptionForm.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <gtest/gtest.h>

namespace {
// The room a control's text has, and the width its text needs; for a label that wraps, the
// height instead.
struct Need {
    int room = 0, need = 0;
};

QString Shown(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?=[^&])"))); }

int Widest(const QFontMetrics& m, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, m.horizontalAdvance(line));
    return widest;
}

std::vector<std::pair<QString, Need>> Needs(QWidget* w)
{
    std::vector<std::pair<QString, Need>> needs;
    const QFontMetrics m(w->font());
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
        if (l->wordWrap())
            needs.push_back({l->text(), {l->contentsRect().height(), l->heightForWidth(l->width())}});
        else
            needs.push_back({l->text(), {l->contentsRect().width(), Widest(m, Shown(l->text()))}});
    } else if (auto* b = qobject_cast<QPushButton*>(w); b && !b->text().isEmpty()) {
        QStyleOptionButton o;
        o.initFrom(b);
        needs.push_back({b->text(), {b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b).width(),
                                     m.horizontalAdvance(Shown(b->text()))}});
    } else if (auto* c = qobject_cast<QAbstractButton*>(w); c && !c->text().isEmpty()) {
        needs.push_back({c->text(), {c->width(), c->sizeHint().width()}});
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox o;
        o.initFrom(c);
        const int room = c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width();
        for (int i = 0; i < c->count(); ++i)
            needs.push_back({c->itemText(i), {room, m.horizontalAdvance(c->itemText(i))}});
    }
    return needs;
}

// Rectangles side by side on one line of text that share more than a sliver.
bool Overlap(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.width() > 1 && both.height() * 2 > std::min(a.height(), b.height());
}

// What does not fit in a window, one line each. A counter's digits are fitted by the window.
QStringList Misfits(QWidget* window)
{
    QStringList misfits;
    std::vector<QWidget*> texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const std::vector<std::pair<QString, Need>> needs = Needs(w);
        if (needs.empty() || !std::any_of(needs.front().first.begin(), needs.front().first.end(),
                                          [](QChar c) { return c.isLetter(); }))
            continue;
        for (const auto& [text, n] : needs)
            if (n.need > n.room)
                misfits << QStringLiteral("%1: needs %2, has %3").arg(text).arg(n.need).arg(n.room);
        if (w->x() < 0 || w->geometry().right() > w->parentWidget()->width())
            misfits << QStringLiteral("%1: beyond its window").arg(needs.front().first);
        if (!w->isHidden())
            texts.push_back(w);
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t k = i + 1; k < texts.size(); ++k)
            if (texts[i]->parentWidget() == texts[k]->parentWidget() && Overlap(texts[i]->geometry(), texts[k]->geometry()))
                misfits << QStringLiteral("%1 overlaps %2").arg(Needs(texts[i]).front().first, Needs(texts[k]).front().first);
    return misfits;
}
} // namespace

TEST(TextFit, EveryCaptionFitsItsControlInBothLanguages)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    t.app->session.SetTitleText("T"); // the title is the user's: any length
    t.app->fullScreenForm().ShowFullScreenControls();
    App& a = *t.app;
    OptionForm options(a.session, a.config, a.hotKeys(), a.svc.dialogs, a.svc.programDir, nullptr);
    options.Form_Load();
    HotKeyForm hotkeys(a.session, a.config, a.hotKeys(), a.svc.hotkeys, a.svc.dialogs, nullptr);
    hotkeys.Form_Load();
    frmAbout about(a.hotKeys(), a.svc.programs, a.svc.dialogs, nullptr);
    about.Form_Load();
    RemoteViewForm remote(a.remoteView(), a.svc.remote, nullptr);
    remote.Form_Load();
    const std::vector<QWidget*> windows{&t.app->mainForm(), &t.app->toolsBarForm(), &t.app->toolsBarFormMax(),
                                        &t.app->fullScreenForm(), &t.app->recordsForm(), &options, &hotkeys, &about,
                                        &remote, &t.app->programmeForm(), &t.app->speakerMessageForm()};
    for (Language language : {Language::Chinese, Language::English}) {
        t.app->UseLanguage(language);
        QApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        for (QWidget* w : windows)
            EXPECT_EQ(Misfits(w).join(u'\n').toStdString(), "")
                << w->metaObject()->className() << (language == Language::English ? " in English" : " in Chinese");
    }
}
