#include "ui/tools.h"

#include "ui/calculatorwindow.h"
#include "ui/converterwindow.h"
#include "ui/pitagoraswindow.h"
#include "ui/sobrepitwindow.h"

namespace ui {
namespace {

template <core::CalculatorId id>
QWidget* makeCalculator(kit::ToolContext& context)
{
    return new CalculatorWindow(context, core::calculator(id));
}

template <typename Window>
QWidget* make(kit::ToolContext& context)
{
    return new Window(context);
}

} // namespace

constexpr ToolTable kTools = {{
    {"frmPerimetro", "figPerimetro", makeCalculator<core::CalculatorId::Perimeter>},
    {"frmArea", "figArea", makeCalculator<core::CalculatorId::Area>},
    {"frmVolumen", "figVolumen", makeCalculator<core::CalculatorId::Volume>},
    {"frmPitagoras", "pitTeorema", make<PitagorasWindow>},
    {"frmSobrePit", "pitAbout", make<SobrePitWindow>},
    {"frmConvert", "cmdButton2", make<ConverterWindow>},
}};

} // namespace ui
