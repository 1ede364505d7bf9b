#pragma once
#include <QString>

#include <memory>

class QTranslator;

// Qt's own texts (the buttons of message boxes, the colour and file choosers, the line edits'
// context menus) in the language of the program's interface. One language at a time: choosing
// another replaces the one in use.
class QtTexts {
public:
    virtual ~QtTexts() = default;
    // Qt's texts in `language` ("zh_CN"); kEnglish is Qt's own English. False, with English
    // left in place, when Qt has no translation for it here.
    virtual bool Use(const QString& language) = 0;

    // The languages of the program's Chinese and English interfaces.
    static inline const QString kChinese = QStringLiteral("zh_CN");
    static inline const QString kEnglish = QStringLiteral("en");
};

// From the translations installed with Qt (Debian's qt6-translations-l10n); a language that is
// missing is said once on the standard error. Must be destroyed before the QApplication.
class QtTranslations final : public QtTexts {
public:
    QtTranslations();
    ~QtTranslations() override;
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    bool Use(const QString& language) override;

private:
    std::unique_ptr<QTranslator> translator_;
    bool told_ = false;
};
