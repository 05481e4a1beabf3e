#pragma once
// orvan-print's own texts and Qt's (message box buttons, file dialog) in the user's
// language, for as long as the object lives.
#include <QLocale>
#include <QString>

#include <memory>
#include <vector>

class QTranslator;

namespace host {

class Translations {
public:
    // Installs on the application the tables for `locale`: orvan-print's from the
    // bundle's Resources/translations, Qt's from Qt's translation directory. A language
    // without a table, or English, leaves the texts as written.
    static std::unique_ptr<Translations> install(const QString& bundlePath, const QLocale& locale = QLocale());
    ~Translations(); // removes them again
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    Translations() = default;
    void add(std::unique_ptr<QTranslator> translator);
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

} // namespace host
