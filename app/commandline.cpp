#include "app/commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/version.h"
#include "kit/language.h"

namespace app {
namespace {

// Every text of the command line, its tables' included, translated under one name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(app::CommandLine)
};

// The program's own options, in the order --help lists them. An option with a
// value name takes a value (-x VALOR or --nombre=VALOR).
struct OptionRow {
    const char* shortName; // nullptr: none
    const char* longName;
    const char* valueName; // nullptr: a switch
    const char* description;
};

constexpr OptionRow kOptions[] = {
    {"h", "help", nullptr, QT_TRANSLATE_NOOP("app::CommandLine", "Muestra esta ayuda y termina.")},
    {"v", "version", nullptr, QT_TRANSLATE_NOOP("app::CommandLine", "Muestra la versión del programa y termina.")},
    // %1: the languages that ship, so that adding one needs no edit here.
    {nullptr, "lang", QT_TRANSLATE_NOOP("app::CommandLine", "CÓDIGO"),
     QT_TRANSLATE_NOOP("app::CommandLine", "Idioma de las ventanas: %1.")},
};

//: The name of the language of this translation, written in that language
//: (English, português, català).
constexpr const char* kLanguageName = QT_TRANSLATE_NOOP("app::CommandLine", "español");

// Qt's options for every graphical program, as the documentation of the
// QGuiApplication and QApplication constructors lists them. QApplication reads
// them from argv itself; they are only accepted here so that they are not taken
// as unknown.
struct QtOptionRow {
    const char* name;
    bool takesValue;
};

constexpr QtOptionRow kQtOptions[] = {
    // Every platform.
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qmljsdebugger", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"reverse", false},
    {"session", true},
    // X11.
    {"display", true},
    {"geometry", true},
    // Widgets.
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
};

// How much of a refused value the error line repeats.
constexpr int kShownLength = 40;

QString optionNames(const OptionRow& row)
{
    QString names =
        row.shortName != nullptr ? QStringLiteral("-%1, ").arg(QLatin1String(row.shortName)) : QStringLiteral("    ");
    names += QLatin1String("--") + QLatin1String(row.longName);
    if (row.valueName != nullptr)
        names += QLatin1Char(' ') + Text::tr(row.valueName);
    return names;
}

// "es (español), en (English)": each language named in itself, by its own translation.
QString languageList()
{
    QStringList names;
    for (const QString& code : kit::kLanguages)
        names += QStringLiteral("%1 (%2)").arg(code, kit::translatedEarly(code, "app::CommandLine", kLanguageName));
    return names.join(QLatin1String(", "));
}

QString description(const OptionRow& row)
{
    const QString text = Text::tr(row.description);
    return qstrcmp(row.longName, "lang") == 0 ? text.arg(languageList()) : text;
}

QString helpText()
{
    int width = 0;
    for (const OptionRow& row : kOptions)
        width = std::max(width, int(optionNames(row).size()));
    QString text = Text::tr("Uso: vantrelo [opciones]\n"
                            "Herramientas de geometría y medida: perímetro, área y volumen de figuras,\n"
                            "triángulo rectángulo y regla de tres, conversión de unidades.\n"
                            "\n"
                            "Opciones:\n");
    for (const OptionRow& row : kOptions)
        text += QStringLiteral("  %1  %2\n").arg(optionNames(row), -width).arg(description(row));
    text += Text::tr("\nAcepta además las opciones de Qt para programas gráficos, como -style.\n");
    return text;
}

QString errorText(const QString& problem)
{
    return Text::tr("vantrelo: %1; use «vantrelo --help» para ver las opciones.\n").arg(problem);
}

// The parser names an unknown option without its dashes; show it as it was typed.
QString typedOption(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        const int dashes = typed.startsWith(QLatin1String("--")) ? 2 : 1;
        if (typed.startsWith(QLatin1Char('-')) && typed.mid(dashes) == name)
            return typed;
    }
    return QLatin1String("--") + name;
}

