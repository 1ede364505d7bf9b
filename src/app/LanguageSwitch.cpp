// The interface's language, switched at start-up and from the menu while the program runs.
#include "app/App.h"
#include "config/ConfigKeys.h"

void App::ChooseLanguage(Language language)
{
    if (ReadLanguage(config) != language || !config.PeekIniText(IniSection::Language, IniKey::UI))
        WriteLanguage(config, language);
    if (language != UiLanguage())
        UseLanguage(language);
}

void App::UseLanguage(Language language)
{
    svc.qtTexts.Use(language == Language::English ? QtTexts::kEnglish : QtTexts::kChinese);
    // Without the English catalogue the program stays Chinese; so do Qt's texts then.
    if (!texts_.Use(language) && language == Language::English)
        svc.qtTexts.Use(QtTexts::kChinese);
    // The windows follow QEvent::LanguageChange; the session and the timing page are told.
    session.RetranslateTexts();
}
