#ifndef KIT_LANGUAGE_H
#define KIT_LANGUAGE_H

// The languages the windows speak. Every text is written in Spanish, which is
// therefore always there; other languages ship as compiled translations.

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace kit {

// Language codes that ship, Spanish (the source) first.
inline const QStringList kLanguages = {QStringLiteral("es"), QStringLiteral("en")};

// The first of the desktop's interface languages (QLocale::uiLanguages(), most
// wanted first) that ships, else Spanish. "C" and "POSIX" ask for no language.
QString desktopLanguage(const QStringList& uiLanguages);

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
    QTranslator m_qt;
};

} // namespace kit

#endif
