#ifndef TESTS_SUPPORT_RUN_H
#define TESTS_SUPPORT_RUN_H

#include <QString>
#include <QWidget>

#include "app/program.h"
#include "app/splashwindow.h"
#include "tests/support/windows.h"

// Starts a run and ticks its splash straight through (ticks 1 to 20 grow its
// line, tick 21 hands over); the main menu, or nullptr where the splash or the
// menu did not come.
inline QWidget* startToMenu(app::Program& program)
{
    program.start();
    auto* splash = qobject_cast<app::SplashWindow*>(topLevel(QStringLiteral("frmInicio")));
    if (!splash)
        return nullptr;
    for (int tick = 1; tick <= 21; ++tick)
        splash->Timer1_Timer();
    return topLevel(QStringLiteral("frmMenu"));
}

#endif
