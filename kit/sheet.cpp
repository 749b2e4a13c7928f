#include "kit/sheet.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

#include "kit/look.h"

namespace kit {
namespace {

constexpr double kTitlePoints = 16;
constexpr double kTextPoints = 11;

// The height text takes in width on painter, in its present font.
int heightOf(QPainter& painter, int width, const QString& text)
{
    return painter.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text).height();
}

// Draws text at top across width and returns where the next line starts.
int draw(QPainter& painter, int top, int width, const QString& text)
{
    const int height = heightOf(painter, width, text);
    painter.drawText(QRect(0, top, width, height), Qt::TextWordWrap, text);
    return top + height;
}

} // namespace

QString SheetEntry::text() const
{
    QStringList lines{heading};
    lines << values;
    if (!working.isEmpty())
        lines << working;
    lines << result;
    return lines.join(QLatin1Char('\n'));
}

void Sheet::add(SheetEntry entry)
{
    m_entries.push_back(std::move(entry));
    m_kept.push_back(false);
    Q_EMIT added(count() - 1);
}

void Sheet::remove(int row)
{
    if (row < 0 || row >= count())
        return;
    m_entries.erase(m_entries.begin() + row);
    m_kept.erase(m_kept.begin() + row);
    Q_EMIT removed(row);
}

bool Sheet::unsaved() const
{
    return std::find(m_kept.begin(), m_kept.end(), false) != m_kept.end();
}

void Sheet::markKept(int row)
{
    if (row < 0)
        std::fill(m_kept.begin(), m_kept.end(), true);
    else if (row < count())
        m_kept[static_cast<std::size_t>(row)] = true;
}

QString Sheet::text() const
{
    QStringList texts;
    for (const SheetEntry& entry : m_entries)
        texts << entry.text();
    return texts.join(QStringLiteral("\n\n"));
}

bool Sheet::paint(QPagedPaintDevice& device, const QString& title, const QString& date) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int width = device.width();
    const int gap = device.logicalDpiY() / 4;
    const QFont headingFont = font(Typeface::Calibri, kTextPoints);
    QFont bold = headingFont;
    bold.setBold(true);
    QFont titleFont = font(Typeface::Calibri, kTitlePoints);
    titleFont.setBold(true);

    painter.setFont(titleFont);
    int top = draw(painter, 0, width, title);
    painter.setFont(headingFont);
    top = draw(painter, top, width, date) + gap;
    for (const SheetEntry& entry : m_entries) {
        const QString body = entry.text().section(QLatin1Char('\n'), 1);
        painter.setFont(bold);
        const int headingHeight = heightOf(painter, width, entry.heading);
        painter.setFont(headingFont);
        // An entry never breaks across pages: one that does not fit starts the next.
        if (top > 0 && top + headingHeight + heightOf(painter, width, body) > device.height()) {
            device.newPage();
            top = 0;
        }
        painter.setFont(bold);
        top = draw(painter, top, width, entry.heading);
        painter.setFont(headingFont);
        top = draw(painter, top, width, body) + gap;
    }
    return painter.end();
}

} // namespace kit
