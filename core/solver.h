#ifndef CORE_SOLVER_H
#define CORE_SOLVER_H

// The solver of the Pythagoras window: seven boxes in two parts, the right
// triangle (0 hypotenuse, 1 leg a, 2 leg b) and the proportion A / X = B / Y
// (3 A, 4 X, 5 B, 6 Y). It reads the box texts and tells the window what to
// write; it never touches a window and never shows a message itself.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/working.h"

namespace core {

inline constexpr int kBoxCount = 7;

using BoxTexts = std::array<std::string, kBoxCount>;
// Recency of the last visit to each box within its part; 0 is the oldest.
using Ranks = std::array<std::int16_t, kBoxCount>;

// The two ticked/unticked items of the window's right-click menu.
struct SolverSettings {
    bool onlyFourDecimals = true;
    bool automaticAnswer = true;
};

// What the window must do after one solving attempt. When box is set, its
// texts are written into that box in order (each write is a change of the box),
// or, when outOfRange, the text saying the solution is beyond a double's range.
struct SolverAction {
    int box = -1;
    std::vector<std::string> texts;
    bool hypotenuseMessage = false;
    bool outOfRange = false;
};

// Whether the active part (proportion when modo, else triangle) has exactly one
// box reading 0 while all its other boxes read something else.
bool eVacios(const BoxTexts& texts, bool modo);

// The write into the first solvable candidate box of the active part, the
// out-of-range mark on that box when its answer is beyond a double's range, the
// hypotenuse message, or nothing (also when a known box is beyond range).
SolverAction eShow(const BoxTexts& texts, bool modo, const Ranks& rango, const SolverSettings& settings);

// The working of the solver's answer in box (the box eShow wrote into) from
// the texts of the other boxes of its part, modo telling the part; the last
// value is the text the box shows. With no box (-1), or known boxes that do not
// allow an answer, only the formula: with no box, the hypotenuse's or A's.
Working solverWorking(const BoxTexts& texts, bool modo, int box, const SolverSettings& settings);

} // namespace core

#endif
