#include "windows/CounterLabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QStyleOption>
#include <QTextLayout>

bool CounterLabel::Plain() const
{
    // What the label draws as one plain line of text, without frame, margin or indent.
    if (textFormat() == Qt::RichText || wordWrap() || margin() != 0 || indent() > 0 || frameWidth() != 0
        || !pixmap().isNull() || text().isEmpty())
        return false;
    for (QChar c : text())
        if (c == u'&' || c == u'\n' || c == u'\r' || c == u'\t' || c == QChar(ushort(0x9c)) || c == QChar::LineSeparator)
            return false;
    return textFormat() == Qt::PlainText || !Qt::mightBeRichText(text());
}

const CounterLabel::Line* CounterLabel::Laid()
{
    if (!Plain() || layoutDirection() != Qt::LeftToRight)
        return nullptr;
    const QRect r = contentsRect();
    if (laid_ && line_.text == text() && line_.font == font() && line_.rect == r && line_.alignment == alignment())
        return &line_;
    // The label's text painting, one line: laid out left-aligned on a line without a width
    // limit, placed on whole pixels, then aligned in the contents rectangle.
    Line l{text(), font(), r, alignment(), {}, false, {}, {}};
    QTextLayout layout(l.text, l.font);
    layout.setCacheEnabled(true);
    QTextOption option(Qt::AlignLeft);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine tl = layout.createLine();
    tl.setLineWidth(0x01000000);
    tl.setPosition(QPointF(0, 0));
    layout.endLayout();
    const qreal height = tl.ascent() + tl.descent();
    qreal yoff = 0;
    if (l.alignment & Qt::AlignBottom)
        yoff = r.height() - height;
    else if (l.alignment & Qt::AlignVCenter)
        yoff = (r.height() - height) / 2;
    qreal xoff = 0;
    if (l.alignment & Qt::AlignRight)
        xoff = r.width() - tl.horizontalAdvance();
    else if (l.alignment & Qt::AlignHCenter)
        xoff = (r.width() - tl.horizontalAdvance()) / 2;
    l.origin = QPointF(r.x() + xoff, r.y() + yoff);
    l.clip = !QRectF(r).contains(QRectF(r.x() + xoff, r.y() + yoff, tl.naturalTextWidth(), height));
    l.runs = tl.glyphRuns();
    for (const QGlyphRun& run : l.runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> at = run.positions();
        for (qsizetype k = 0; k < glyphs.size(); ++k) {
            // Antialiasing reaches a pixel past the outline's box.
            const QRectF ink = raw.boundingRect(glyphs[k]).translated(at[k] + l.origin);
            l.glyphRects << ink.toAlignedRect().adjusted(-1, -1, 1, 1);
        }
    }
    line_ = std::move(l);
    laid_ = true;
    return &line_;
}

void CounterLabel::ShowText(const QString& text)
{
    if (text == this->text())
        return;
    const Line* before = Laid();
    const QList<QRect> oldRects = before ? before->glyphRects : QList<QRect>{};
    const QString oldText = this->text();
    // The label itself would repaint all of its contents for the new text.
    const bool updates = !testAttribute(Qt::WA_UpdatesDisabled);
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setText(text);
    setAttribute(Qt::WA_UpdatesDisabled, !updates);
    const Line* after = Laid();
    if (!before || !after || text.size() != oldText.size() || oldRects.size() != oldText.size()
        || after->glyphRects.size() != text.size()) {
        update(contentsRect());
        return;
    }
    QRegion changed;
    for (qsizetype k = 0; k < text.size(); ++k)
        if (text[k] != oldText[k])
            changed += oldRects[k].united(after->glyphRects[k]);
    update(changed);
}

void CounterLabel::paintEvent(QPaintEvent* e)
{
    const Line* l = Laid();
    if (!l) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    QStyleOption state; // the colour group of the window's state, as the label takes it
    state.initFrom(this);
    p.setPen(QPen(state.palette.brush(foregroundRole()), p.pen().widthF()));
    const QRegion& region = e->region();
    if (l->clip)
        p.setClipRect(l->rect, Qt::IntersectClip);
    // Only the glyphs whose ink meets the region; each as the label would draw it.
    qsizetype g = 0;
    for (const QGlyphRun& run : l->runs) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> at = run.positions();
        QList<quint32> someGlyphs;
        QList<QPointF> someAt;
        for (qsizetype k = 0; k < glyphs.size(); ++k, ++g) {
            if (region.intersects(l->glyphRects[g])) {
                someGlyphs << glyphs[k];
                someAt << at[k];
            }
        }
        if (someGlyphs.isEmpty())
            continue;
        QGlyphRun some = run;
        some.setGlyphIndexes(someGlyphs);
        some.setPositions(someAt);
        p.drawGlyphRun(l->origin, some);
    }
}
