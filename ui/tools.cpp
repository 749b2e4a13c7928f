#include "ui/tools.h"

namespace ui {

app::ToolMakers toolMakers()
{
    app::ToolMakers makers;
    return makers;
}

} // namespace ui
