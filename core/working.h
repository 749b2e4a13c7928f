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
    Rounded, // ≈: the value after it is the one before changed; index: rounded to that many decimals, or 0
    Fraction, // the bar of a fraction written as one number: "4/3", "125π/6"
    PiTaken, // ≈: the value after it is the one before with π taken as the Pi in use
};

struct Piece {
    Term term;
    std::string text = {};
    int index = 0;

    friend bool operator==(const Piece& a, const Piece& b)
    {
        return a.term == b.term && a.text == b.text && a.index == b.index;
    }
};

using Working = std::vector<Piece>;

// A working reads as a chain of forms of one value: the formula with its
// letters as the formula bar writes it (Result, then the expression over
// Measure and Pi terms), the formula with the values put in, each step in the
// order the program computes it, and the value with its unit. Forms are joined
// by Equals only where they are exactly equal (π the real π); PiTaken puts the
// Pi in use in for π, once; Rounded joins a value to a shorter one (to the
// box's decimals, or to 15 digits in a step). Exact values are written as
// numbers with roots, π and fractions ("6√2", "125π/6"). A note that gives a
// factor may close it, as Open ... Close. OutOfRange ends a working at the step
// whose value leaves the range of a double.

// The working of a figure's result from the texts of its measure boxes, with
// Pi, in inputUnit (a length unit's text) and then in resultUnit, as the
// calculator shows it: the last value is the result box's text. When no
// measure the figure uses has been typed (each box is empty or holds the
// placeholder "0"), only the formula with its letters.
Working figureWorking(const Calculator& calculator, const Figure& figure, const std::array<std::string, 3>& texts,
                      double pi, std::string_view inputUnit, std::string_view resultUnit);

// The working of the solver's answer in box (the box eShow wrote into) from
// the texts of the other boxes of its part, modo telling the part; the last
// value is the text the box shows. With no box (-1), or known boxes that do not
// allow an answer, only the formula: with no box, the hypotenuse's or A's.
Working solverWorking(const BoxTexts& texts, bool modo, int box, const SolverSettings& settings);

// The working of one converter row: texto read in unit desde, written in unit
// hacia of categoria, with the factor the row uses; the last value is the
// row's text. For a blank text, only the row's factor ("1 Pie = 0.3048 Metro").
Working converterWorking(std::int16_t categoria, std::int16_t desde, std::int16_t hacia, std::string_view texto);

// Where working's value ends up: its last Number before the note that may
// close it, or its OutOfRange; working.size() when it has neither.
std::size_t finalValue(const Working& working);

// working, its last value written as a box that shows it as shown: a box
// shows the plain value where the grouped one would be cut. A working whose
// last value is another number is left as it is.
void endAtShown(Working& working, std::string_view shown);

} // namespace core

#endif
