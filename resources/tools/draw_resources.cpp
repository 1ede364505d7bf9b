// Draws every picture in resources/images: the main window background, the title-strip picture
// buttons, the toolbar backgrounds, the ten toolbar button sprites, the pointing-hand cursor, the
// settings dialog's background and close button, and the title strips, close pictures and the
// About picture of the hotkey dialog and the About box; and the program's icon for the desktop
// (a scalable SVG and PNGs from 16 to 256 pixels).
//
// Build and run through make_resources.sh (QT_QPA_PLATFORM=offscreen, no display needed):
//   draw_resources IMAGE_DIR ICON_DIR
//
// Geometry that the windows rely on is written here in twips (15 twips = 1 pixel), the unit the
// windows use for their layout, and converted where it is drawn.
#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

namespace {

QString outDir;

// A Windows BMP (BITMAPINFOHEADER, bottom-up rows): 8 bits with a 256-entry palette for an
// indexed image, 24 bits otherwise. Written here rather than by QImage::save, whose BMP writer
// leaves the row padding uninitialised, so the files came out different on every run.
QByteArray bmpBytes(const QImage& img)
{
    const bool indexed = img.format() == QImage::Format_Indexed8;
    const int w = img.width(), h = img.height();
    const int stride = ((indexed ? w : w * 3) + 3) & ~3;
    const int paletteBytes = indexed ? 256 * 4 : 0;
    const int offset = 14 + 40 + paletteBytes;
    QByteArray out(offset + stride * h, '\0');
    uchar* p = reinterpret_cast<uchar*>(out.data());
    auto put16 = [&](int at, quint16 v) { p[at] = uchar(v); p[at + 1] = uchar(v >> 8); };
    auto put32 = [&](int at, quint32 v) { for (int i = 0; i < 4; ++i) p[at + i] = uchar(v >> (8 * i)); };
    p[0] = 'B';
    p[1] = 'M';
    put32(2, quint32(out.size()));
    put32(10, quint32(offset));
    put32(14, 40);
    put32(18, quint32(w));
    put32(22, quint32(h));
    put16(26, 1);
    put16(28, indexed ? 8 : 24);
    put32(34, quint32(stride * h));
    put32(38, 3780); // 96 dots per inch
    put32(42, 3780);
    if (indexed) {
        put32(46, 256);
        const auto table = img.colorTable();
        for (int i = 0; i < int(table.size()) && i < 256; ++i) {
            p[54 + 4 * i] = uchar(qBlue(table[i]));
            p[54 + 4 * i + 1] = uchar(qGreen(table[i]));
            p[54 + 4 * i + 2] = uchar(qRed(table[i]));
        }
    }
    const QImage rgb = indexed ? img : img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        uchar* row = p + offset + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            if (indexed) {
                row[x] = img.constScanLine(y)[x];
            } else {
                const QRgb c = rgb.pixel(x, y);
                row[3 * x] = uchar(qBlue(c));
                row[3 * x + 1] = uchar(qGreen(c));
                row[3 * x + 2] = uchar(qRed(c));
            }
        }
    }
    return out;
}

void save(const QImage& img, const QString& name)
{
    const QString path = outDir + "/" + name;
    bool ok;
    if (name.endsWith(".bmp")) {
        QFile f(path);
        const QByteArray bytes = bmpBytes(img);
        ok = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    } else {
        ok = img.save(path);
    }
    if (!ok) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// ---------------------------------------------------------------------------------------------
// Colours of the dark-blue theme.
const QColor kNavyTop(0x1b, 0x36, 0x66);
const QColor kNavyBottom(0x0c, 0x1b, 0x38);
const QColor kEdgeLight(0x55, 0x7a, 0xb6);
const QColor kEdgeDark(0x04, 0x0b, 0x1a);
const QColor kTitleBlue(0x00, 0x00, 0xff); // the title strip of the main window

// ---------------------------------------------------------------------------------------------
// Colour reduction for the 8-bit sprites: colours listed in `keep` stay exact (the strip
// background, so a button's normal frame joins the toolbar without a seam); the others are
// reduced by median cut to what is left of the 256 entries.
QImage toIndexed8(const QImage& src, const std::vector<QRgb>& keep)
{
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> hist;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++hist[img.pixel(x, y) | 0xff000000u];

    QList<QRgb> palette;
    for (QRgb c : keep)
        if (!palette.contains(c | 0xff000000u))
            palette << (c | 0xff000000u);

    struct Entry { QRgb c; int n; };
    std::vector<Entry> rest;
    for (auto [c, n] : hist)
        if (!palette.contains(c))
            rest.push_back({c, n});

    const int room = 256 - int(palette.size());
    if (int(rest.size()) <= room) {
        for (auto& e : rest)
            palette << e.c;
    } else {
        std::vector<std::vector<Entry>> boxes{rest};
        auto channel = [](QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); };
        while (int(boxes.size()) < room) {
            // Split the box with the widest channel range (weighted by size to break ties).
            int best = -1, bestCh = 0, bestRange = 0;
            for (int i = 0; i < int(boxes.size()); ++i) {
                if (boxes[i].size() < 2)
                    continue;
                for (int ch = 0; ch < 3; ++ch) {
                    int lo = 255, hi = 0;
                    for (auto& e : boxes[i]) {
                        lo = std::min(lo, channel(e.c, ch));
                        hi = std::max(hi, channel(e.c, ch));
                    }
                    if (hi - lo > bestRange) {
                        bestRange = hi - lo;
                        best = i;
                        bestCh = ch;
                    }
                }
            }
            if (best < 0)
                break;
            auto box = std::move(boxes[best]);
            std::sort(box.begin(), box.end(), [&](const Entry& a, const Entry& b) {
                return channel(a.c, bestCh) < channel(b.c, bestCh);
            });
            long total = 0;
            for (auto& e : box)
                total += e.n;
            long acc = 0;
            size_t cut = 1;
            for (size_t i = 0; i + 1 < box.size(); ++i) {
                acc += box[i].n;
                cut = i + 1;
                if (acc * 2 >= total)
                    break;
            }
            boxes[best] = std::vector<Entry>(box.begin(), box.begin() + long(cut));
            boxes.push_back(std::vector<Entry>(box.begin() + long(cut), box.end()));
        }
        for (auto& box : boxes) {
            double r = 0, g = 0, b = 0, n = 0;
            for (auto& e : box) {
                r += qRed(e.c) * e.n;
                g += qGreen(e.c) * e.n;
                b += qBlue(e.c) * e.n;
                n += e.n;
            }
            palette << qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n)));
        }
    }

    QImage out(img.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::map<QRgb, int> cache;
    for (int y = 0; y < img.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) | 0xff000000u;
            auto it = cache.find(c);
            if (it == cache.end()) {
                int best = 0;
                long bestD = -1;
                for (int i = 0; i < int(palette.size()); ++i) {
                    const long dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                               db = qBlue(c) - qBlue(palette[i]);
                    const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                    if (bestD < 0 || d < bestD) {
                        bestD = d;
                        best = i;
                    }
                }
                it = cache.emplace(c, best).first;
            }
            line[x] = uchar(it->second);
        }
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Glyphs, drawn into a square box. `s` is the size factor (1 small, 2 large) for line widths.

