#ifndef KIT_WORKINGTEXT_H
#define KIT_WORKINGTEXT_H

// A result's working as the windows write it (symbols, each further form of the
// value on a line of its own) and as a screen reader says it (words, in the
// language of the run, numbers as every spoken number is).

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

#include "core/working.h"

namespace kit {

// What the letters and units of a working stand for in one window.
struct WorkingNames {
    std::function<QString(const core::Piece&)> letter; // of a Measure or the Result
    std::function<QString(const std::string&)> unit; // as the window shows it
    // as it is heard after a number, as the program writes it ("" after a multiple of π)
    std::function<QString(const std::string& unit, const QString& number)> unitWords;
};

QString writtenWorking(const core::Working& working, const WorkingNames& names);
// Said as one run, its forms one after another.
QString spokenWorking(const core::Working& working, const WorkingNames& names);
// Said a form a line, as it is written.
QStringList spokenLines(const core::Working& working, const WorkingNames& names);

// The windows' own text for a value beyond the range of a double, in the language of the run.
QString outOfRangeText();

// The letter a measure caption gives its measure: "Base (b):" gives "b"; a
// caption without one gives itself, without its colon.
QString captionLetter(const QString& caption);
// letter as formula spells it, where the formula writes it in another case
// ("l" in "P = L * 4" is "L"); letter itself otherwise.
QString formulaLetter(const QString& formula, const QString& letter);

} // namespace kit

#endif
