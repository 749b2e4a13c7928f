#include "kit/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kit {

QString desktopLanguage(const QStringList& uiLanguages)
{
    for (const QString& wanted : uiLanguages) {
        if (wanted == QLatin1String("C") || wanted == QLatin1String("POSIX"))
            break;
        const QString code = QLocale(wanted).name().section(QLatin1Char('_'), 0, 0);
        if (kLanguages.contains(code))
            return code;
    }
    return kLanguages.first();
}

Translations::Translations(const QString& language)
{
    // Spanish is the source of every text of the program; only Qt's own need a translation.
    if (language != kLanguages.first() && m_program.load(QStringLiteral(":/i18n/vantrelo_") + language))
        QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

} // namespace kit
