// Arbitrary box texts, ranks and settings into the solver: at most one box
// changes, only to number texts or the out-of-range text, a message never
// comes with a write, and the answer's working ends at the text the box shows.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/numbers.h"
#include "core/solver.h"
#include "core/working.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool modo = data[0] & 1;
    const core::SolverSettings settings{(data[0] & 2) != 0, (data[0] & 4) != 0};
    core::Ranks rango{};
    for (int i = 0; i < core::kBoxCount; ++i)
        rango[static_cast<std::size_t>(i)] = static_cast<std::int16_t>((data[1] >> (i % 4)) & 3);

    // The rest is the seven box texts, separated by '|'.
    core::BoxTexts texts;
    std::size_t box = 0;
    for (std::size_t i = 2; i < size && box < texts.size(); ++i) {
        if (data[i] == '|')
            ++box;
        else
            texts[box] += static_cast<char>(data[i]);
    }

    core::eVacios(texts, modo);
    const core::SolverAction action = core::eShow(texts, modo, rango, settings);
    if (action.box < 0) {
        if (!action.texts.empty())
            std::abort();
        return 0;
    }
    if (action.hypotenuseMessage || action.box >= core::kBoxCount || action.texts.empty() == !action.outOfRange
        || action.texts.size() > 2 || (modo != (action.box >= 3)))
        std::abort();
    for (const std::string& text : action.texts) {
        if (text.find_first_not_of("0123456789-.E+") != std::string::npos || !core::readNumber(text))
            std::abort();
    }
    texts[static_cast<std::size_t>(action.box)] = action.outOfRange ? "" : action.texts.back();
    const core::Working working = core::solverWorking(texts, modo, action.box, settings);
    const core::Piece& last = working.back();
    if (action.outOfRange ? last.term != core::Term::OutOfRange : last.text != action.texts.back())
        std::abort();
    return 0;
}
