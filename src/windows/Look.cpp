#include "windows/Look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <cmath>

#include "core/Twips.h"

namespace look {

QStringList ArialBlackFamilies() { return {"Arial Black", "Liberation Sans"}; }
QStringList ArialNarrowFamilies() { return {"Arial Narrow", "Liberation Sans Narrow"}; }
QStringList SimSunFamilies() { return {"SimSun", "Noto Serif CJK SC", "Noto Sans CJK SC"}; }

QStringList InstalledFamilies(const QStringList& families)
{
    // The plain list of installed families: hasFamily() would ask fontconfig to resolve every
    // missing name as an alias, which is what this avoids.
    const QStringList all = QFontDatabase::families();
    QStringList installed;
    for (const QString& family : families)
        if (all.contains(family, Qt::CaseInsensitive))
            installed << family;
    return installed.isEmpty() ? families : installed;
}

QFont DesignFont(const QStringList& families, double points, bool bold, bool underline, int weight)
{
    QFont f;
    f.setFamilies(InstalledFamilies(families));
    f.setPixelSize(PointsToPixels(points));
    if (weight > 0)
        f.setWeight(QFont::Weight(weight));
    else
        f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void PlaceOnDesignBaseline(QLabel* label, const QRect& design, double designAscentEm, TextFit fit)
{
    const QFontMetrics fm(label->font());
    const int pixelSize = label->font().pixelSize();
    const int shift = int(std::lround(designAscentEm * pixelSize - fm.ascent()));
    QRect r = design;
    if (shift >= 0) {
        label->setContentsMargins(0, shift, 0, 0);
    } else {
        label->setContentsMargins(0, 0, 0, 0);
        r.setTop(design.top() + shift); // keeps the bottom edge, so the label grows upwards
    }
    if (fit == TextFit::AutoSize) {
        label->move(r.topLeft());
        label->adjustSize();
        return;
    }
    const int needed = label->contentsMargins().top() + fm.height();
    if (fit == TextFit::GrowToText && r.height() < needed)
        r.setHeight(needed);
    label->setGeometry(r);
}

void PaintPicture(QPainter& painter, const QRegion& region, const QPixmap& picture)
{
    for (const QRect& r : region) {
        painter.setClipRect(r);
        painter.drawPixmap(r, picture, r);
    }
    painter.setClipping(false);
}

QCursor HandCursor()
{
    const QPixmap picture(QStringLiteral(":/images/cursor_hand.png"));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(picture, 6, 0);
}

} // namespace look
