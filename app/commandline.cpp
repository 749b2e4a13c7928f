#include "app/commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

#include "kit/language.h"

namespace app {
namespace {

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
    {nullptr, "lang", QT_TRANSLATE_NOOP("app::CommandLine", "CÓDIGO"),
     QT_TRANSLATE_NOOP("app::CommandLine", "Idioma de las ventanas: es (español) o en (inglés).")},
};

// Qt's options for every graphical program. QApplication reads them from argv
// itself; they are only accepted here so that they are not taken as unknown.
struct QtOptionRow {
    const char* name;
    bool takesValue;
};

constexpr QtOptionRow kQtOptions[] = {
    {"platform", true},     {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},       {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true}, {"reverse", false},           {"session", true},
    {"display", true},      {"geometry", true},           {"style", true},
    {"stylesheet", true},   {"widgetcount", false},
};

QString version()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VANTRELO_VERSION_MAJOR)
        .arg(VANTRELO_VERSION_MINOR)
        .arg(VANTRELO_VERSION_PATCH);
}

// A text of the tables above, marked there for the translators.
QString tr(const char* text)
{
    return QCoreApplication::translate("app::CommandLine", text);
}

QString optionNames(const OptionRow& row)
{
    QString names =
        row.shortName != nullptr ? QStringLiteral("-%1, ").arg(QLatin1String(row.shortName)) : QStringLiteral("    ");
    names += QLatin1String("--") + QLatin1String(row.longName);
    if (row.valueName != nullptr)
        names += QLatin1Char(' ') + tr(row.valueName);
    return names;
}

QString helpText()
{
    int width = 0;
    for (const OptionRow& row : kOptions)
        width = std::max(width, int(optionNames(row).size()));
    QString text = QCoreApplication::translate(
        "app::CommandLine", "Uso: vantrelo [opciones]\n"
                            "Herramientas de geometría y medida: perímetro, área y volumen de figuras,\n"
                            "triángulo rectángulo y regla de tres, conversión de unidades.\n"
                            "\n"
                            "Opciones:\n");
    for (const OptionRow& row : kOptions)
        text += QStringLiteral("  %1  %2\n").arg(optionNames(row), -width).arg(tr(row.description));
    text += QCoreApplication::translate("app::CommandLine",
                                        "\nAcepta además las opciones de Qt para programas gráficos, como -style.\n");
    return text;
}

QString errorText(const QString& problem)
{
    return QCoreApplication::translate("app::CommandLine",
                                       "vantrelo: %1; use «vantrelo --help» para ver las opciones.\n")
        .arg(problem);
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
                ? QCoreApplication::translate("app::CommandLine", "a una opción le falta o le sobra el valor")
                : QCoreApplication::translate("app::CommandLine", "opción desconocida «%1»")
                      .arg(typedOption(arguments, unknown.first()));
        return {CommandLine::Action::Error, errorText(problem), QString()};
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString problem = QCoreApplication::translate("app::CommandLine", "argumento inesperado «%1»")
                                    .arg(parser.positionalArguments().first());
        return {CommandLine::Action::Error, errorText(problem), QString()};
    }
    const QString language = parser.value(QStringLiteral("lang"));
    if (parser.isSet(QStringLiteral("lang")) && !kit::kLanguages.contains(language)) {
        const QString problem =
            QCoreApplication::translate("app::CommandLine", "idioma desconocido «%1»").arg(language);
        return {CommandLine::Action::Error, errorText(problem), QString()};
    }
    if (parser.isSet(QStringLiteral("help")))
        return {CommandLine::Action::Help, helpText(), language};
    if (parser.isSet(QStringLiteral("version")))
        return {CommandLine::Action::Version, QStringLiteral("vantrelo %1\n").arg(version()), language};
    return {CommandLine::Action::Run, QString(), language};
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
    // pipe) is not a success.
    const bool written =
        std::fputs(commandLine.text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
    if (failed)
        return 2;
    return written ? 0 : 1;
}

} // namespace app
