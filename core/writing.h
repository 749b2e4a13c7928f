#ifndef CORE_WRITING_H
#define CORE_WRITING_H

// The pieces every working is written with; shared by the figures', the
// solver's and the converter's workings.

#include <optional>
#include <string>

#include "core/exact.h"
#include "core/expression.h"
#include "core/working.h"

namespace core {

void append(Working& out, Term term, std::string text = {}, int index = 0);

// value as the program writes it, then its unit when there is one.
void appendValue(Working& out, double value, const std::string& unit = {});

// Result (for the box index), Equals and the formula with its letters.
void appendLetters(Working& out, const Expression& expression, int index);

// Where a chain of forms has got to: the exact value of its last form as
// written (where it has one), that value in long double, and its text when the
// form is one number.
struct Reached {
    MaybeExact exact;
    long double value = 0;
    std::string text;
};

// The formula with its values put in and every step to its value, each form
// joined to the one before by Equals where the two are exactly equal and by
// Rounded where a decimal stands for a longer one. π stays a symbol while the
// steps are exact, and one PiTaken form puts pi in for it. With stopAtRange,
// the working ends at OutOfRange at the step whose value, computed in doubles,
// leaves their range (std::nullopt).
std::optional<Reached> appendSteps(Working& out, const Expression& expression, const MeasureValues& measures, double pi,
                                   bool stopAtRange);

// Where the value reached still holds π: PiTaken, pi times the rest, and the
// product's value where it is short.
void appendPiTaken(Working& out, Reached& reached, double pi, const std::string& unit);

// The value reached, in unit from where no form has written it yet, then
// multiplied (or divided, with divides) by factor, written exactly where it is
// short, else in decimals.
void appendConversion(Working& out, Reached& reached, double factor, bool divides, const std::string& from,
                      const std::string& unit);

// The box's text shown (plain before the display rule, decimals its rule's):
// Equals where it is exactly the value reached, else Rounded with the
// decimals when the rule rounded plain, and the unit.
void appendShown(Working& out, const Reached& reached, const std::string& plain, const std::string& shown, int decimals,
                 const std::string& unit);

} // namespace core

#endif
