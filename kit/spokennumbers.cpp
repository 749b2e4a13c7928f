#include "kit/spokennumbers.h"

namespace kit {

bool isGroupingComma(const QString& text, qsizetype i)
{
    return text.at(i) == QLatin1Char(',') && i > 0 && text.at(i - 1).isDigit() && i + 1 < text.size()
           && text.at(i + 1).isDigit();
}

QString withoutGroupingCommas(const QString& text)
{
    QString heard;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!isGroupingComma(text, i))
            heard += text.at(i);
    return heard;
}

} // namespace kit
