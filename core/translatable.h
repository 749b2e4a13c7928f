#ifndef CORE_TRANSLATABLE_H
#define CORE_TRANSLATABLE_H

// Marks a Spanish text of core's tables that the windows show in the user's
// language. Core never translates: the text stays exactly as written, and the
// mark only lets the translation tools (lupdate, told that CORE_TR is a
// QT_TRANSLATE_NOOP) list it under context, where the windows look it up.
#define CORE_TR(context, text) text
// The same for a text that two figures share in Spanish but not in every other
// language (a QT_TRANSLATE_NOOP3): the figure is named by its formula, and the
// windows look the text up under it, else as it is marked by CORE_TR.
#define CORE_TR_FOR(context, text, formula) text
// A unit's name in words, said after a number: its translations (lupdate is
// told that CORE_TR_N is a QT_TRANSLATE_N_NOOP) give one form for each plural
// form of the language, the Spanish one included, and the windows take the
// form that agrees with the number.
#define CORE_TR_N(context, text) text

#endif