using Glyph = std::function<void(QPainter&, const QRectF& box, const QColor& ink, double s)>;

void glyphPlay(QPainter& p, const QRectF& b, const QColor& ink, double)
{
    // An equilateral-looking triangle, shifted right a little so it looks centred.
    const double h = b.height() * 0.92, w = h * 0.86;
    const double cx = b.center().x() + w * 0.08, cy = b.center().y();
    QPainterPath path;
    path.moveTo(cx - w / 2, cy - h / 2);
    path.lineTo(cx + w / 2, cy);
    path.lineTo(cx - w / 2, cy + h / 2);
    path.closeSubpath();
    p.setPen(QPen(ink, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(path);
}

void glyphReset(QPainter& p, const QRectF& b, const QColor& ink, double s)
{
    // A circular arrow: an arc of about 300 degrees, the arrow head at its upper end.
    const double r = b.width() * 0.40;
    const QPointF c = b.center();
    const double pen = 1.9 * s;
    QRectF arc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, pen, Qt::SolidLine, Qt::FlatCap));
    const double startDeg = 75, spanDeg = 290; // counter-clockwise from the upper right
    p.drawArc(arc, int(startDeg * 16), int(spanDeg * 16));
    // Head at the start of the arc, pointing along the clockwise direction of travel.
    const double a = startDeg * M_PI / 180;
    const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    const QPointF dir(std::sin(a), std::cos(a)); // tangent pointing clockwise (screen y down)
    const QPointF nrm(std::cos(a), -std::sin(a));
    const double len = 3.4 * s, half = 2.9 * s;
    QPainterPath head;
    head.moveTo(tip + dir * len);
    head.lineTo(tip - dir * (len * 0.35) + nrm * half);
    head.lineTo(tip - dir * (len * 0.35) - nrm * half);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(head);
}

