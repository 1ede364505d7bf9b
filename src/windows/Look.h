#pragma once
#include <QCursor>
#include <QFont>
#include <QRect>
#include <QStringList>

class QLabel;
class QPainter;
class QPixmap;
class QRegion;

// Fonts, text placement and the pointer cursor shared by the toolbars and the full-screen window.
namespace look {

// Design typefaces with the installed faces that stand in for them.
QStringList ArialBlackFamilies();  // counter of the toolbars
QStringList ArialNarrowFamilies(); // counter of the full-screen window
QStringList SimSunFamilies();      // Chinese captions

// Ascent of the design typefaces in ems (the height from the top of a text line to its baseline).
constexpr double ArialBlackAscent = 1.1006;
constexpr double ArialNarrowAscent = 0.9053;
constexpr double SimSunAscent = 0.859;

// The families of the list that are installed, in order (the list itself when none is): asking
// fontconfig for a family it does not have costs a fallback search for every font.
QStringList InstalledFamilies(const QStringList& families);

QFont DesignFont(const QStringList& families, double points, bool bold, bool underline = false,
                 int weight = -1);

// Places a label whose text is drawn from its top edge so that the baseline lies where the
// design typeface would put it: a stand-in face with a different ascent would otherwise draw
// higher or lower than the design and may be clipped by the label or its container. `design` is
// the label's designed geometry in pixels.
enum class TextFit {
    AutoSize,   // the label takes the size of its text
    GrowToText, // keeps its width; grows in height as far as a line of text needs
    KeepSize,   // keeps the designed size (text without descenders that fits above the bottom)
};
void PlaceOnDesignBaseline(QLabel* label, const QRect& design, double designAscentEm, TextFit fit);

// Draws a window's background picture (its top left at the window's) into the rectangles of a
// paint region one by one: a region of several rectangles as one clip (the counter and the clock
// of one tick) sends the picture through the painter's slow path, with helper threads woken for it.
void PaintPicture(QPainter& painter, const QRegion& region, const QPixmap& picture);

// The program's pointer cursor (32 x 32, hot spot 6, 0) over picture buttons and control labels;
// the platform's pointing hand when the picture is not available.
QCursor HandCursor();

} // namespace look
