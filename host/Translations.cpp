#include "host/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace host {

namespace {

// The table `prefix`_<language> in `directory` for the first of the user's languages
// that has one. The texts are written in English: an English language ahead of any
// with a table means no table at all (QTranslator::load(QLocale, ...) would go on and
// take the next language's).
std::unique_ptr<QTranslator> loadFor(const QLocale& locale, const QString& prefix, const QString& directory)
{
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language == QLatin1String("en") ||
            language.startsWith(QLatin1String("en_")))
            return nullptr;
        auto translator = std::make_unique<QTranslator>();
        // "de_DE" also finds prefix_de.qm.
        if (translator->load(prefix + language, directory) && !translator->isEmpty()) return translator;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<Translations> Translations::install(const QString& bundlePath, const QLocale& locale)
{
    std::unique_ptr<Translations> translations(new Translations);
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    translations->add(loadFor(locale, QStringLiteral("orvan-print_"),
                              QDir::cleanPath(bundlePath) + QStringLiteral("/Resources/translations")));
    translations->add(loadFor(locale, QStringLiteral("qtbase_"), qtDirectory));
    return translations;
}

void Translations::add(std::unique_ptr<QTranslator> translator)
{
    if (!translator || !QCoreApplication::installTranslator(translator.get())) return;
    translators_.push_back(std::move(translator));
}

Translations::~Translations()
{
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
}

} // namespace host