void glyphGear(QPainter& p, const QRectF& b, const QColor& ink, double)
{
    const QPointF c = b.center();
    const double rOut = b.width() * 0.5, rBody = rOut * 0.74, rHole = rOut * 0.30;
    const int teeth = 8;
    QPainterPath gear;
    gear.addEllipse(c, rBody, rBody);
    for (int i = 0; i < teeth; ++i) {
        QPainterPath tooth;
        const double tw = rOut * 0.42;
        tooth.addRoundedRect(QRectF(-tw / 2, -rOut, tw, rOut - rBody * 0.5), tw * 0.2, tw * 0.2);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(360.0 * i / teeth);
        gear = gear.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(c, rHole, rHole);
    gear = gear.subtracted(hole);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(gear);
}

void glyphFullScreen(QPainter& p, const QRectF& b, const QColor& ink, double s)
{
    // Four corner brackets pointing outwards.
    const double pen = 1.6 * s, arm = b.width() * 0.30;
    const QRectF r = b.adjusted(-0.08 * b.width() + pen / 2, -0.08 * b.width() + pen / 2,
                                0.08 * b.width() - pen / 2, 0.08 * b.width() - pen / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    auto corner = [&](QPointF at, double dx, double dy) {
        QPainterPath path;
        path.moveTo(at + QPointF(dx * arm, 0));
        path.lineTo(at);
        path.lineTo(at + QPointF(0, dy * arm));
        p.drawPath(path);
    };
    corner(r.topLeft(), 1, 1);
    corner(r.topRight(), -1, 1);
    corner(r.bottomLeft(), 1, -1);
    corner(r.bottomRight(), -1, -1);
}

void glyphWindow(QPainter& p, const QRectF& b, const QColor& ink, double s)
{
    // A small window: outline with a filled title bar.
    const double pen = 1.4 * s;
    const QRectF r(b.left() + pen / 2, b.top() + b.height() * 0.12, b.width() - pen, b.height() * 0.78);
    p.setPen(QPen(ink, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.28));
}

// ---------------------------------------------------------------------------------------------
// Toolbars. Both are drawn from the same description; `s` is 1 for the small and 2 for the
// large toolbar. Control rectangles in twips, from the toolbar layout.

struct TwRect { double x, y, w, h; };
QRectF px(const TwRect& r) { return QRectF(r.x / 15, r.y / 15, r.w / 15, r.h / 15); }

struct ToolbarLayout {
    double s;
    int width, height;
    TwRect setup, counter, start, stop, back, full;
};

const ToolbarLayout kSmall{1, 380, 25,
                           {410, 0, 340, 330}, {2160, 10, 1785, 350}, {4080, 0, 320, 330},
                           {4440, 0, 320, 330}, {5080, 0, 290, 330}, {5370, 0, 290, 330}};
const ToolbarLayout kLarge{2, 760, 50,
                           {825, 0, 675, 705}, {4260, 60, 3765, 645}, {8190, 0, 645, 675},
                           {8910, 0, 645, 705}, {10170, 0, 555, 690}, {10770, 0, 555, 690}};

// The strip colour of row y: a calm vertical gradient with a light top edge and a dark bottom
// edge. The sprites use the very same rows, so their normal frames sit seamlessly on it.
QRgb stripRow(int y, const ToolbarLayout& L)
{
    const int edge = int(L.s);
    if (y < edge)
        return kEdgeLight.rgb();
    if (y >= L.height - edge)
        return kEdgeDark.rgb();
    const double t = double(y - edge) / std::max(1, L.height - 2 * edge - 1);
    auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return qRgb(mix(kNavyTop.red(), kNavyBottom.red()), mix(kNavyTop.green(), kNavyBottom.green()),
                mix(kNavyTop.blue(), kNavyBottom.blue()));
}

void fillStrip(QImage& img, const ToolbarLayout& L)
{
    for (int y = 0; y < img.height(); ++y) {
        const QRgb c = stripRow(std::min(y, L.height - 1), L);
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, c);
    }
}

std::vector<QRgb> stripColours(const ToolbarLayout& L)
{
    std::vector<QRgb> v;
    for (int y = 0; y < L.height; ++y)
        v.push_back(stripRow(y, L));
    return v;
}

void drawGroove(QPainter& p, double x, double top, double bottom, double s)
{
    p.setPen(QPen(QColor(0x06, 0x0f, 0x22), s));
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    p.setPen(QPen(QColor(0x3a, 0x5c, 0x94), s));
    p.drawLine(QPointF(x + s, top), QPointF(x + s, bottom));
}

QImage drawToolbarBackground(const ToolbarLayout& L)
{
    QImage img(L.width, L.height, QImage::Format_RGB32);
    fillStrip(img, L);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = L.s;

    // Side edges.
    p.setPen(QPen(kEdgeLight, s));
    p.drawLine(QPointF(s / 2, 0), QPointF(s / 2, L.height));
    p.setPen(QPen(kEdgeDark, s));
    p.drawLine(QPointF(L.width - s / 2, 0), QPointF(L.width - s / 2, L.height));

    // Grip dots left of the settings button: the toolbar is moved by dragging its background.
    const QRectF setup = px(L.setup);
    const double gx = setup.left() / 2, gy = L.height / 2.0;
    for (int col = -1; col <= 1; col += 2)
        for (int row = -2; row <= 2; row += 2) {
            const QPointF c(gx + col * 2.0 * s, gy + row * 2.5 * s);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x04, 0x0b, 0x1a));
            p.drawEllipse(c + QPointF(0.5 * s, 0.5 * s), 0.9 * s, 0.9 * s);
            p.setBrush(QColor(0x7d, 0x9c, 0xcc));
            p.drawEllipse(c, 0.8 * s, 0.8 * s);
        }

    // The program's name, quietly, between the settings button and the counter.
    const QRectF counter = px(L.counter);
    QFont f("DejaVu Sans");
    f.setPixelSize(int(std::lround(9 * s)));
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5 * s);
    p.setFont(f);
    const QRectF nameBox(setup.right() + 4 * s, 0, counter.left() - setup.right() - 10 * s, L.height);
    p.setPen(QColor(0x04, 0x0b, 0x1a));
    p.drawText(nameBox.translated(0, s), Qt::AlignCenter, "HORALTO");
    p.setPen(QColor(0x8f, 0xad, 0xdb));
    p.drawText(nameBox, Qt::AlignCenter, "HORALTO");

    // A sunken bezel around the blue counter box.
    const QRectF bez = counter.adjusted(-1.5 * s, -1.5 * s, 1.5 * s, 1.5 * s);
    p.setBrush(QColor(0x05, 0x0c, 0x1e));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(bez, 2.5 * s, 2.5 * s);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4f, 0x73, 0xae), 0.8 * s));
    p.drawLine(QPointF(bez.left() + 2 * s, bez.bottom() - 0.4 * s), QPointF(bez.right() - 2 * s, bez.bottom() - 0.4 * s));
    p.setBrush(QColor(0x00, 0x00, 0xff)); // same blue as the counter box laid on top
    p.setPen(Qt::NoPen);
    p.drawRect(counter);

    // Grooves between the button groups.
    const QRectF start = px(L.start), stop = px(L.stop), back = px(L.back);
    drawGroove(p, std::round((counter.right() + start.left()) / 2), 4 * s, L.height - 4 * s, s);
    drawGroove(p, std::round((stop.right() + back.left()) / 2), 4 * s, L.height - 4 * s, s);
    return img;
}

