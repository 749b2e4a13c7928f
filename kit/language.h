#ifndef KIT_LANGUAGE_H
#define KIT_LANGUAGE_H

// The languages the windows speak. Every text is written in Spanish, which is
// therefore always there; other languages ship as compiled translations.

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <mutex>

#include "kit/languages.h"

namespace kit {

// The code of shipped that a wanted language asks for, or empty when none does.
// The wanted code may be in any case, with "_" or "-" before its region, and may
// carry an encoding or a variant ("es_ES.UTF-8", "ca@valencia"). The same code
// wins; else the same language in whatever region ships, the language alone
// first: "EN" and "en-GB" choose "en", "pt" and "pt_PT" choose "pt_BR".
QString shippedLanguage(const QString& wanted, const QStringList& shipped = kLanguages);

// The first of the desktop's interface languages (QLocale::uiLanguages(), most
// wanted first) that ships, else Spanish. "C" and "POSIX" ask for no language.
QString desktopLanguage(const QStringList& uiLanguages, const QStringList& shipped = kLanguages);

// text, marked in context, in language, for the moment before the application's
// translations are in place.
QString translatedEarly(const QString& language, const char* context, const char* text);

// Qt's own texts in a language, read from their file only when Qt first asks
// for one: most runs never show a standard button or an edit menu, and the file
// would take 0.1 MiB from the start. Qt's contexts are its class names, "Q...";
// the program's are named otherwise, and never load it.
class QtTexts : public QTranslator {
public:
    explicit QtTexts(const QString& language) : m_language(language) {}
    // Whether Qt has texts in the language at all.
    bool exist() const;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    QString m_language;
    mutable std::once_flag m_loading;
    mutable std::unique_ptr<QTranslator> m_texts;
};

// Puts the program's texts and Qt's own (standard buttons, edit menus) into
// language for as long as it lives. Needs the application object.
class Translations {
public:
    explicit Translations(const QString& language);
    ~Translations();

    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator m_program;
    QtTexts m_qt;
};

} // namespace kit

#endif
