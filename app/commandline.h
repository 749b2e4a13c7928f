#ifndef APP_COMMANDLINE_H
#define APP_COMMANDLINE_H

// The command line, read before any window exists: --help and --version answer
// on the terminal and end the run, so they need no display; --lang chooses the
// language of the windows and of those answers; anything the program does not
// know ends it with status 2 and one line on stderr. Qt's own options for
// graphical programs (-platform, -style, ...) pass through to QApplication
// untouched.

#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    QString text; // what Help, Version and Error print, ending in a newline
    QString language; // the code --lang chose, one that ships; empty when not given
};

// What the arguments ask for; arguments.first() is the program's own name. The
// texts come in the language of the translations installed at the time.
CommandLine readCommandLine(const QStringList& arguments);

// value made safe and short for one line on a terminal: characters that are not
// printable (controls, escape sequences, invisible marks) written as \xHH or
// \u{HHHH}, and what goes beyond 40 characters cut, with "…" in its place.
QString shownValue(const QString& value);

// The arguments as main() received them.
QStringList argumentList(int argc, const char* const* argv);

// Prints the answer of a command line that does not run the program (help and
// version on stdout, an error on stderr) and returns the exit status.
int answerCommandLine(const CommandLine& commandLine);

} // namespace app

#endif
