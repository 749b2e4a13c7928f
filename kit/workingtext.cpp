#include "kit/workingtext.h"

#include <QCoreApplication>

#include <vector>

#include "kit/spokennumbers.h"

namespace kit {
namespace {

struct WorkingWords {
    Q_DECLARE_TR_FUNCTIONS(kit::Working)
};

// How a term is written and said where the window gives no text for it.
struct TermLook {
    const char* symbol;
    const char* words;
    bool joinsBefore; // written against what comes before it
    bool joinsAfter; // written against what comes after it
};

// Indexed by core::Term.
constexpr TermLook kLooks[] = {
    {"", "", false, false}, // Number
    {"", "", false, false}, // Measure
    {"", "", false, false}, // Result
    {"π", QT_TRANSLATE_NOOP("kit::Working", "pi"), false, false},
    {"+", QT_TRANSLATE_NOOP("kit::Working", "más"), false, false},
    {"−", QT_TRANSLATE_NOOP("kit::Working", "menos"), false, false},
    {"·", QT_TRANSLATE_NOOP("kit::Working", "por"), false, false},
    {"/", QT_TRANSLATE_NOOP("kit::Working", "entre"), false, false},
    {"²", QT_TRANSLATE_NOOP("kit::Working", "al cuadrado"), true, false},
    {"³", QT_TRANSLATE_NOOP("kit::Working", "al cubo"), true, false},
    {"√", QT_TRANSLATE_NOOP("kit::Working", "raíz cuadrada de"), false, true},
    {"(", QT_TRANSLATE_NOOP("kit::Working", "abre paréntesis"), false, true},
    {")", QT_TRANSLATE_NOOP("kit::Working", "cierra paréntesis"), true, false},
    {"=", QT_TRANSLATE_NOOP("kit::Working", "igual a"), false, false},
    {"", "", false, false}, // Unit
    {"", "", false, false}, // OutOfRange
    {"≈", QT_TRANSLATE_NOOP("kit::Working", "redondeado a"), false, false},
};

const TermLook& look(core::Term term)
{
    return kLooks[static_cast<std::size_t>(term)];
}

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
            // The windows' own text for a value beyond the range of a double.
            m_line.put(QCoreApplication::translate("Valores", "Fuera de rango"));
            break;
        case core::Term::Equals:
            putEquals();
            break;
        case core::Term::Open:
            putOpen(previous == core::Term::Root);
            break;
        case core::Term::Close:
            putClose();
            break;
        case core::Term::Rounded:
            putRounded();
            break;
        default:
            if (piece.term == core::Term::Pi)
                m_number.clear(); // a unit after it counts no number
            // A multiple of π is written against its number: "25π".
            putOperator(piece.term, piece.term == core::Term::Pi && previous == core::Term::Number);
        }
    }

    void putOperator(core::Term term, bool joinsBefore = false)
    {
        const TermLook& own = look(term);
        if (m_spoken)
            m_line.put(WorkingWords::tr(own.words));
        else
            m_line.put(QString::fromUtf8(own.symbol), joinsBefore || own.joinsBefore, own.joinsAfter);
    }

    // The polygon's count of sides, "#", is heard as what it counts, not as its sign.
    void putLetter(const QString& letter)
    {
        const bool count = m_spoken && letter == QLatin1String("#");
        m_line.put(count ? WorkingWords::tr("número de lados") : letter);
    }

    void putNumber(const std::string& text)
    {
        const QString number = QString::fromStdString(text);
        m_number = number;
        m_line.put(m_spoken ? spoken(number) : number);
    }

    // Closes the form that holds a rounded value, unit included.
    void putRoundedNote()
    {
        if (m_roundedNote)
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
            m_line.put(QStringLiteral("\n") + WorkingWords::tr(look(core::Term::Equals).words), true);
        else
            m_line.put(QStringLiteral("\n="), true);
    }

    // A root's group is heard as what the root is "of", without its brackets,
    // and where it holds more than one term, with where the root ends.
    void putOpen(bool ofRoot)
    {
        const bool silent = m_spoken && ofRoot;
        if (m_groups.empty())
            putRoundedNote();
        m_groups.push_back({silent, false});
        if (!silent)
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
        const bool between = term == core::Term::Plus || term == core::Term::Minus || term == core::Term::Times
                             || term == core::Term::Over;
        if (between && !m_groups.empty())
            m_groups.back().compound = true;
    }

    // The value as the box rounds it starts a line too.
    void putRounded()
    {
        if (m_spoken) {
            m_line.put(QStringLiteral("\n") + WorkingWords::tr(look(core::Term::Rounded).words), true);
            return;
        }
        m_line.put(QStringLiteral("\n") + QString::fromUtf8(look(core::Term::Rounded).symbol), true);
        m_roundedNote = true;
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

} // namespace kit
