#ifndef UI_TOOLS_H
#define UI_TOOLS_H

#include "kit/toolcontext.h"

namespace ui {

// The tool windows the main menu opens, one maker each.
kit::ToolMakers toolMakers();

} // namespace ui

#endif
