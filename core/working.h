#ifndef CORE_WORKING_H
#define CORE_WORKING_H

// The working of a result: how the program got it, as a sequence of terms that
// the windows write out (symbols) or speak (words) in the user's language. Core
// decides what is said and in which order, and gives each term its row: its
// symbol, its words (which the windows translate) and how tightly it binds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"
#include "core/translatable.h"

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

// What a term is: a row a term, in the order of Term.
struct TermRow {
    Term term;
    const char* symbol; // as written; empty where the window gives the text (a number, a letter, a unit)
    const char* words; // as said, in Spanish, looked up under "kit::Working"
    int operands; // of the operation it writes: 2 between them, 1 after or before its one, 0 no operation
    int precedence; // of that operation: what binds tighter groups first
    bool joinsBefore; // written against what comes before it
    bool joinsAfter; // written against what comes after it
};

// clang-format off
inline constexpr TermRow kTerms[] = {
    {Term::Number, "", "", 0, 0, false, false},
    {Term::Measure, "", "", 0, 0, false, false},
    {Term::Result, "", "", 0, 0, false, false},
    {Term::Pi, "π", CORE_TR("kit::Working", "pi"), 0, 0, false, false},
    {Term::Plus, "+", CORE_TR("kit::Working", "más"), 2, 1, false, false},
    {Term::Minus, "−", CORE_TR("kit::Working", "menos"), 2, 1, false, false},
    {Term::Times, "·", CORE_TR("kit::Working", "por"), 2, 2, false, false},
    {Term::Over, "/", CORE_TR("kit::Working", "entre"), 2, 2, false, false},
    {Term::Squared, "²", CORE_TR("kit::Working", "al cuadrado"), 1, 3, true, false},
    {Term::Cubed, "³", CORE_TR("kit::Working", "al cubo"), 1, 3, true, false},
    {Term::Root, "√", CORE_TR("kit::Working", "raíz cuadrada de"), 1, 3, false, true},
    {Term::Open, "(", CORE_TR("kit::Working", "abre paréntesis"), 0, 0, false, true},
    {Term::Close, ")", CORE_TR("kit::Working", "cierra paréntesis"), 0, 0, true, false},
    {Term::Equals, "=", CORE_TR("kit::Working", "igual a"), 0, 0, false, false},
    {Term::Unit, "", "", 0, 0, false, false},
    {Term::OutOfRange, "", "", 0, 0, false, false},
    {Term::Rounded, "≈", CORE_TR("kit::Working", "redondeado a"), 0, 0, false, false},
    {Term::Fraction, "/", CORE_TR("kit::Working", "entre"), 0, 0, true, true},
    {Term::PiTaken, "≈", CORE_TR("kit::Working", "aproximadamente"), 0, 0, false, false},
};
// clang-format on

static_assert(indexedBy(kTerms, &TermRow::term, Term::PiTaken), "one row per Term, in its order");

constexpr const TermRow& termRow(Term term)
{
    return kTerms[static_cast<std::size_t>(term)];
}

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

// Where working's value ends up: its last Number before the note that may
// close it, or its OutOfRange; working.size() when it has neither.
std::size_t finalValue(const Working& working);

// working, its last value written as a box that shows it as shown: a box
// shows the plain value where the grouped one would be cut. A working whose
// last value is another number is left as it is.
void endAtShown(Working& working, std::string_view shown);

} // namespace core

#endif
