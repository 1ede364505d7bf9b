#include "core/Language.h"

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {
const QTranslator* gEnglish = nullptr; // the catalogue in use; null while the texts are Chinese

QString Code(Language language) { return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh"); }
} // namespace

Language UiLanguage()
{
    return gEnglish ? Language::English : Language::Chinese;
}

Language ReadLanguage(const ConfigFile& config)
{
    const QString code = config.PeekIniText(IniSection::Language, IniKey::UI).value_or(QString());
    return code == Code(Language::English) ? Language::English : Language::Chinese;
}

bool WriteLanguage(const ConfigFile& config, Language language)
{
    return config.WriteIniText(IniSection::Language, IniKey::UI, Code(language));
}

ProgramTexts::ProgramTexts() = default;

ProgramTexts::~ProgramTexts()
{
    Use(Language::Chinese);
}

bool ProgramTexts::Use(Language language)
{
    const bool english = language == Language::English;
    if (english && !english_) {
        auto catalogue = std::make_unique<QTranslator>();
        if (!catalogue->load(kEnglishCatalogue))
            return false;
        english_ = std::move(catalogue);
    }
    if (installed_ && !english) {
        QCoreApplication::removeTranslator(english_.get());
        installed_ = false;
    }
    if (english)
        gEnglish = english_.get();
    else if (english_ && gEnglish == english_.get())
        gEnglish = nullptr;
    if (english && !installed_ && QCoreApplication::instance())
        installed_ = QCoreApplication::installTranslator(english_.get());
    return true;
}

QString ProgramText(const char* context, const char* source)
{
    if (gEnglish && !QCoreApplication::instance()) {
        const QString text = gEnglish->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QCoreApplication::translate(context, source);
}
