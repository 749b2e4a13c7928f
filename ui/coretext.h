#ifndef UI_CORETEXT_H
#define UI_CORETEXT_H

// Core hands its texts over in Spanish, marked with the contexts it gives them;
// the windows look them up here in the language of the run.

#include <QString>

namespace ui {

// A figure's caption, tooltip, formula or measure caption, given as core has it,
// for the figure with that formula.
QString figureText(const char* text, const char* formula);
// A unit name or unit symbol, given as core has it.
QString unitText(const char* text);

// What a window shows where a value is beyond the range of a double.
QString outOfRange();

} // namespace ui

#endif
