#include "platform/desktop/Desktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QUrl>

bool QtDesktop::openFolder(const QString& dir)
{
    QDir().mkpath(dir);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(dir));
}

void QtDesktop::copyText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtDesktop::pastedText()
{
    return QGuiApplication::clipboard()->text();
}
