#ifndef CORE_WORKING_H
#define CORE_WORKING_H

// The working of a result: how the program got it, as a sequence of terms that
// the windows write out (symbols) or speak (words) in the user's language. Core
// decides what is said and in which order; it never writes an operator itself.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/figures.h"
#include "core/solver.h"

namespace core {

enum class Term : std::uint8_t {
    Number, // text: a number as the program writes it
    Measure, // index: the measure box whose letter stands here (its caption names it)
    Result, // the letter of what is computed: P, A or V, or the solver's box given by index
    Pi, // the constant; right after a Number it is that multiple of π ("25π")
    Plus,
    Minus,
    Times,
    Over,
    Squared, // after what it raises
    Cubed,
    Root, // square root of the group that follows (Open ... Close)
    Open,
    Close,
    Equals, // each further form of the same value
    Unit, // text: a unit as its list names it (untranslated)
    OutOfRange, // the working stops here: the next value leaves the range of a double
    Rounded, // the value after it is the one before, rounded to what the box shows
};

struct Piece {
    Term term;
    std::string text = {};
    int index = 0;
};

using Working = std::vector<Piece>;

} // namespace core

#endif
