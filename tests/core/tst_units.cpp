#include <QtTest>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "core/units.h"
#include "core/working.h"
#include "workingreader.h"

namespace cu = core::CatalogoUnidades;

namespace {

// The rows as one text; a row without a value reads "fuera".
QString joined(const std::vector<cu::Fila>& rows)
{
    QStringList parts;
    for (const cu::Fila& row : rows)
        parts << (row ? QString::fromStdString(*row) : QStringLiteral("fuera"));
    return parts.join(QLatin1Char(';'));
}

// The product a working states: the numbers either side of its "·".
std::optional<long double> statedProduct(const core::Working& working)
{
    const auto times = std::find_if(working.begin(), working.end(),
                                    [](const core::Piece& piece) { return piece.term == core::Term::Times; });
    if (times == working.begin() || times == working.end() || std::next(times) == working.end())
        return std::nullopt;
    const std::optional<long double> x = reader::number(std::prev(times)->text);
    const std::optional<long double> factor = reader::number(std::next(times)->text);
    return x && factor ? std::optional(*x * *factor) : std::nullopt;
}

// A number written in decimals as whole digits · 10^exponent: "0.0254" is
// 254 · 10^-4, "1.5E-07" is 15 · 10^-8.
struct Scaled {
    std::int64_t digits;
    int exponent;
};

Scaled scaled(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('E'));
    QString digits = parts.front();
    int exponent = parts.size() > 1 ? parts.back().toInt() : 0;
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        exponent -= static_cast<int>(digits.size() - point - 1);
        digits.remove(point, 1);
    }
    return {digits.toLongLong(), exponent};
}

// Whether shown is a / b rounded half up to its last digit, and whether it is
// a / b exactly: a long division, digit by digit, of whole numbers.
std::pair<bool, bool> shownQuotient(Scaled a, Scaled b, Scaled shown)
{
    int shift = a.exponent - b.exponent - shown.exponent;
    std::int64_t divisor = b.digits;
    for (; shift < 0; ++shift) {
        if (divisor > INT64_MAX / 100)
            return {false, false};
        divisor *= 10;
    }
    const std::string dividend =
        std::to_string(a.digits) + std::string(static_cast<std::size_t>(std::max(shift, 0)), '0');
    std::int64_t quotient = 0;
    std::int64_t rest = 0;
    for (const char digit : dividend) {
        rest = rest * 10 + (digit - '0');
        quotient = quotient * 10 + rest / divisor;
        rest %= divisor;
        if (quotient > INT64_MAX / 100)
            return {false, false};
    }
    const std::int64_t rounded = quotient + (2 * rest >= divisor ? 1 : 0);
    return {shown.digits == rounded, rest == 0 && shown.digits == quotient};
}

// Each row's working ends at the row's text, and its product, read
// independently, gives the row's value.
QString workedRows(std::int16_t categoria, std::int16_t desde, const QString& texto)
{
    QStringList parts;
    const auto count = static_cast<std::int16_t>(cu::Unidades(categoria).size());
    for (std::int16_t hacia = 0; hacia < count; ++hacia) {
        const core::Working working = core::converterWorking(categoria, desde, hacia, texto.toStdString());
        const QString last = reader::lastValue(working);
        const std::optional<long double> product = statedProduct(working);
        const bool read =
            hacia == desde || last == QLatin1String("Fuera de rango") || (product && reader::agrees(*product, last));
        parts << (last == QLatin1String("Fuera de rango") ? QStringLiteral("fuera")
                  : read                                  ? last
                                                          : QStringLiteral("?"));
    }
    return parts.join(QLatin1Char(';'));
}

} // namespace

class tst_Units : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void every_category_has_a_square_table_with_ones_on_the_diagonal_data();
    void every_category_has_a_square_table_with_ones_on_the_diagonal();
    void unit_names_are_the_listed_texts_data();
    void unit_names_are_the_listed_texts();
    void every_factor_agrees_with_the_sizes_of_its_units_data();
    void every_factor_agrees_with_the_sizes_of_its_units();
    void litro_and_decimetro_cubico_are_the_same_unit();
    void converts_one_value_into_every_unit_data();
    void converts_one_value_into_every_unit();
    void a_row_shows_its_working_data();
    void a_row_shows_its_working();
    void products_below_the_smallest_double_show_as_zero();
    void text_without_a_number_converts_as_zero_data();
    void text_without_a_number_converts_as_zero();
};

