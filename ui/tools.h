#ifndef UI_TOOLS_H
#define UI_TOOLS_H

#include <array>

#include "kit/toolcontext.h"

class QWidget;

namespace ui {

// Builds one tool window, which deletes itself once closed.
using ToolMaker = QWidget* (*)(kit::ToolContext&);

// A tool window of the program: its form name, the main menu's item or picture
// button that opens it, and its maker (none leaves that opener inert).
struct Tool {
    const char* formName;
    const char* opener;
    ToolMaker make;
};

using ToolTable = std::array<Tool, 6>;

// Every tool window, in the order of the menu.
extern const ToolTable kTools;

} // namespace ui

#endif
