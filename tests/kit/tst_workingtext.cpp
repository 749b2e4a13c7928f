#include <QtTest>

#include <map>

#include "kit/language.h"
#include "kit/spokennumbers.h"
#include "kit/workingtext.h"

namespace {

// A working in a short notation, terms between spaces: M0.. a measure, R0.. the
// result, "pi", "+", "-", "*", "/", "^2", "^3", "sqrt", "(", ")", "=", "~" (the
// value rounded), "~4" (rounded to 4 decimals), "~pi" (π taken), "frac" (a
// fraction's bar), "oor" (out of range), "u:NAME" a unit; anything else a number.
core::Working parse(const QString& notation)
{
    static const std::map<QString, core::Term> terms = {
        {"pi", core::Term::Pi},          {"+", core::Term::Plus},      {"-", core::Term::Minus},
        {"*", core::Term::Times},        {"/", core::Term::Over},      {"^2", core::Term::Squared},
        {"^3", core::Term::Cubed},       {"sqrt", core::Term::Root},   {"(", core::Term::Open},
        {")", core::Term::Close},        {"=", core::Term::Equals},    {"~", core::Term::Rounded},
        {"oor", core::Term::OutOfRange}, {"~pi", core::Term::PiTaken}, {"frac", core::Term::Fraction},
    };
    core::Working working;
    for (const QString& word : notation.split(QLatin1Char(' '))) {
        const auto term = terms.find(word);
        if (term != terms.end())
            working.push_back({term->second});
        else if (word == QLatin1String("~4"))
            working.push_back({core::Term::Rounded, {}, 4});
        else if (word.startsWith(QLatin1String("u:")))
            working.push_back({core::Term::Unit, word.mid(2).toStdString()});
        else if (word.size() == 2 && (word[0] == 'M' || word[0] == 'R') && word[1].isDigit())
            working.push_back({word[0] == 'M' ? core::Term::Measure : core::Term::Result, {}, word[1].digitValue()});
        else
            working.push_back({core::Term::Number, word.toStdString()});
    }
    return working;
}

const kit::WorkingNames kNames = {
    [](const core::Piece& piece) {
        static const QStringList measures = {"b", "h", "r", "a", "X", "B", "Y", "#"};
        static const QStringList results = {"P", "A", "h", "a"};
        return (piece.term == core::Term::Measure ? measures : results).at(piece.index);
    },
    [](const std::string& unit) { return QString::fromStdString(unit); },
    [](const std::string& unit, const QString& number) {
        static const std::map<std::string, const char*> words = {
            {"cm", "centímetros"},           {"mm", "milímetros"}, {"cm²", "centímetros cuadrados"},
            {"mm²", "milímetros cuadrados"}, {"Pie", "pies"},      {"Metro", "metros"}};
        return kit::unitAfter(number, words.at(unit));
    },
};

} // namespace

class tst_WorkingText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_working_is_written_and_said_data();
    void a_working_is_written_and_said();
    void a_caption_gives_its_letter_data();
    void a_caption_gives_its_letter();

private:
    const kit::Translations m_spanish{QStringLiteral("es")}; // its plural forms
};

