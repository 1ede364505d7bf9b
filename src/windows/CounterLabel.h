#pragma once
#include "windows/Control.h"

#include <QGlyphRun>
#include <QList>
#include <QRegion>

// The counter: a control label that draws its one line of text itself, glyph by glyph, where
// the label would draw it. A new text repaints only the glyphs that differ from the old one
// (the last digit in most seconds): digits this large are drawn as outlines, not from the glyph
// cache, and drawing the whole line every second is most of what a second of timing costs.
class CounterLabel : public Control {
    Q_OBJECT
public:
    using Control::Control;

    // Shows `text`; when it has as many glyphs as the text shown, only the changed ones repaint.
    void ShowText(const QString& text);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Line {
        QString text;
        QFont font;
        QRect rect;
        Qt::Alignment alignment;
        QPointF origin;
        bool clip; // the text reaches out of the contents rectangle
        QList<QGlyphRun> runs;
        QList<QRect> glyphRects; // the ink of every glyph in order, in widget pixels
    };
    // The line as the label's own painting lays it out, kept while text, font and place hold.
    const Line* Laid();
    bool Plain() const;
    Line line_;
    bool laid_ = false;
};