// A sprite: three frames side by side (normal | hover | pressed). The window copies frame k
// from source x srcX[k] (twips) with width frameW[k] onto the button at destX, so each frame is
// drawn inside its own pixel range and well clear of its neighbours.
struct SpriteDef {
    const char* name;
    int width, height;        // pixels
    TwRect button;            // the button on its toolbar, twips
    double destX;             // twips
    double frameW[3];         // twips
    double frameH;            // button units (1.03125 twips each)
    double srcX[3];           // twips
    Glyph glyph;
    QColor ink;
};

QImage drawSprite(const SpriteDef& d, const ToolbarLayout& L)
{
    const double s = L.s;
    QImage img(d.width, d.height, QImage::Format_RGB32);
    fillStrip(img, L);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 3; ++k) {
        const double x0 = d.srcX[k] / 15;
        const double visW = std::min(d.frameW[k], d.button.w - d.destX) / 15; // what the button shows
        const double visH = std::min(d.frameH * 1.03125, d.button.h) / 15;
        const QRectF range(x0, 0, visW, std::min(visH, double(d.height)));
        const QRectF key = range.adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s);
        const double side = std::min(key.width(), key.height()) * 0.58;
        QRectF box(0, 0, side, side);
        box.moveCenter(key.center());
        const double radius = 3 * s;

        QColor ink = d.ink;
        if (k == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 14));
            p.drawRoundedRect(key, radius, radius);
        } else if (k == 1) {
            QLinearGradient g(key.topLeft(), key.bottomLeft());
            g.setColorAt(0, QColor(0x3a, 0x66, 0xb0));
            g.setColorAt(1, QColor(0x1f, 0x40, 0x7c));
            p.setBrush(g);
            p.setPen(QPen(QColor(0x8c, 0xb4, 0xf0), 0.9 * s));
            p.drawRoundedRect(key.adjusted(0.45 * s, 0.45 * s, -0.45 * s, -0.45 * s), radius, radius);
            // Soft glow behind the glyph.
            QRadialGradient glow(box.center(), side * 0.75);
            QColor gc = d.ink.lighter(130);
            gc.setAlpha(90);
            glow.setColorAt(0, gc);
            gc.setAlpha(0);
            glow.setColorAt(1, gc);
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(box.center(), side * 0.75, side * 0.75);
            ink = d.ink.lighter(125);
        } else {
            QLinearGradient g(key.topLeft(), key.bottomLeft());
            g.setColorAt(0, QColor(0x06, 0x10, 0x24));
            g.setColorAt(1, QColor(0x10, 0x22, 0x46));
            p.setBrush(g);
            p.setPen(QPen(QColor(0x03, 0x08, 0x14), 0.9 * s));
            p.drawRoundedRect(key.adjusted(0.45 * s, 0.45 * s, -0.45 * s, -0.45 * s), radius, radius);
            ink = d.ink.darker(135);
            box.translate(s, s);
        }
        p.save();
        p.setClipRect(key);
        d.glyph(p, box, ink, s);
        p.restore();
    }
    p.end();
    return toIndexed8(img, stripColours(L));
}

void drawToolbars()
{
    save(drawToolbarBackground(kSmall), "toolbar_small_bg.bmp");
    save(drawToolbarBackground(kLarge), "toolbar_large_bg.bmp");

    const QColor green(0x7c, 0xde, 0x9c), red(0xff, 0x95, 0x86), pale(0xd2, 0xe0, 0xf8);
    const SpriteDef small[] = {
        {"toolbar_small_start.bmp", 63, 24, kSmall.start, 0, {320, 320, 320}, 330, {0, 320, 625}, glyphPlay, green},
        {"toolbar_small_stop.bmp", 66, 24, kSmall.stop, 0, {320, 320, 320}, 330, {0, 330, 660}, glyphReset, red},
        {"toolbar_small_setup.bmp", 69, 24, kSmall.setup, -5, {350, 350, 355}, 330, {0, 350, 695}, glyphGear, pale},
        {"toolbar_small_fullscreen.bmp", 57, 25, kSmall.full, 0, {300, 300, 300}, 300, {0, 280, 570}, glyphFullScreen, pale},
        {"toolbar_small_backtomain.bmp", 57, 25, kSmall.back, 0, {300, 300, 300}, 300, {0, 280, 570}, glyphWindow, pale},
    };
    const SpriteDef large[] = {
        {"toolbar_large_start.bmp", 126, 48, kLarge.start, 0, {640, 640, 640}, 660, {0, 635, 1245}, glyphPlay, green},
        {"toolbar_large_stop.bmp", 132, 48, kLarge.stop, 0, {640, 640, 640}, 660, {0, 660, 1320}, glyphReset, red},
        {"toolbar_large_setup.bmp", 138, 48, kLarge.setup, -5, {700, 700, 710}, 660, {0, 695, 1385}, glyphGear, pale},
        {"toolbar_large_fullscreen.bmp", 114, 50, kLarge.full, 0, {600, 600, 600}, 600, {0, 565, 1145}, glyphFullScreen, pale},
        {"toolbar_large_backtomain.bmp", 114, 50, kLarge.back, 0, {600, 600, 600}, 600, {0, 565, 1145}, glyphWindow, pale},
    };
    for (const auto& d : small)
        save(drawSprite(d, kSmall), d.name);
    for (const auto& d : large)
        save(drawSprite(d, kLarge), d.name);
}

