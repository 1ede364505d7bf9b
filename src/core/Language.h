#pragma once
// The language of the program's interface. The texts in the code are Chinese, the default
// whatever the system's locale; English comes from the catalogue compiled into the program
// (kEnglishCatalogue), loaded the first time it is chosen. One language for the whole program.
#include <QString>
#include <memory>

class ConfigFile;
class QTranslator;

enum class Language { Chinese, English };

// The language the program's texts are in now.
Language UiLanguage();

// The choice kept in config.ini ([Language] UI, "zh" or "en"): Chinese when the key is missing
// or holds anything else. Reading writes nothing.
Language ReadLanguage(const ConfigFile& config);
// Keeps the choice; only when the user picks a language.
bool WriteLanguage(const ConfigFile& config, Language language);

// The program's own texts in one language: with an application object, its catalogue is
// installed there and every window gets QEvent::LanguageChange; before one exists (the command
// line), ProgramText reads the catalogue itself. Destroyed, the texts are Chinese again.
class ProgramTexts {
public:
    ProgramTexts();
    ~ProgramTexts();
    ProgramTexts(const ProgramTexts&) = delete;
    ProgramTexts& operator=(const ProgramTexts&) = delete;

    // False, with the language left as it was, when the English catalogue cannot be loaded.
    bool Use(Language language);

    static inline const QString kEnglishCatalogue = QStringLiteral(":/i18n/horalto_en.qm");

private:
    std::unique_ptr<QTranslator> english_;
    bool installed_ = false;
};

// A text of the program in the language in use (the source text is the Chinese one): as
// QCoreApplication::translate, also while no application object exists yet.
QString ProgramText(const char* context, const char* source);
