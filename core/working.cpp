#include "core/working.h"

#include <cstddef>
#include <string>

#include "core/numbers.h"

namespace core {

std::size_t finalValue(const Working& working)
{
    std::size_t end = working.size();
    if (end > 0 && working[end - 1].term == Term::Close)
        while (end > 0 && working[--end].term != Term::Open) {}
    while (end > 0) {
        const Term term = working[--end].term;
        if (term == Term::Number || term == Term::OutOfRange)
            return end;
    }
    return working.size();
}

void endAtShown(Working& working, std::string_view shown)
{
    const std::size_t value = finalValue(working);
    if (value == working.size() || working[value].term != Term::Number
        || readNumber(ungroupedText(working[value].text)) != readNumber(shown))
        return;
    working[value].text = std::string(shown);
    // A box that shows the value as the form before writes it needs no form of its own.
    const bool unit = value + 1 < working.size() && working[value + 1].term == Term::Unit;
    const std::size_t before = value - (unit ? 3 : 2);
    if (value >= 3 && working[value - 1].term == Term::Equals && working[before].term == Term::Number
        && working[before].text == shown && (!unit || working[before + 1] == working[value + 1]))
        working.erase(working.begin() + static_cast<std::ptrdiff_t>(value - 1),
                      working.begin() + static_cast<std::ptrdiff_t>(value + (unit ? 2 : 1)));
}

} // namespace core
