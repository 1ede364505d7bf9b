#include "platform/desktop/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <utility>

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations()
{
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
}

bool QtTranslations::Use(const QString& language)
{
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    if (language == kEnglish)
        return true;
    auto next = std::make_unique<QTranslator>();
    if (!next->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        if (!std::exchange(told_, true))
            std::fprintf(stderr, "Horalto: Qt's texts for %s (qt6-translations-l10n) are not installed; "
                                 "the standard dialogs show English.\n", qPrintable(language));
        return false;
    }
    QCoreApplication::installTranslator(next.get());
    translator_ = std::move(next);
    return true;
}
