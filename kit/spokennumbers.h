#ifndef KIT_SPOKENNUMBERS_H
#define KIT_SPOKENNUMBERS_H

// How a shown number is to be heard. A listener takes the grouping comma of a
// shown result for a decimal comma ("8,000" heard as eight), so it is left out;
// and a speech voice reads the decimal point as its language writes numbers (a
// Portuguese voice hears "3.1416" as thirty-one thousand), so the point is
// spoken as the decimal mark of the program's language.

#include <QString>

namespace kit {

// Whether text[i] is a comma between digits: the grouping of a shown result.
bool isGroupingComma(const QString& text, qsizetype i);
// text with each decimal point between digits written as the language's decimal mark;
// as long as text, character for character.
QString withSpokenDecimalMark(const QString& text);
// The spoken form of a text with numbers: without grouping commas, with the
// language's decimal mark ("1,234.5" is "1234,5" in Spanish, "1234.5" in English).
QString spoken(const QString& text);

// A unit's words as core's tables give them (Spanish, for several), heard after
// number, a number as the program writes it: in the form the language gives
// that number, from the plural forms of the translations ("1 metro", "2
// metros"). A decimal below two takes the form of none, which in each language
// is the form it takes: "1,5 metros" in Spanish, "1,5 metro" in Brazilian
// Portuguese. After anything but a number, the words for several.
QString unitAfter(const QString& number, const char* words);
// The same words naming the unit on their own: the form for several.
QString unitAlone(const char* words);

} // namespace kit

#endif
