#include "kit/fittext.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

constexpr double kStep = 0.25; // points

// Qt keeps this many pixels free at each end of a line edit's line.
constexpr int kLineEditMargin = 2;

bool fits(const QFont& font, const QString& text, int width)
{
    if (text.isEmpty())
        return true;
    const QFontMetricsF metrics(font);
    // The first and last glyphs may reach beyond their advances.
    const double overhang =
        std::max(0.0, -metrics.leftBearing(text.front())) + std::max(0.0, -metrics.rightBearing(text.back()));
    return std::ceil(metrics.horizontalAdvance(text) + overhang) <= width;
}

QFont sized(QFont font, double points)
{
    font.setPointSizeF(points);
    return font;
}

// Follows one line edit's text; it lives as long as the box.
class WholeText : public QObject {
public:
    explicit WholeText(QLineEdit* box)
        : QObject(box),
          m_box(box),
          m_layoutFont(box->font()),
          m_toolTip(box->toolTip()),
          m_description(box->accessibleDescription())
    {
        connect(box, &QLineEdit::textEdited, this, [this] { m_typed = true; });
        connect(box, &QLineEdit::textChanged, this, &WholeText::refit);
        refit();
    }

private:
    void refit()
    {
        const FittedFont fitted = fitText(m_layoutFont, m_box->text(), textWidth(m_box));
        m_box->setFont(fitted.font);
        if (!fitted.whole && !m_typed)
            m_box->setCursorPosition(0); // the start of a number says what it is; its end does not
        m_typed = false;
        m_box->setToolTip(fitted.whole ? m_toolTip : screenWideTip(m_box, m_box->text()));
        m_box->setAccessibleDescription(fitted.whole ? m_description : m_box->text());
    }

    QLineEdit* m_box;
    QFont m_layoutFont;
    QString m_toolTip;
    QString m_description;
    bool m_typed = false;
};

} // namespace

FittedFont fitText(const QFont& layoutFont, const QString& text, int width, double smallestShare)
{
    const double layout = layoutFont.pointSizeF();
    if (fits(layoutFont, text, width))
        return {layoutFont, true};
    const double smallest = std::max(kStep, std::ceil(layout * smallestShare / kStep) * kStep);
    // The advance grows about in step with the size: start near the answer, then
    // step up while the next size fits and down until one does.
    const double advance = QFontMetricsF(layoutFont).horizontalAdvance(text);
    double points = std::floor(layout * width / std::max(advance, 1.0) / kStep) * kStep;
    points = std::clamp(points, smallest, layout - kStep);
    while (points + kStep < layout && fits(sized(layoutFont, points + kStep), text, width))
        points += kStep;
    while (points > smallest && !fits(sized(layoutFont, points), text, width))
        points -= kStep;
    const QFont font = sized(layoutFont, points);
    return {font, fits(font, text, width)};
}

int textWidth(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).marginsRemoved(box->textMargins());
    return contents.width() - 2 * kLineEditMargin - 1; // the last pixel is the cursor's
}

void keepWhole(QLineEdit* box)
{
    new WholeText(box);
}

bool showsWhole(const QLineEdit* box)
{
    return fits(box->font(), box->text(), textWidth(box));
}

QString screenWideTip(const QWidget* widget, const QString& text)
{
    const QFontMetricsF metrics(QToolTip::font());
    // Room for the tooltip's own margins, and never less than one character a line.
    const double room = widget->screen()->availableGeometry().width() * 0.9;
    QString lines;
    double width = 0;
    for (const QChar c : text) {
        const double advance = metrics.horizontalAdvance(c);
        if (width > 0 && width + advance > room && !c.isLowSurrogate()) {
            lines += QLatin1Char('\n');
            width = 0;
        }
        lines += c;
        width += advance;
    }
    return lines;
}

} // namespace kit
