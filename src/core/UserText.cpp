#include "core/UserText.h"

#include <QTextBoundaryFinder>

QString KeptText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        const QChar::Category k = c.category();
        if (k != QChar::Other_Control && k != QChar::Separator_Line && k != QChar::Separator_Paragraph)
            kept += c;
    }
    return kept;
}

QString Isolated(const QString& text)
{
    return text.isEmpty() ? text : QChar(0x2068) + text + QChar(0x2069);
}

int PerceivedLength(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int n = 0;
    while (finder.toNextBoundary() >= 0)
        ++n;
    return n;
}
