#ifndef KIT_LANGUAGE_H
#define KIT_LANGUAGE_H

// The languages the windows speak. Every text is written in Spanish, which is
// therefore always there; other languages ship as compiled translations. Core
// hands its texts over in Spanish, and the windows look them up here under the
// contexts core marks them with.

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace kit {

// Language codes that ship, Spanish (the source) first. A code names a region
// only where the translation is written for one.
inline const QStringList kLanguages = {QStringLiteral("es"), QStringLiteral("en"), QStringLiteral("pt_BR"),
                                       QStringLiteral("ca")};

// The first of the desktop's interface languages (QLocale::uiLanguages(), most
// wanted first) that ships, else Spanish, whatever region either names: pt_PT
// and pt are answered in pt_BR. "C" and "POSIX" ask for no language.
QString desktopLanguage(const QStringList& uiLanguages);

// A figure's caption, tooltip, formula or measure caption, given as core has it.
QString figureText(const char* text);
// A unit name or unit symbol, given as core has it.
QString unitText(const char* text);

// What a window shows where a value is beyond the range of a double.
QString outOfRange();

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
