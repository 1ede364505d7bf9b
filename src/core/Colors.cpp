#include "core/Colors.h"

#include <algorithm>
#include <cctype>
#include <cmath>

QColor ColorFromBgr(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int BgrFromColor(const QColor& c)
{
    return c.blue() * 65536 + c.green() * 256 + c.red();
}

std::optional<int> ParseBgr(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok || v < 0 || v > 0xFFFFFF)
        return std::nullopt;
    return int(v);
}

std::optional<QRgb> ParseSignalColor(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() != 7 || t[0] != QLatin1Char('#'))
        return std::nullopt;
    for (int i = 1; i < 7; ++i)
        if (!isxdigit(t[i].unicode()) || t[i].unicode() > 0x7F)
            return std::nullopt;
    const uint v = t.mid(1).toUInt(nullptr, 16);
    return qRgb(int(v >> 16) & 0xFF, int(v >> 8) & 0xFF, int(v) & 0xFF);
}

QString SignalColorText(QRgb rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

namespace {
double Luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
} // namespace

double ContrastRatio(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb DigitsOnSignal(QRgb background)
{
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

namespace {
constexpr double kReadable = 4.5;

QRgb Mixed(QRgb from, QRgb to, double t)
{
    const auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to)));
}
} // namespace

QRgb ReadableOn(QRgb color, QRgb back)
{
    const QRgb extreme = DigitsOnSignal(back);
    if (ContrastRatio(color, back) >= kReadable)
        return color;
    if (ContrastRatio(color, back) < 2)
        return extreme;
    for (int step = 1; step <= 20; ++step) {
        const QRgb mixed = Mixed(color, extreme, step / 20.0);
        if (ContrastRatio(mixed, back) >= kReadable)
            return mixed;
    }
    return extreme;
}

QRgb DimmedOn(QRgb color, QRgb back, double amount)
{
    const QRgb readable = ReadableOn(color, back);
    for (int step = int(std::lround(amount * 20)); step > 0; --step) {
        const QRgb mixed = Mixed(readable, back, step / 20.0);
        if (ContrastRatio(mixed, back) >= kReadable)
            return mixed;
    }
    return readable;
}
