#ifndef KIT_SPOKENNUMBERS_H
#define KIT_SPOKENNUMBERS_H

// How a shown number is to be heard: a listener takes the grouping comma of a
// shown result for a decimal comma ("8,000" heard as eight), so it is left out.

#include <QString>

namespace kit {

// Whether text[i] is a comma between digits: the grouping of a shown result.
bool isGroupingComma(const QString& text, qsizetype i);
// text as it is to be heard: without its grouping commas.
QString withoutGroupingCommas(const QString& text);

} // namespace kit

#endif
