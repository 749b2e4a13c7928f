#include "kit/spokennumbers.h"

#include <QCoreApplication>

#include <cmath>

namespace kit {
namespace {

bool between(const QString& text, qsizetype i, QChar c)
{
    return text.at(i) == c && i > 0 && text.at(i - 1).isDigit() && i + 1 < text.size() && text.at(i + 1).isDigit();
}

QString withoutGroupingCommas(const QString& text)
{
    QString heard;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!isGroupingComma(text, i))
            heard += text.at(i);
    return heard;
}

// A text of its own, so that each language gives the mark its voices read.
QChar spokenDecimalMark()
{
    const QString mark =
        QCoreApplication::translate("kit::spoken", ",", "the decimal mark of a number read aloud; one character");
    return mark.size() == 1 ? mark.front() : QLatin1Char(',');
}

constexpr int kSeveral = 2;
constexpr double kMostCounted = 1e9; // beyond which every language says "several"

QString unitWords(const char* words, int count)
{
    return QCoreApplication::translate("Unidades", words, nullptr, count);
}

} // namespace

bool isGroupingComma(const QString& text, qsizetype i)
{
    return between(text, i, QLatin1Char(','));
}

QString withSpokenDecimalMark(const QString& text)
{
    const QChar mark = spokenDecimalMark();
    QString heard = text;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (between(text, i, QLatin1Char('.')))
            heard[i] = mark;
    return heard;
}

QString spoken(const QString& text)
{
    return withSpokenDecimalMark(withoutGroupingCommas(text));
}

QString unitAfter(const QString& number, const char* words)
{
    bool isNumber = false;
    const double value = std::abs(withoutGroupingCommas(number).toDouble(&isNumber));
    if (!isNumber || !std::isfinite(value) || value >= kMostCounted)
        return unitAlone(words);
    const int whole = static_cast<int>(value);
    return unitWords(words, whole == value || whole >= 2 ? whole : 0);
}

QString unitAlone(const char* words)
{
    return unitWords(words, kSeveral);
}

} // namespace kit