// ---------------------------------------------------------------------------------------------
// Main window background, 441 x 248: the title strip (a widget) covers (4,4,433,19); label rows
// at y 38 and 62; the window draws light lines at y 86 and 198 around the counter; the seven
// push buttons stand at y 212, 25 high.

// The frame of a window background: light outer edge, dark inner edge.
void drawWindowFrame(QPainter& p, int W, int H)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0x4a, 0x6f, 0xaa));
    p.drawRect(0, 0, W - 1, H - 1);
    p.setPen(QColor(0x07, 0x10, 0x24));
    p.drawRect(1, 1, W - 3, H - 3);
}

void drawMainBackground()
{
    const int W = 441, H = 248;
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient base(0, 0, 0, H);
    base.setColorAt(0.0, QColor(0x17, 0x2f, 0x5a));
    base.setColorAt(0.35, QColor(0x10, 0x23, 0x47));
    base.setColorAt(1.0, QColor(0x0b, 0x19, 0x35));
    p.fillRect(img.rect(), base);

    // Information panel behind the two label rows.
    const QRectF info(8.5, 29.5, W - 17, 52);
    QLinearGradient ig(info.topLeft(), info.bottomLeft());
    ig.setColorAt(0, QColor(0x1d, 0x3a, 0x6c));
    ig.setColorAt(1, QColor(0x14, 0x2b, 0x54));
    p.setBrush(ig);
    p.setPen(QPen(QColor(0x2c, 0x4d, 0x85), 1));
    p.drawRoundedRect(info, 4, 4);
    p.setPen(QPen(QColor(0x08, 0x12, 0x28), 1));
    p.drawLine(QPointF(info.left() + 4, info.bottom() + 1), QPointF(info.right() - 4, info.bottom() + 1));

    // The counter field between the two lines: dark and still, a faint lift in the middle.
    const QRectF field(4, 87, W - 8, 111);
    QLinearGradient fg(field.topLeft(), field.bottomLeft());
    fg.setColorAt(0, QColor(0x05, 0x0c, 0x1c));
    fg.setColorAt(0.5, QColor(0x08, 0x12, 0x27));
    fg.setColorAt(1, QColor(0x05, 0x0c, 0x1c));
    p.fillRect(field, fg);
    QRadialGradient lift(field.center(), field.width() * 0.55);
    lift.setColorAt(0, QColor(0x1a, 0x33, 0x66, 40));
    lift.setColorAt(1, QColor(0x1a, 0x33, 0x66, 0));
    p.fillRect(field, lift);

    // A tray under the button row.
    const QRectF tray(8.5, 206.5, W - 17, 36);
    QLinearGradient tg(tray.topLeft(), tray.bottomLeft());
    tg.setColorAt(0, QColor(0x0a, 0x17, 0x31));
    tg.setColorAt(1, QColor(0x13, 0x28, 0x4f));
    p.setBrush(tg);
    p.setPen(QPen(QColor(0x06, 0x0e, 0x20), 1));
    p.drawRoundedRect(tray, 4, 4);
    p.setPen(QPen(QColor(0x2a, 0x4a, 0x80), 1));
    p.drawLine(QPointF(tray.left() + 4, tray.bottom() + 1), QPointF(tray.right() - 4, tray.bottom() + 1));

    drawWindowFrame(p, W, H);
    p.end();
    save(img, "main_background.png");
}

// ---------------------------------------------------------------------------------------------
// Title-strip picture buttons on the blue strip: minimise 27 x 15, full screen 26 x 15, close
// 42 x 15; normal, hover (lighter key) and pressed (darker key, glyph moved 1 px down-right).

