#include "ui/tools.h"

#include "ui/calculatorwindow.h"
#include "ui/converterwindow.h"
#include "ui/pitagoraswindow.h"
#include "ui/sobrepitwindow.h"

namespace ui {

app::ToolMakers toolMakers()
{
    app::ToolMakers makers;
    makers.perimetro = [](app::ToolContext& c) -> QWidget* {
        return new CalculatorWindow(c, core::calculator(core::CalculatorId::Perimeter));
    };
    makers.area = [](app::ToolContext& c) -> QWidget* {
        return new CalculatorWindow(c, core::calculator(core::CalculatorId::Area));
    };
    makers.volumen = [](app::ToolContext& c) -> QWidget* {
        return new CalculatorWindow(c, core::calculator(core::CalculatorId::Volume));
    };
    makers.pitagoras = [](app::ToolContext& c) -> QWidget* { return new PitagorasWindow(c); };
    makers.convertidor = [](app::ToolContext& c) -> QWidget* { return new ConverterWindow(c); };
    makers.sobrePit = [](app::ToolContext& c) -> QWidget* { return new SobrePitWindow(c); };
    return makers;
}

} // namespace ui
