#include "app/commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace app {
namespace {

// The program's own options, in the order --help lists them. An option with a
// value name takes a value (-x VALOR or --nombre=VALOR).
struct OptionRow {
    const char* shortName;
    const char* longName;
    const char* valueName; // nullptr: a switch
    const char* description;
};

constexpr OptionRow kOptions[] = {
    {"h", "help", nullptr, "Muestra esta ayuda y termina."},
    {"v", "version", nullptr, "Muestra la versión del programa y termina."},
};

// Qt's options for every graphical program. QApplication reads them from argv
// itself; they are only accepted here so that they are not taken as unknown.
struct QtOptionRow {
    const char* name;
    bool takesValue;
};

constexpr QtOptionRow kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},          {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},    {"reverse", false},           {"session", true},
    {"display", true},         {"geometry", true},           {"style", true},
    {"stylesheet", true},      {"widgetcount", false},
};

QString version()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VANTRELO_VERSION_MAJOR)
        .arg(VANTRELO_VERSION_MINOR)
        .arg(VANTRELO_VERSION_PATCH);
}

QString optionNames(const OptionRow& row)
{
    QString names = QStringLiteral("-%1, --%2").arg(QLatin1String(row.shortName), QLatin1String(row.longName));
    if (row.valueName != nullptr)
        names += QLatin1Char(' ') + QLatin1String(row.valueName);
    return names;
}

QString helpText()
{
    int width = 0;
    for (const OptionRow& row : kOptions)
        width = std::max(width, int(optionNames(row).size()));
    QString text = QStringLiteral("Uso: vantrelo [opciones]\n"
                                  "Herramientas de geometría y medida: perímetro, área y volumen de figuras,\n"
                                  "triángulo rectángulo y regla de tres, conversión de unidades.\n"
                                  "\n"
                                  "Opciones:\n");
    for (const OptionRow& row : kOptions)
        text += QStringLiteral("  %1  %2\n").arg(optionNames(row), -width).arg(QString::fromUtf8(row.description));
    text += QStringLiteral("\nAcepta además las opciones de Qt para programas gráficos, como -style.\n");
    return text;
}

QString errorText(const QString& problem)
{
    return QStringLiteral("vantrelo: %1; use «vantrelo --help» para ver las opciones.\n").arg(problem);
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
        parser.addOption(QCommandLineOption({QLatin1String(row.shortName), QLatin1String(row.longName)}, QString(),
                                            QLatin1String(row.valueName)));
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
        const QString problem = unknown.isEmpty()
            ? QStringLiteral("a una opción le falta o le sobra el valor")
            : QStringLiteral("opción desconocida «%1»").arg(typedOption(arguments, unknown.first()));
        return {CommandLine::Action::Error, errorText(problem)};
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString problem = QStringLiteral("argumento inesperado «%1»").arg(parser.positionalArguments().first());
        return {CommandLine::Action::Error, errorText(problem)};
    }
    if (parser.isSet(QStringLiteral("help")))
        return {CommandLine::Action::Help, helpText()};
    if (parser.isSet(QStringLiteral("version")))
        return {CommandLine::Action::Version, QStringLiteral("vantrelo %1\n").arg(version())};
    return {};
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
    const bool written = std::fputs(commandLine.text.toLocal8Bit().constData(), stream) >= 0
        && std::fflush(stream) == 0;
    if (failed)
        return 2;
    return written ? 0 : 1;
}

} // namespace app