void drawTitleButtons()
{
    struct Def {
        const char* name;
        int w;
        bool close;
        std::function<void(QPainter&, QPointF c, const QColor& ink)> glyph;
    };
    const Def defs[] = {
        {"title_min", 27, false, [](QPainter& p, QPointF c, const QColor& ink) {
             p.fillRect(QRectF(c.x() - 4.5, c.y() + 2.5, 9, 2), ink);
         }},
        {"title_full", 26, false, [](QPainter& p, QPointF c, const QColor& ink) {
             p.setPen(QPen(ink, 1));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(c.x() - 4, c.y() - 3.5, 8, 8));
             p.fillRect(QRectF(c.x() - 4, c.y() - 3.5, 8, 2), ink);
         }},
        {"title_close", 42, true, [](QPainter& p, QPointF c, const QColor& ink) {
             p.setRenderHint(QPainter::Antialiasing);
             p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(c + QPointF(-3.6, -3.6), c + QPointF(3.6, 3.6));
             p.drawLine(c + QPointF(-3.6, 3.6), c + QPointF(3.6, -3.6));
         }},
    };
    const char* states[] = {"normal", "hover", "pressed"};
    for (const auto& d : defs) {
        for (int k = 0; k < 3; ++k) {
            QImage img(d.w, 15, QImage::Format_RGB32);
            img.fill(kTitleBlue);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            const QRectF key(1.5, 0.5, d.w - 3, 14);
            QColor ink(0xec, 0xf1, 0xff);
            if (k == 1) {
                p.setPen(QPen(d.close ? QColor(0xff, 0x9a, 0x9a) : QColor(0x9d, 0xb2, 0xff), 1));
                p.setBrush(d.close ? QColor(0xd8, 0x33, 0x3f) : QColor(0x3b, 0x55, 0xff));
                p.drawRoundedRect(key, 3, 3);
                ink = Qt::white;
            } else if (k == 2) {
                p.setPen(QPen(QColor(0x00, 0x00, 0x60), 1));
                p.setBrush(d.close ? QColor(0x96, 0x1c, 0x2a) : QColor(0x00, 0x00, 0xa8));
                p.drawRoundedRect(key, 3, 3);
                ink = QColor(0xc6, 0xcf, 0xee);
            }
            p.setRenderHint(QPainter::Antialiasing, false);
            const QPointF c = QPointF(d.w / 2.0, 7.0) + (k == 2 ? QPointF(1, 1) : QPointF(0, 0));
            d.glyph(p, c, ink);
            p.end();
            save(img, QString("%1_%2.png").arg(d.name, states[k]));
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Pointing-hand cursor, 32 x 32 with transparency; the fingertip (hot spot) is pixel (6, 0).
// Drawn pixel by pixel so it stays crisp: X black outline, o white fill; a soft shadow follows.

void drawCursor()
{
    static const char* rows[] = {
        ".....XXX",
        "....XoooX",
        "....XoooX",
        "....XoooX",
        "....XoooX",
        "....XoooX",
        "....XoooXXXX",
        "....XoooXoooXXXX",
        "....XoooXoooXoooXXX",
        "....XoooXoooXoooXooX",
        ".XX.XoooXoooXoooXooX",
        "XooXXoooXoooXoooXooX",
        "XoooXooooooooooooooX",
        ".XoooooooooooooooooX",
        "..XooooooooooooooooX",
        "..XooooooooooooooooX",
        "...XoooooooooooooooX",
        "...XoooooooooooooooX",
        "....XooooooooooooooX",
        "....XoooooooooooooX",
        ".....XooooooooooooX",
        ".....XooooooooooooX",
        ".....XXXXXXXXXXXXXX",
    };
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    const int n = int(sizeof rows / sizeof rows[0]);
    auto at = [&](int x, int y) -> char {
        if (y < 0 || y >= n || x < 0 || x >= int(std::strlen(rows[y])))
            return '.';
        return rows[y][x];
    };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const char c = at(x, y);
            if (c == 'X')
                img.setPixel(x, y, qRgba(0, 0, 0, 255));
            else if (c == 'o')
                img.setPixel(x, y, qRgba(255, 255, 255, 255));
            else if (at(x - 1, y - 1) != '.')
                img.setPixel(x, y, qRgba(0, 0, 0, 70));
        }
    save(img, "cursor_hand.png");
}

// ---------------------------------------------------------------------------------------------
// The dialogs (hotkey dialog 418 x 476, About box 440 x 320) paint their dark-blue body
// themselves; these are their title strips (the strip stands 4 px in from the edges, 24 px
// high), the close picture on the strip's right end (42 x 18, transparent around the key, so it
// sits on any part of the strip) and the About box's picture (64 x 64).

void drawDialogStrip(const QString& name, int w)
{
    const int h = 24;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0.0, QColor(0x3a, 0x6c, 0xc4));
    g.setColorAt(0.5, QColor(0x24, 0x4f, 0x9e));
    g.setColorAt(1.0, QColor(0x17, 0x38, 0x78));
    p.fillRect(img.rect(), g);
    p.setPen(QColor(0x7a, 0xa2, 0xe6));
    p.drawLine(0, 0, w - 1, 0);
    p.setPen(QColor(0x0a, 0x1c, 0x44));
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.end();
    save(img, name + "_title.png");
}