void tst_Units::every_category_has_a_square_table_with_ones_on_the_diagonal_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<int>("count");
    // clang-format off
    QTest::newRow("longitud") << 0 << 9;
    QTest::newRow("área") << 1 << 10;
    QTest::newRow("volumen") << 2 << 10;
    // clang-format on
}

void tst_Units::every_category_has_a_square_table_with_ones_on_the_diagonal()
{
    QFETCH(int, categoria);
    QFETCH(int, count);
    const auto c = static_cast<std::int16_t>(categoria);
    QCOMPARE(static_cast<int>(cu::Unidades(c).size()), count);
    for (std::int16_t u = 0; u < count; ++u) {
        QVERIFY2(cu::Factor(c, u, u) == 1.0, qPrintable(QString::number(u)));
        QCOMPARE(static_cast<int>(cu::ConvertirValor(c, u, "1").size()), count);
        QCOMPARE(cu::ConvertirValor(c, u, "7").at(static_cast<std::size_t>(u)), cu::Fila("7"));
    }
}

void tst_Units::unit_names_are_the_listed_texts_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<int>("unidad");
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("primera de longitud") << 0 << 0 << QStringLiteral("Milímetro");
    QTest::newRow("kilómetro con tilde") << 0 << 7 << QStringLiteral("Kilómetro");
    QTest::newRow("última de longitud") << 0 << 8 << QStringLiteral("Milla");
    QTest::newRow("área como unidad") << 1 << 6 << QStringLiteral("Área");
    QTest::newRow("kilómetro cuadrado con tilde") << 1 << 8 << QStringLiteral("Kilómetro²");
    QTest::newRow("milla cuadrada") << 1 << 9 << QStringLiteral("Milla²");
    QTest::newRow("centílitro") << 2 << 1 << QStringLiteral("Centílitro");
    QTest::newRow("barril") << 2 << 7 << QStringLiteral("Barril Liq. EE.UU.");
    QTest::newRow("kilometro cúbico sin tilde") << 2 << 9 << QStringLiteral("Kilometro³");
    // clang-format on
}

void tst_Units::unit_names_are_the_listed_texts()
{
    QFETCH(int, categoria);
    QFETCH(int, unidad);
    QFETCH(QString, name);
    const auto names = cu::Unidades(static_cast<std::int16_t>(categoria));
    QCOMPARE(QString::fromStdString(names.at(static_cast<std::size_t>(unidad))), name);
}

// The sizes of the units in metres, square metres and cubic metres, from their
// definitions (the inch is 0.0254 m, the mile 1609.344 m, the barrel 42 US
// gallons of 231 cubic inches), not from the program: each factor a working
// states must be their quotient to the last digit it shows, and it says "="
// only where it is that quotient exactly.
void tst_Units::every_factor_agrees_with_the_sizes_of_its_units_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<QStringList>("sizes");
    // clang-format off
    QTest::newRow("longitud") << 0 << QStringList{"0.001", "0.01", "0.0254", "0.1", "0.3048", "0.9144", "1", "1000", "1609.344"};
    QTest::newRow("área") << 1 << QStringList{"0.0001", "0.00064516", "0.01", "0.09290304", "0.83612736", "1", "100", "10000", "1000000", "2589988.110336"};
    QTest::newRow("volumen") << 2 << QStringList{"0.000001", "0.00001", "0.0001", "0.001", "0.001", "0.01", "0.1", "0.158987294928", "1", "1000000000"};
    // clang-format on
}

void tst_Units::every_factor_agrees_with_the_sizes_of_its_units()
{
    QFETCH(int, categoria);
    QFETCH(QStringList, sizes);
    for (qsizetype desde = 0; desde < sizes.size(); ++desde) {
        for (qsizetype hacia = 0; hacia < sizes.size(); ++hacia) {
            // "1 Pie = 0.3048 Metro": the relation and the factor are its third and fourth pieces.
            const core::Working w =
                core::converterWorking(static_cast<std::int16_t>(categoria), static_cast<std::int16_t>(desde),
                                       static_cast<std::int16_t>(hacia), "");
            const QString factor = QString::fromStdString(w.at(3).text);
            const auto [agrees, exact] = shownQuotient(scaled(sizes[desde]), scaled(sizes[hacia]), scaled(factor));
            const QString where = QStringLiteral("%1 a %2: %3").arg(desde).arg(hacia).arg(factor);
            QVERIFY2(agrees, qPrintable(where));
            QVERIFY2((w.at(2).term == core::Term::Equals) == exact, qPrintable(where));
        }
    }
}