void tst_WorkingText::a_working_is_written_and_said_data()
{
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("written"); // "|" stands for a new line
    QTest::addColumn<QString>("spoken"); // "|" stands for a new line, said as ", "
    // clang-format off
    QTest::newRow("rectangulo, en otra unidad") << "R0 = M0 * 2 + M1 * 2 = 3 * 2 + 4 * 2 = 6 + 8 = 14 u:cm = 140 u:mm ( 1 u:cm = 10 u:mm )" << "P = b · 2 + h · 2|= 3 · 2 + 4 · 2|= 6 + 8|= 14 cm|= 140 mm|(1 cm = 10 mm)" << "P igual a b por 2 más h por 2|igual a 3 por 2 más 4 por 2|igual a 6 más 8|igual a 14 centímetros|igual a 140 milímetros abre paréntesis 1 centímetro igual a 10 milímetros cierra paréntesis";
    QTest::newRow("circulo, con su multiplo de pi") << "R1 = pi * M2 ^2 = 3.14159265358979 * 5 ^2 = 25 pi u:cm² = 78.5398163397448 u:cm² ~ 78.5398 u:cm² = 7,853.9816 u:mm² ( 1 u:cm² = 100 u:mm² )" << "A = π · r²|= 3.14159265358979 · 5²|= 25π cm²|= 78.5398163397448 cm²|≈ 78.5398 cm² (redondeado)|= 7,853.9816 mm²|(1 cm² = 100 mm²)" << "A igual a pi por r al cuadrado|igual a 3,14159265358979 por 5 al cuadrado|igual a 25 pi centímetros cuadrados|igual a 78,5398163397448 centímetros cuadrados|redondeado a 78,5398 centímetros cuadrados|igual a 7853,9816 milímetros cuadrados abre paréntesis 1 centímetro cuadrado igual a 100 milímetros cuadrados cierra paréntesis";
    QTest::newRow("circulo, pi tomado y redondeo a 4 decimales") << "R1 = pi * M2 ^2 = pi * ( -5 ) ^2 = 25 pi u:cm² ~pi 3.14159265358979 * 25 ~4 78.5398 u:cm²" << "A = π · r²|= π · (−5)²|= 25π cm²|≈ 3.14159265358979 · 25|≈ 78.5398 cm² (redondeado a 4 decimales)" << "A igual a pi por r al cuadrado|igual a pi por abre paréntesis -5 cierra paréntesis al cuadrado|igual a 25 pi centímetros cuadrados|aproximadamente 3,14159265358979 por 25|redondeado a 78,5398 centímetros cuadrados";
    QTest::newRow("formas exactas") << "R0 = 6 sqrt 2 = 125 pi frac 6 = -2 frac 3 = - pi" << "P = 6√2|= 125π/6|= −2/3|= −π" << "P igual a 6 raíz cuadrada de 2|igual a 125 pi entre 6|igual a -2 entre 3|igual a menos pi";
    QTest::newRow("hipotenusa") << "R2 = sqrt ( M3 ^2 + M0 ^2 ) = sqrt ( 3 ^2 + 4 ^2 ) = sqrt ( 9 + 16 ) = sqrt ( 25 ) = 5" << "h = √(a² + b²)|= √(3² + 4²)|= √(9 + 16)|= √(25)|= 5" << "h igual a raíz cuadrada de a al cuadrado más b al cuadrado fin de raíz|igual a raíz cuadrada de 3 al cuadrado más 4 al cuadrado fin de raíz|igual a raíz cuadrada de 9 más 16 fin de raíz|igual a raíz cuadrada de 25|igual a 5";
    QTest::newRow("cateto, con una resta") << "R3 = sqrt ( M1 ^2 - M0 ^2 ) = sqrt ( 5 ^2 - 3 ^2 ) = 4" << "a = √(h² − b²)|= √(5² − 3²)|= 4" << "a igual a raíz cuadrada de h al cuadrado menos b al cuadrado fin de raíz|igual a raíz cuadrada de 5 al cuadrado menos 3 al cuadrado fin de raíz|igual a 4";
    QTest::newRow("regla de tres redondeada") << "R1 = M4 * M5 / M6 = 5 * 1 / 3 = 5 / 3 = 1.66666666666667 ~ 1.6667" << "A = X · B / Y|= 5 · 1 / 3|= 5 / 3|= 1.66666666666667|≈ 1.6667 (redondeado)" << "A igual a X por B entre Y|igual a 5 por 1 entre 3|igual a 5 entre 3|igual a 1,66666666666667|redondeado a 1,6667";
    QTest::newRow("fuera de rango") << "R1 = M0 ^3 = 1e200 ^3 = oor" << "A = b³|= 1e200³|= Fuera de rango" << "A igual a b al cubo|igual a 1e200 al cubo|igual a Fuera de rango";
    QTest::newRow("resultado agrupado") << "R0 = 1,234.5 * 2 = 2,469 u:cm" << "P = 1,234.5 · 2|= 2,469 cm" << "P igual a 1234,5 por 2|igual a 2469 centímetros";
    QTest::newRow("poligono, su numero de lados en palabras") << "R0 = M0 * M7 = 2 * 6 = 12 u:cm" << "P = b · #|= 2 · 6|= 12 cm" << "P igual a b por número de lados|igual a 2 por 6|igual a 12 centímetros";
    QTest::newRow("medidas sin teclear") << "R0 = M0 * 2 + M1 * 2" << "P = b · 2 + h · 2" << "P igual a b por 2 más h por 2";
    QTest::newRow("fila del convertidor") << "5 u:Pie = 5 * 0.3048 = 1.524 u:Metro ( 1 u:Pie = 0.3048 u:Metro )" << "5 Pie = 5 · 0.3048|= 1.524 Metro|(1 Pie = 0.3048 Metro)" << "5 pies igual a 5 por 0,3048|igual a 1,524 metros abre paréntesis 1 pie igual a 0,3048 metros cierra paréntesis";
    // clang-format on
}

void tst_WorkingText::a_working_is_written_and_said()
{
    QFETCH(QString, working);
    QFETCH(QString, written);
    QFETCH(QString, spoken);
    QCOMPARE(kit::writtenWorking(parse(working), kNames), QString(written).replace('|', '\n'));
    QCOMPARE(kit::spokenLines(parse(working), kNames).join('|'), spoken);
    QCOMPARE(kit::spokenWorking(parse(working), kNames), QString(spoken).replace('|', QStringLiteral(", ")));
}

void tst_WorkingText::a_caption_gives_its_letter_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("letter");
    // clang-format off
    QTest::newRow("una letra") << "Base (b):" << "b";
    QTest::newRow("dos letras") << "Área Base (Ab):" << "Ab";
    QTest::newRow("un signo") << "No. lados (#):" << "#";
    QTest::newRow("sin parentesis") << "Lado:" << "Lado";
    // clang-format on
}

void tst_WorkingText::a_caption_gives_its_letter()
{
    QFETCH(QString, caption);
    QFETCH(QString, letter);
    QCOMPARE(kit::captionLetter(caption), letter);
}

QTEST_GUILESS_MAIN(tst_WorkingText)
#include "tst_workingtext.moc"