void drawDialogClose(const QString& name)
{
    const int w = 42, h = 18;
    const char* states[] = {"normal", "hover", "pressed"};
    for (int k = 0; k < 3; ++k) {
        QImage img(w, h, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF key(1.5, 1.5, w - 3, h - 3);
        QColor ink(0xe4, 0xec, 0xfa);
        if (k == 0) {
            p.setPen(QPen(QColor(0x8a, 0xac, 0xe8, 150), 1));
            p.setBrush(QColor(0x10, 0x28, 0x5c, 90));
        } else if (k == 1) {
            p.setPen(QPen(QColor(0xff, 0xa0, 0xa0), 1));
            QLinearGradient g(key.topLeft(), key.bottomLeft());
            g.setColorAt(0, QColor(0xe8, 0x4a, 0x52));
            g.setColorAt(1, QColor(0xb8, 0x22, 0x30));
            p.setBrush(g);
            ink = Qt::white;
        } else {
            p.setPen(QPen(QColor(0x50, 0x08, 0x10), 1));
            p.setBrush(QColor(0x8e, 0x18, 0x24));
            ink = QColor(0xd8, 0xc8, 0xcc);
        }
        p.drawRoundedRect(key, 4, 4);
        const QPointF c = QPointF(w / 2.0, h / 2.0) + (k == 2 ? QPointF(1, 1) : QPointF(0, 0));
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
        p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
        p.end();
        save(img, QString("%1_close_%2.png").arg(name, states[k]));
    }
}

struct RoundRect {
    QRectF r;
    double radius;
};

// A stopwatch's crown on its stem, and the side button, given upright and turned by 45 degrees
// about the centre `c` of the case.
void drawCrownAndButton(QPainter& p, QPointF c, const RoundRect& crown, const QRectF& stem, const RoundRect& button)
{
    p.drawRoundedRect(crown.r, crown.radius, crown.radius);
    p.drawRect(stem);
    p.save();
    p.translate(c);
    p.rotate(45);
    p.drawRoundedRect(button.r, button.radius, button.radius);
    p.restore();
}

// A stopwatch: steel case with crown and side button, white face with minute ticks, a red
// sector for the time that is running out, and the hand.
void drawAboutPicture()
{
    const int S = 64;
    QImage img(S, S, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(32, 36);
    const double R = 24;

    // Crown and side button.
    p.setPen(QPen(QColor(0x30, 0x3a, 0x48), 1));
    p.setBrush(QColor(0xc8, 0xd0, 0xdc));
    drawCrownAndButton(p, c, {QRectF(27, 3, 10, 6), 2}, QRectF(30, 8, 4, 4), {QRectF(-3, -R - 6, 6, 5), 1.5});

    // Case.
    QRadialGradient caseG(c - QPointF(8, 8), R * 1.6);
    caseG.setColorAt(0, QColor(0xf0, 0xf4, 0xfa));
    caseG.setColorAt(0.6, QColor(0x9c, 0xa8, 0xba));
    caseG.setColorAt(1, QColor(0x4a, 0x56, 0x68));
    p.setBrush(caseG);
    p.setPen(QPen(QColor(0x26, 0x2e, 0x3a), 1.2));
    p.drawEllipse(c, R + 3.5, R + 3.5);

    // Face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfb, 0xfc, 0xff));
    p.drawEllipse(c, R, R);
    // The red sector: the last quarter of the span.
    p.setBrush(QColor(0xe2, 0x3c, 0x3c, 200));
    p.drawPie(QRectF(c.x() - R + 3, c.y() - R + 3, 2 * R - 6, 2 * R - 6), 90 * 16, 90 * 16);

    // Ticks: long at the quarters.
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const double r0 = (i % 3 == 0) ? R - 7 : R - 4;
        p.setPen(QPen(QColor(0x1c, 0x2a, 0x44), i % 3 == 0 ? 2.0 : 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(std::sin(a) * r0, -std::cos(a) * r0), c + QPointF(std::sin(a) * (R - 1.5), -std::cos(a) * (R - 1.5)));
    }

    // Hand at the start of the red sector, and the hub.
    p.setPen(QPen(QColor(0x0c, 0x1b, 0x38), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(-std::sin(M_PI / 2) * (R - 5), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x20, 0x20));
    p.drawEllipse(c, 3, 3);
    p.end();
    save(img, "about_picture.png");
}

void drawDialogs()
{
    drawDialogStrip("hotkey", 410);
    drawDialogClose("hotkey");
    drawDialogStrip("about", 432);
    drawDialogClose("about");
    drawAboutPicture();
}

// ---------------------------------------------------------------------------------------------
// Settings dialog, 344 x 388: the blue title strip (a widget) covers (4,4,336,19); time rows at
// y 37..187, sound rows at 203 and 231, state rows at 260 and 286 and the overtime switch at 312,
// the scheme choice and the two buttons at y 356, 25 high. Grooves part the four groups. Its close button is 42 x 15 on the
// strip: normal, hover (red key) and pressed (dark red key, cross moved 1 px down-right).

void drawOptionPictures()
{
    const int W = 344, H = 388;
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, 0, H);
    base.setColorAt(0.0, QColor(0x18, 0x31, 0x5e));
    base.setColorAt(0.5, QColor(0x11, 0x25, 0x4a));
    base.setColorAt(1.0, QColor(0x0b, 0x19, 0x35));
    p.fillRect(img.rect(), base);
    // One panel for each group of rows.
    const QRectF panels[] = {{8.5, 29.5, W - 17.0, 165}, {8.5, 197.5, W - 17.0, 55},
                             {8.5, 255.5, W - 17.0, 84}, {8.5, 346.5, W - 17.0, 37}};
    for (const QRectF& r : panels) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(0x1d, 0x3a, 0x6c));
        g.setColorAt(1, QColor(0x14, 0x2b, 0x54));
        p.setBrush(g);
        p.setPen(QPen(QColor(0x2c, 0x4d, 0x85), 1));
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(QColor(0x08, 0x12, 0x28), 1));
        p.drawLine(QPointF(r.left() + 4, r.bottom() + 1), QPointF(r.right() - 4, r.bottom() + 1));
    }
    drawWindowFrame(p, W, H);
    p.end();
    save(img, "option_background.png");

    const char* states[] = {"normal", "hover", "pressed"};
    for (int k = 0; k < 3; ++k) {
        QImage b(42, 15, QImage::Format_RGB32);
        b.fill(kTitleBlue);
        QPainter q(&b);
        q.setRenderHint(QPainter::Antialiasing);
        const QRectF key(1.5, 0.5, 39, 14);
        QColor ink(0xe4, 0xea, 0xff);
        if (k == 0) {
            q.setPen(QPen(QColor(0x4d, 0x5f, 0xff), 1));
            q.setBrush(Qt::NoBrush);
            q.drawRoundedRect(key, 3, 3);
        } else {
            q.setPen(QPen(k == 1 ? QColor(0xff, 0xa8, 0xa8) : QColor(0x50, 0x08, 0x10), 1));
            q.setBrush(k == 1 ? QColor(0xe0, 0x3c, 0x46) : QColor(0x8c, 0x18, 0x24));
            q.drawRoundedRect(key, 3, 3);
            ink = k == 1 ? QColor(Qt::white) : QColor(0xd0, 0xc4, 0xcc);
        }
        const QPointF c = QPointF(21, 7) + (k == 2 ? QPointF(1, 1) : QPointF(0, 0));
        q.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
        q.drawLine(c + QPointF(-3.5, 3.5), c + QPointF(3.5, -3.5));
        q.end();
        save(b, QString("option_close_%1.png").arg(states[k]));
    }
}

