#ifndef UI_TOOLS_H
#define UI_TOOLS_H

#include <optional>

#include "core/figures.h"
#include "core/table.h"
#include "kit/toolcontext.h"

class QWidget;

namespace ui {

struct Tool;

// Builds the window of a tool's row, named with the row's form name; the
// window deletes itself once closed.
using ToolMaker = QWidget* (*)(kit::ToolContext&, const Tool&);

// A tool window of the program: its form name, the main menu's item or picture
// button that opens it, its maker (none leaves that opener inert) and, for a
// calculator window, the calculator it shows.
struct Tool {
    const char* formName;
    const char* opener;
    ToolMaker make;
    std::optional<core::CalculatorId> calculator;
};

using ToolTable = core::Table<Tool>;

// Every tool window, in the order of the menu.
extern const ToolTable kTools;

} // namespace ui

#endif
