#include "ui/tools.h"

#include <QLatin1String>

#include "ui/calculatorwindow.h"
#include "ui/converterwindow.h"
#include "ui/pitagoraswindow.h"
#include "ui/sobrepitwindow.h"

namespace ui {
namespace {

QWidget* named(QWidget* window, const Tool& row)
{
    window->setObjectName(QLatin1String(row.formName));
    return window;
}

QWidget* makeCalculator(kit::ToolContext& context, const Tool& row)
{
    return named(new CalculatorWindow(context, core::calculator(*row.calculator)), row);
}

template <typename Window>
QWidget* make(kit::ToolContext& context, const Tool& row)
{
    return named(new Window(context), row);
}

constexpr Tool kRows[] = {
    {"frmPerimetro", "figPerimetro", makeCalculator, core::CalculatorId::Perimeter},
    {"frmArea", "figArea", makeCalculator, core::CalculatorId::Area},
    {"frmVolumen", "figVolumen", makeCalculator, core::CalculatorId::Volume},
    {"frmPitagoras", "pitTeorema", make<PitagorasWindow>, std::nullopt},
    {"frmSobrePit", "pitAbout", make<SobrePitWindow>, std::nullopt},
    {"frmConvert", "cmdButton2", make<ConverterWindow>, std::nullopt},
};

} // namespace

constexpr ToolTable kTools = kRows;

} // namespace ui
