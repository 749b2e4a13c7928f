#ifndef CORE_WRITING_H
#define CORE_WRITING_H

// The pieces every working is written with; shared by the figures', the
// solver's and the converter's workings.

#include <string>

#include "core/expression.h"
#include "core/working.h"

namespace core {

void append(Working& out, Term term, std::string text = {}, int index = 0);

// value as the program writes it, then its unit when there is one.
void appendValue(Working& out, double value, const std::string& unit = {});

// Result (for the box index), Equals and the formula with its letters.
void appendLetters(Working& out, const Expression& expression, int index);

// Equals and the formula with its values put in, then, with everyStep, Equals
// and each step: every step carries out the operations whose operands are all
// known, up to but not including the formula's own value. False, after
// OutOfRange, when a step's value leaves the range of a double.
bool appendSteps(Working& out, const Expression& expression, const NodeValues& values, bool everyStep);

} // namespace core

#endif