bool takesValue(const QString& name)
{
    for (const OptionRow& row : kOptions) {
        if (name == QLatin1String(row.longName) || (row.shortName != nullptr && name == QLatin1String(row.shortName)))
            return row.valueName != nullptr;
    }
    for (const QtOptionRow& row : kQtOptions) {
        if (name == QLatin1String(row.name))
            return row.takesValue;
    }
    return false;
}

// What the parser refuses besides unknown options, with the option named: one
// that takes a value is last on the line without it, or a switch is given one
// ("--help=x").
QString valueProblem(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        const bool joined = argument.contains(QLatin1Char('='));
        const bool wanted = takesValue(typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1));
        if (!wanted && joined)
            return Text::tr("la opción «%1» no lleva valor").arg(shownValue(typed));
        if (wanted && !joined)
            ++i;
    }
    return Text::tr("a la opción «%1» le falta su valor").arg(shownValue(arguments.last()));
}

void addOptions(QCommandLineParser& parser)
{
    for (const OptionRow& row : kOptions) {
        QStringList names{QLatin1String(row.longName)};
        if (row.shortName != nullptr)
            names.prepend(QLatin1String(row.shortName));
        parser.addOption(QCommandLineOption(names, QString(), QLatin1String(row.valueName)));
    }
    for (const QtOptionRow& row : kQtOptions) {
        parser.addOption(QCommandLineOption(QLatin1String(row.name), QString(),
                                            row.takesValue ? QStringLiteral("valor") : QString()));
    }
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform, -style), so no bundling of -h and -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString problem =
            unknown.isEmpty()
                ? valueProblem(arguments)
                : Text::tr("opción desconocida «%1»").arg(shownValue(typedOption(arguments, unknown.first())));
        return {CommandLine::Action::Error, errorText(problem), QString()};
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString problem =
            Text::tr("argumento inesperado «%1»").arg(shownValue(parser.positionalArguments().first()));
        return {CommandLine::Action::Error, errorText(problem), QString()};
    }
    const QString wanted = parser.value(QStringLiteral("lang"));
    const QString language = kit::shippedLanguage(wanted);
    if (parser.isSet(QStringLiteral("lang")) && language.isEmpty()) {
        const QString problem = Text::tr("idioma desconocido «%1»").arg(shownValue(wanted));
        return {CommandLine::Action::Error, errorText(problem), QString()};
    }
    if (parser.isSet(QStringLiteral("help")))
        return {CommandLine::Action::Help, helpText(), language};
    if (parser.isSet(QStringLiteral("version")))
        return {CommandLine::Action::Version, QStringLiteral("vantrelo %1\n").arg(QLatin1String(kVersion)), language};
    return {CommandLine::Action::Run, QString(), language};
}

QString shownValue(const QString& value)
{
    // Enough UTF-16 units for one character past the limit, even if every one is a pair.
    const QList<uint> characters = value.left(2 * kShownLength + 2).toUcs4();
    QString text;
    for (int i = 0; i < characters.size(); ++i) {
        const char32_t character = characters.at(i);
        if (i == kShownLength)
            return text + QStringLiteral("…");
        if (QChar::isPrint(character))
            text += QString::fromUcs4(&character, 1);
        else if (character < 0x100)
            text += QStringLiteral("\\x%1").arg(uint(character), 2, 16, QLatin1Char('0'));
        else
            text += QStringLiteral("\\u{%1}").arg(uint(character), 4, 16, QLatin1Char('0'));
    }
    return text;
}

QStringList argumentList(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int answerCommandLine(const CommandLine& commandLine)
{
    const bool failed = commandLine.action == CommandLine::Action::Error;
    std::FILE* stream = failed ? stderr : stdout;
    // A help or version text that could not be written (a full disk, a closed
    // pipe) is not a success, and says so where it still can.
    const bool written =
        std::fputs(commandLine.text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
    const int error = errno;
    if (failed)
        return 2;
    if (written)
        return 0;
    const QString problem = Text::tr("vantrelo: no se pudo escribir la respuesta (%1).\n")
                                .arg(QString::fromLocal8Bit(std::strerror(error)));
    std::fputs(problem.toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace app