// ---------------------------------------------------------------------------------------------
// The program's icon, on a 256-unit square: a stopwatch in the theme's navy with a white face,
// the red sector of the time running out and the hand. Below 32 pixels the minute ticks are
// left out and the lines are heavier, so the small sizes stay clear.

void paintAppIcon(QPainter& p, double size)
{
    const bool small = size < 32;
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256, size / 256);
    const QPointF c(128, 144);
    const double R = 104;
    const QColor navy = kNavyTop, ink(0x0c, 0x1b, 0x38), red(0xe2, 0x3c, 0x3c);

    // Crown and side button.
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    drawCrownAndButton(p, c, {QRectF(104, 8, 48, 22), 8}, QRectF(118, 24, 20, 20), {QRectF(-13, -R - 26, 26, 24), 6});

    // Case: a navy ring, lighter at the top left.
    QRadialGradient ring(c - QPointF(40, 40), R * 1.6);
    ring.setColorAt(0, kEdgeLight);
    ring.setColorAt(0.55, navy);
    ring.setColorAt(1, ink);
    p.setBrush(ring);
    p.drawEllipse(c, R, R);

    // Face, and the red sector of the last quarter.
    const double F = small ? R - 22 : R - 16;
    p.setBrush(QColor(0xfb, 0xfc, 0xff));
    p.drawEllipse(c, F, F);
    p.setBrush(red);
    p.drawPie(QRectF(c.x() - F + 8, c.y() - F + 8, 2 * F - 16, 2 * F - 16), 90 * 16, 90 * 16);

    if (!small) {
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            const double r0 = (i % 3 == 0) ? F - 22 : F - 12;
            p.setPen(QPen(ink, i % 3 == 0 ? 8 : 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + QPointF(std::sin(a) * r0, -std::cos(a) * r0), c + QPointF(std::sin(a) * (F - 5), -std::cos(a) * (F - 5)));
        }
    }

    // The hand at the start of the red sector, and the hub.
    p.setPen(QPen(ink, small ? 22 : 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c - QPointF(F - (small ? 14 : 20), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(small ? ink : QColor(0xc0, 0x20, 0x20));
    p.drawEllipse(c, small ? 16 : 11, small ? 16 : 11);
}

void drawAppIcon(const QString& iconDir)
{
    const QString name = "io.horalto.Horalto";
    QBuffer out;
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle("Horalto");
    svg.setDescription("A stopwatch: the Horalto icon");
    {
        QPainter p(&svg);
        paintAppIcon(p, 256);
    }
    // The generator gives the size in millimetres; an icon theme expects pixels.
    const QByteArray text = QString::fromUtf8(out.data())
                                .replace(QRegularExpression(R"(<svg width="[^"]*" height="[^"]*")"),
                                         R"(<svg width="256" height="256")")
                                .toUtf8();
    QFile file(iconDir + "/" + name + ".svg");
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage img(size, size, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        paintAppIcon(p, size);
        p.end();
        const QString path = QString("%1/%2_%3.png").arg(iconDir, name).arg(size);
        if (!img.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IMAGE_DIR ICON_DIR\n", argv[0]);
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    drawAppIcon(QString::fromLocal8Bit(argv[2]));
    drawMainBackground();
    drawTitleButtons();
    drawToolbars();
    drawCursor();
    drawDialogs();
    drawOptionPictures();
    return 0;
}
