#pragma once
#include <QMap>
#include <QString>

// The timing page's own texts (src/remote/server/page, in Chinese there) from each Chinese
// text to its translation in the interface's language, and the language as HTML names it.
QMap<QString, QString> RemotePageTexts();
QString RemotePageLanguage();
