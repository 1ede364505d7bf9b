#include "hotkeys/KeyNames.h"

#include "core/HotKeyTable.h"

QString KeyName(int keyCode)
{
    if (keyCode >= 48 && keyCode <= 57)
        return QString(QChar(keyCode));
    if (keyCode >= 65 && keyCode <= 90)
        return QString(QChar(keyCode));
    if (keyCode >= 96 && keyCode <= 105)
        return "Num" + QString::number(keyCode - 96);
    if (keyCode >= 112 && keyCode <= 123)
        return "F" + QString::number(keyCode - 111);
    switch (keyCode) {
    case 8: return kNotSet;
    case 19: return QStringLiteral("Pause");
    case 27: return QStringLiteral("Esc");
    case 32: return QStringLiteral("SpaceBar");
    case 33: return QStringLiteral("Page Up");
    case 34: return QStringLiteral("Page Down");
    case 35: return QStringLiteral("Eend");
    case 36: return QStringLiteral("Home");
    case 37: return QStringLiteral("Left Arrow");
    case 38: return QStringLiteral("Up Arrow");
    case 39: return QStringLiteral("Right Arrow");
    case 40: return QStringLiteral("Down Arrow");
    case 45: return QStringLiteral("Insert");
    case 46: return QStringLiteral("Delete");
    case 106: return QStringLiteral("Num(*)");
    case 107: return QStringLiteral("Num(+)");
    case 109: return QStringLiteral("Num(-)");
    case 110: return QStringLiteral("Num(.)");
    case 111: return QStringLiteral("Num(/)");
    default: return QString();
    }
}

ModifierCombination ModifierCombinationOf(int shift)
{
    const bool s = shift & 1, c = shift & 2, a = shift & 4;
    const char* text = "";
    if (s && c && a) text = "Shift+Ctrl+Alt";
    else if (s && a) text = "Shift+Alt";
    else if (s && c) text = "Shift+Ctrl";
    else if (c && a) text = "Ctrl+Alt";
    else if (s) text = "Shift";
    else if (c) text = "Ctrl";
    else if (a) text = "Alt";
    const QString setA = QString::fromLatin1(text);
    return {setA.isEmpty() ? QString() : setA + "+", setA};
}