void tst_Units::litro_and_decimetro_cubico_are_the_same_unit()
{
    constexpr std::int16_t volumen = 2, litro = 3, decimetro = 4;
    for (std::int16_t u = 0; u < 10; ++u) {
        QVERIFY(cu::Factor(volumen, litro, u) == cu::Factor(volumen, decimetro, u));
        QVERIFY(cu::Factor(volumen, u, litro) == cu::Factor(volumen, u, decimetro));
    }
    QCOMPARE(cu::ConvertirValor(volumen, litro, "1"), cu::ConvertirValor(volumen, decimetro, "1"));
}

void tst_Units::converts_one_value_into_every_unit_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<int>("desde");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("rows");
    const QString nineOut = QStringLiteral("fuera;").repeated(8) + QStringLiteral("fuera");
    // clang-format off
    QTest::newRow("1 pie") << 0 << 4 << "1" << "304.8;30.48;12;3.048;1;0.333333333333333;0.3048;0.0003048;0.000189393939393939";
    QTest::newRow("12 pulgadas son 1 pie") << 0 << 2 << "12" << "304.8;30.48;12;3.048;1;0.333333333333333;0.3048;0.0003048;0.000189393939393939";
    QTest::newRow("3 centímetros sin ruido") << 0 << 1 << "3" << "30;3;1.18110236220472;0.3;0.0984251968503937;0.0328083989501312;0.03;3E-05;1.864113576712E-05";
    QTest::newRow("1e3 metros") << 0 << 6 << "1e3" << "1000000;100000;39370.0787401575;10000;3280.83989501312;1093.61329833771;1000;1;0.621371192237334";
    QTest::newRow("-2 yardas") << 0 << 5 << "-2" << "-1828.8;-182.88;-72;-18.288;-6;-2;-1.8288;-0.0018288;-0.00113636363636364";
    QTest::newRow("1.7E308 milímetros sin desbordar") << 0 << 0 << "1.7E308" << "1.7E+308;1.7E+307;6.69291338582677E+306;1.7E+306;5.57742782152231E+305;1.8591426071741E+305;1.7E+305;1.7E+302;1.05633102680347E+302";
    QTest::newRow("1 centímetro²") << 1 << 0 << "1" << "1;0.15500031000062;0.01;0.00107639104167097;0.000119599004630108;0.0001;1E-06;1E-08;1E-10;3.86102158542446E-11";
    QTest::newRow("1 pie²") << 1 << 3 << "1" << "929.0304;144;9.290304;1;0.111111111111111;0.09290304;0.0009290304;9.290304E-06;9.290304E-08;3.58700642791552E-08";
    QTest::newRow("1 milla²") << 1 << 9 << "1" << "25899881103.36;4014489600;258998811.0336;27878400;3097600;2589988.110336;25899.88110336;258.9988110336;2.589988110336;1";
    QTest::newRow("1 barril") << 2 << 7 << "1" << "158987.294928;15898.7294928;1589.87294928;158.987294928;158.987294928;15.8987294928;1.58987294928;1;0.158987294928;1.58987294928E-10";
    QTest::newRow("1 kilometro³") << 2 << 9 << "1" << "1E+15;100000000000000;10000000000000;1000000000000;1000000000000;100000000000;10000000000;6289810770.43211;1000000000;1";
    QTest::newRow("-1E400 tecleado") << 1 << 5 << "-1E400" << nineOut + QStringLiteral(";fuera");
    QTest::newRow("-1E300 kilometros³") << 2 << 9 << "-1E300" << "fuera;fuera;fuera;fuera;fuera;fuera;fuera;fuera;fuera;-1E+300";
    QTest::newRow("1E306 metros: los milímetros fuera") << 0 << 6 << "1e306" << "fuera;1E+308;3.93700787401575E+307;1E+307;3.28083989501312E+306;1.09361329833771E+306;1E+306;1E+303;6.21371192237334E+302";
    // clang-format on
}

