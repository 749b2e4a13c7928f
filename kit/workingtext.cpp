#include "kit/workingtext.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

#include "kit/spokennumbers.h"

namespace kit {
namespace {

struct WorkingWords {
    Q_DECLARE_TR_FUNCTIONS(kit::Working)
};

// Words and symbols one after another, a space between two unless one joins the other.
class Line {
public:
    void put(const QString& text, bool joinsBefore = false, bool joinsAfter = false)
    {
        if (!m_text.isEmpty() && !joinsBefore && !m_joined)
            m_text += QLatin1Char(' ');
        m_text += text;
        m_joined = joinsAfter;
    }
    QString text() const { return m_text; }

private:
    QString m_text;
    bool m_joined = false;
};

// Writes or says a working piece by piece.
class Reader {
public:
    Reader(const WorkingNames& names, bool spoken) : m_names(names), m_spoken(spoken) {}

    QString read(const core::Working& working)
    {
        const core::Piece* previous = nullptr;
        for (const core::Piece& piece : working) {
            put(piece, previous ? previous->term : core::Term::Equals);
            previous = &piece;
        }
        putRoundedNote();
        return m_line.text();
    }

private:
    void put(const core::Piece& piece, core::Term previous)
    {
        noteOperation(piece.term);
        switch (piece.term) {
        case core::Term::Number:
            putNumber(piece.text);
            break;
        case core::Term::Measure:
        case core::Term::Result:
            putLetter(m_names.letter(piece));
            break;
        case core::Term::Unit:
            m_line.put(m_spoken ? m_names.unitWords(piece.text, m_number) : m_names.unit(piece.text));
            break;
        case core::Term::OutOfRange:
            m_line.put(outOfRangeText());
            break;
        case core::Term::Equals:
            putEquals();
            break;
        case core::Term::Open:
            putOpen(previous);
            break;
        case core::Term::Close:
            putClose();
            break;
        case core::Term::Rounded:
        case core::Term::PiTaken:
            putRounded(piece);
            break;
        case core::Term::Minus:
            // A sign, where nothing stands before it to subtract from, is written against its value: "−π".
            if (previous == core::Term::Equals || previous == core::Term::Open || previous == core::Term::Rounded
                || previous == core::Term::PiTaken)
                putOperator(piece.term, false, true);
            else
                putOperator(piece.term);
            break;
        default:
            if (piece.term == core::Term::Pi)
                m_number.clear(); // a unit after it counts no number
            // A multiple of π or of a root is written against its number: "25π", "6√2".
            putOperator(piece.term, (piece.term == core::Term::Pi || piece.term == core::Term::Root)
                                        && previous == core::Term::Number);
        }
    }

    void putOperator(core::Term term, bool joinsBefore = false, bool joinsAfter = false)
    {
        const core::TermRow& own = core::termRow(term);
        if (m_spoken)
            m_line.put(WorkingWords::tr(own.words));
        else
            m_line.put(QString::fromUtf8(own.symbol), joinsBefore || own.joinsBefore, joinsAfter || own.joinsAfter);
    }

    // The polygon's count of sides, "#", is heard as what it counts, not as its sign.
    void putLetter(const QString& letter)
    {
        const bool count = m_spoken && letter == QLatin1String("#");
        m_line.put(count ? WorkingWords::tr("número de lados") : letter);
    }

    // A negative number is written with the minus sign of a subtraction.
    void putNumber(const std::string& text)
    {
        const QString number = QString::fromStdString(text);
        m_number = number;
        if (m_spoken)
            m_line.put(spoken(number));
        else
            m_line.put(number.startsWith(QLatin1Char('-')) ? QStringLiteral("−") + number.mid(1) : number);
    }

    // Closes the form that holds a rounded value, unit included; said once, with the decimals where it gives them.
    void putRoundedNote()
    {
        if (m_roundedNote && m_roundedDecimals > 0)
            m_line.put(WorkingWords::tr("(redondeado a %1 decimales)").arg(m_roundedDecimals));
        else if (m_roundedNote)
            m_line.put(WorkingWords::tr("(redondeado)"));
        m_roundedNote = false;
    }

