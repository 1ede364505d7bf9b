#pragma once
#include <QString>

#include <memory>

class QTranslator;

// Qt's own texts (the buttons of message boxes, the colour and file choosers, the line edits'
// context menus) in the language of the program's interface, from the translations installed
// with Qt (Debian's qt6-translations-l10n). One language at a time: choosing another replaces
// the one in use. Must be destroyed before the QApplication.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Qt's texts in `language` ("zh_CN"); "en" is Qt's own English. False, with English left in
    // place, when Qt has no translation for it here.
    bool Use(const QString& language);

    // The language used for the program's own Chinese interface.
    static inline const QString kChinese = QStringLiteral("zh_CN");

private:
    std::unique_ptr<QTranslator> translator_;
};