void tst_Units::converts_one_value_into_every_unit()
{
    QFETCH(int, categoria);
    QFETCH(int, desde);
    QFETCH(QString, texto);
    QFETCH(QString, rows);
    const auto result =
        cu::ConvertirValor(static_cast<std::int16_t>(categoria), static_cast<std::int16_t>(desde), texto.toStdString());
    QCOMPARE(joined(result), rows);
    QCOMPARE(workedRows(static_cast<std::int16_t>(categoria), static_cast<std::int16_t>(desde), texto), rows);
}

void tst_Units::a_row_shows_its_working_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("hacia");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("working");
    // clang-format off
    QTest::newRow("5 pies en metros") << 0 << 4 << 6 << "5" << "5 Pie = 5 · 0.3048 Metro = 1.524 Metro (1 Pie = 0.3048 Metro)";
    QTest::newRow("1 pie² en pulgadas²") << 1 << 3 << 1 << "1" << "1 Pie² = 1 · 144 Pulgada² = 144 Pulgada² (1 Pie² = 144 Pulgada²)";
    QTest::newRow("2 litros en barriles") << 2 << 3 << 7 << "2" << "2 Litro ≈ 2 · 0.00628981077043211 Barril Liq. EE.UU. ≈ 0.0125796215408642 Barril Liq. EE.UU. (1 Litro ≈ 0.00628981077043211 Barril Liq. EE.UU.)";
    QTest::newRow("factor redondeado, producto exacto") << 0 << 2 << 8 << "1" << "1 Pulgada ≈ 1 · 1.57828282828283E-05 Milla = 1.57828282828283E-05 Milla (1 Pulgada ≈ 1.57828282828283E-05 Milla)";
    QTest::newRow("factor exacto, producto redondeado") << 0 << 2 << 1 << "1.23456789012345" << "1.23456789012345 Pulgada = 1.23456789012345 · 2.54 Centímetro ≈ 3.13580244091356 Centímetro (1 Pulgada = 2.54 Centímetro)";
    QTest::newRow("la misma unidad") << 0 << 4 << 4 << "5" << "5 Pie";
    QTest::newRow("sin texto, el factor") << 0 << 4 << 6 << "" << "1 Pie = 0.3048 Metro";
    QTest::newRow("producto fuera de rango") << 2 << 9 << 0 << "1E300" << "1E+300 Kilometro³ = 1E+300 · 1E+15 Centímetro³ = Fuera de rango";
    QTest::newRow("lectura fuera de rango") << 2 << 9 << 0 << "1E400" << "Fuera de rango";
    // clang-format on
}

void tst_Units::a_row_shows_its_working()
{
    QFETCH(int, categoria);
    QFETCH(int, desde);
    QFETCH(int, hacia);
    QFETCH(QString, texto);
    QFETCH(QString, working);
    const core::Working w =
        core::converterWorking(static_cast<std::int16_t>(categoria), static_cast<std::int16_t>(desde),
                               static_cast<std::int16_t>(hacia), texto.toStdString());
    QCOMPARE(reader::text(w, {}), working);
}

void tst_Units::products_below_the_smallest_double_show_as_zero()
{
    // 1E-310 cm³ is 1E-325 km³, less than any double: that row is 0, not a failure.
    const auto result = cu::ConvertirValor(2, 0, "1E-310");
    QCOMPARE(result.back(), cu::Fila("0"));
    QVERIFY(result.front() != cu::Fila("0"));
}

void tst_Units::text_without_a_number_converts_as_zero_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<int>("desde");
    QTest::addColumn<QString>("texto");
    // clang-format off
    QTest::newRow("letras en barriles") << 2 << 7 << "abc";
    // clang-format on
}

void tst_Units::text_without_a_number_converts_as_zero()
{
    QFETCH(int, categoria);
    QFETCH(int, desde);
    QFETCH(QString, texto);
    const auto result =
        cu::ConvertirValor(static_cast<std::int16_t>(categoria), static_cast<std::int16_t>(desde), texto.toStdString());
    QCOMPARE(result, std::vector<cu::Fila>(result.size(), cu::Fila("0")));
}

QTEST_GUILESS_MAIN(tst_Units)
#include "tst_units.moc"
