#ifndef APP_WINDOWSYSTEM_H
#define APP_WINDOWSYSTEM_H

// The application object, which connects to the window system. When no platform
// can start (no display at all, one that does not answer, a missing plugin), Qt
// ends the process with an abort, a core dump and advice to reinstall; here the
// run ends instead with one line on stderr that says so, and status 1; where a
// Wayland compositor answers but Qt has no plugin for it, the line names the
// package that brings one. What Qt says while it connects is held back until it
// has, then passed on.

#include <QApplication>
#include <QString>

#include <memory>

namespace app {

// language: a code of kLanguages, the language of that one line.
std::unique_ptr<QApplication> openWindowSystem(int& argc, char** argv, const QString& language);

} // namespace app

#endif