    // Each further form of the value starts a line of its own, or is said after a pause.
    void putEquals()
    {
        if (m_groups.empty())
            putRoundedNote();
        const bool further = m_groups.empty() && m_forms++ > 0;
        if (!further)
            putOperator(core::Term::Equals);
        else if (m_spoken)
            m_line.put(QStringLiteral("\n") + WorkingWords::tr(core::termRow(core::Term::Equals).words), true);
        else
            m_line.put(QStringLiteral("\n="), true);
    }

    // A root's group is heard as what the root is "of", without its brackets,
    // and where it holds more than one term, with where the root ends. A note
    // after the value's unit, which gives a factor, is written on a line of its
    // own: it is no part of the chain of equal forms.
    void putOpen(core::Term previous)
    {
        const bool silent = m_spoken && previous == core::Term::Root;
        const bool note = m_groups.empty() && previous == core::Term::Unit;
        if (note)
            putRoundedNote();
        m_groups.push_back({silent, false});
        if (note && !m_spoken)
            m_line.put(QStringLiteral("\n") + QString::fromUtf8(core::termRow(core::Term::Open).symbol), true, true);
        else if (!silent)
            putOperator(core::Term::Open);
    }

    void putClose()
    {
        const Group group = m_groups.empty() ? Group{} : m_groups.back();
        if (!m_groups.empty())
            m_groups.pop_back();
        if (!group.silent)
            putOperator(core::Term::Close);
        else if (group.compound)
            m_line.put(WorkingWords::tr("fin de raíz"));
    }

    // An operation between two terms makes the group it is in hold more than one.
    void noteOperation(core::Term term)
    {
        if (core::termRow(term).operands == 2 && !m_groups.empty())
            m_groups.back().compound = true;
    }

    // A changed value starts a line too; a rounded one says so after it, π taken shows its value.
    void putRounded(const core::Piece& piece)
    {
        putRoundedNote();
        const core::TermRow& own = core::termRow(piece.term);
        if (m_spoken) {
            m_line.put(QStringLiteral("\n") + WorkingWords::tr(own.words), true);
            return;
        }
        m_line.put(QStringLiteral("\n") + QString::fromUtf8(own.symbol), true);
        m_roundedNote = piece.term == core::Term::Rounded;
        m_roundedDecimals = piece.index;
    }

    struct Group {
        bool silent = false; // a root's, not heard
        bool compound = false; // holds more than one term
    };

    const WorkingNames& m_names;
    const bool m_spoken;
    Line m_line;
    std::vector<Group> m_groups; // the open brackets
    int m_forms = 0; // the equals signs outside brackets so far
    QString m_number; // the last one, which a unit after it agrees with
    bool m_roundedNote = false; // the form under way holds a rounded value
    int m_roundedDecimals = 0; // to which it was rounded, where the working says
};

} // namespace

QString writtenWorking(const core::Working& working, const WorkingNames& names)
{
    return Reader(names, false).read(working);
}

QStringList spokenLines(const core::Working& working, const WorkingNames& names)
{
    return Reader(names, true).read(working).split(QLatin1Char('\n'));
}

QString spokenWorking(const core::Working& working, const WorkingNames& names)
{
    return spokenLines(working, names).join(QStringLiteral(", "));
}

QString outOfRangeText()
{
    return QCoreApplication::translate("Valores", "Fuera de rango");
}

QString captionLetter(const QString& caption)
{
    const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
    const qsizetype close = caption.lastIndexOf(QLatin1Char(')'));
    if (open >= 0 && close > open + 1)
        return caption.mid(open + 1, close - open - 1);
    QString letter = caption.trimmed();
    if (letter.endsWith(QLatin1Char(':')))
        letter.chop(1);
    return letter;
}

QString formulaLetter(const QString& formula, const QString& letter)
{
    static const QRegularExpression word(QStringLiteral("\\w+"));
    QString spelled = letter;
    for (const QRegularExpressionMatch& match : word.globalMatch(formula)) {
        if (match.captured() == letter)
            return letter;
        if (match.captured().compare(letter, Qt::CaseInsensitive) == 0)
            spelled = match.captured();
    }
    return spelled;
}

} // namespace kit
