#include "kit/spokennumbers.h"

#include <QCoreApplication>

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

} // namespace kit
