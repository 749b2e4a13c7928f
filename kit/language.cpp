#include "kit/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kit {
namespace {

// The language of a code, before its region: "pt" of "pt_BR".
QString languageOf(const QString& code)
{
    return code.section(QLatin1Char('_'), 0, 0);
}

// Spanish is the source of every text of the program: its file holds only the
// plural forms of its texts.
bool loadProgramTexts(QTranslator& translator, const QString& language)
{
    return translator.load(QStringLiteral(":/i18n/vantrelo_") + language);
}

bool loadQtTexts(QTranslator& translator, const QString& language)
{
    return translator.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace

QString shippedLanguage(const QString& wanted, const QStringList& shipped)
{
    QString code = wanted.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = languageOf(code);
    QString sameLanguage;
    for (const QString& candidate : shipped) {
        if (candidate.compare(code, Qt::CaseInsensitive) == 0)
            return candidate;
        const bool alone = !candidate.contains(QLatin1Char('_'));
        if (languageOf(candidate).compare(language, Qt::CaseInsensitive) == 0 && (sameLanguage.isEmpty() || alone))
            sameLanguage = candidate;
    }
    return language.isEmpty() ? QString() : sameLanguage;
}

QString desktopLanguage(const QStringList& uiLanguages, const QStringList& shipped)
{
    for (const QString& wanted : uiLanguages) {
        if (wanted == QLatin1String("C") || wanted == QLatin1String("POSIX"))
            break;
        const QString code = shippedLanguage(wanted, shipped);
        if (!code.isEmpty())
            return code;
    }
    return shipped.first();
}

QString translatedEarly(const QString& language, const char* context, const char* text)
{
    QTranslator translator;
    const QString translated = loadProgramTexts(translator, language) ? translator.translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

bool QtTexts::exist() const
{
    QTranslator probe; // read now, dropped at once
    return loadQtTexts(probe, m_language);
}

QString QtTexts::translate(const char* context, const char* sourceText, const char* disambiguation, int n) const
{
    if (!context || context[0] != 'Q')
        return {};
    // Asked at every start, for the direction of the writing: every language
    // of the program writes left to right, as Qt's texts in it say.
    if (qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
        return QStringLiteral("LTR");
    std::call_once(m_loading, [this] {
        m_texts = std::make_unique<QTranslator>();
        loadQtTexts(*m_texts, m_language);
    });
    return m_texts->translate(context, sourceText, disambiguation, n);
}

Translations::Translations(const QString& language) : m_qt(language)
{
    if (loadProgramTexts(m_program, language))
        QCoreApplication::installTranslator(&m_program);
    if (m_qt.exist())
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

} // namespace kit
