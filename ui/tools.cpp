#include "ui/tools.h"

#include "ui/calculatorwindow.h"
#include "ui/converterwindow.h"
#include "ui/pitagoraswindow.h"
#include "ui/sobrepitwindow.h"

namespace ui {

kit::ToolMakers toolMakers()
{
    kit::ToolMakers makers;
    makers.perimetro = [](kit::ToolContext& c) -> QWidget* {
        return new CalculatorWindow(c, core::calculator(core::CalculatorId::Perimeter));
    };
    makers.area = [](kit::ToolContext& c) -> QWidget* {
        return new CalculatorWindow(c, core::calculator(core::CalculatorId::Area));
    };
    makers.volumen = [](kit::ToolContext& c) -> QWidget* {
        return new CalculatorWindow(c, core::calculator(core::CalculatorId::Volume));
    };
    makers.pitagoras = [](kit::ToolContext& c) -> QWidget* { return new PitagorasWindow(c); };
    makers.convertidor = [](kit::ToolContext& c) -> QWidget* { return new ConverterWindow(c); };
    makers.sobrePit = [](kit::ToolContext& c) -> QWidget* { return new SobrePitWindow(c); };
    return makers;
}

} // namespace ui
