// Arbitrary measure texts, figure, units and Pi into a figure's working: it
// never fails, once a measure is typed it ends at the result box's text, or
// says the result is out of range exactly when the box does, and every
// relation in it holds when read back independently.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "../core/workingreader.h"
#include "core/figures.h"
#include "core/numbers.h"
#include "core/working.h"

namespace {

// The box as the window fills it, or nothing when it says out of range.
std::optional<std::string> resultBox(const core::Calculator& calculator, const core::Figure& figure,
                                     const std::array<std::string, 3>& texts, double pi, const char* input,
                                     const char* result)
{
    const std::optional<double> value = core::figureResult(figure, texts, pi);
    const std::optional<core::ResultText> box = core::resultText(
        calculator, value, input, result, value ? std::optional(core::plainText(*value)) : std::nullopt);
    return box ? std::optional(box->shown) : std::nullopt;
}

// The last value before a closing note, or nothing after OutOfRange.
std::optional<std::string> lastValue(const core::Working& working)
{
    const std::size_t value = core::finalValue(working);
    if (value == working.size() || working[value].term == core::Term::OutOfRange)
        return std::nullopt;
    return working[value].text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const core::Calculator& calculator = core::calculator(static_cast<core::CalculatorId>(data[0] % 3));
    const core::Figure& figure = calculator.figures[data[1] % calculator.figures.size()];
    const char* input = core::kLengthUnits[data[2] % 4];
    const char* result = calculator.resultUnits[(data[2] >> 2) % 4];
    const double pi = 3.14 + (data[2] >> 4) * 0.000625;
    std::array<std::string, 3> texts;
    std::size_t box = 0;
    for (std::size_t i = 3; i < size && box < texts.size(); ++i) {
        if (data[i] == '|')
            ++box;
        else
            texts[box] += static_cast<char>(data[i]);
    }
    const core::Working working = core::figureWorking(calculator, figure, texts, pi, input, result);
    bool typed = false;
    for (std::size_t i = 0; i < texts.size(); ++i)
        typed = typed || (figure.measures[i] != core::Measure::None && !texts[i].empty() && texts[i] != "0");
    if (typed && lastValue(working) != resultBox(calculator, figure, texts, pi, input, result))
        std::abort();
    if (!reader::checkRelations(working, *reader::number(core::plainText(pi))).isEmpty())
        std::abort();
    return 0;
}
