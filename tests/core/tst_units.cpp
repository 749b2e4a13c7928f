#include <QtTest>

#include <cmath>

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

// Each row's working ends at the row's text, and its product, read
// independently, gives the row's value.
QString workedRows(std::int16_t categoria, std::int16_t desde, const QString& texto)
{
    QStringList parts;
    const auto count = static_cast<std::int16_t>(cu::Unidades(categoria).size());
    for (std::int16_t hacia = 0; hacia < count; ++hacia) {
        const core::Working working = core::converterWorking(categoria, desde, hacia, texto.toStdString());
        const QString last = reader::lastValue(working);
        const std::optional<long double> product = reader::formValue(working, 1);
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
// definitions (the inch is 0.0254 m, the mile 1,609.344 m, the barrel 42 US
// gallons of 231 cubic inches), not from the tables: each published factor,
// rounded as it is, must agree with their quotient to its published digits.
void tst_Units::every_factor_agrees_with_the_sizes_of_its_units_data()
{
    constexpr double inch = 0.0254, foot = 0.3048, yard = 0.9144, mile = 1609.344;
    constexpr double barrel = 42 * 231 * inch * inch * inch;
    QTest::addColumn<int>("categoria");
    QTest::addColumn<QList<double>>("sizes");
    // clang-format off
    QTest::newRow("longitud") << 0 << QList<double>{0.001, 0.01, inch, 0.1, foot, yard, 1, 1000, mile};
    QTest::newRow("área") << 1 << QList<double>{1e-4, inch * inch, 0.01, foot * foot, yard * yard, 1, 100, 1e4, 1e6, mile * mile};
    QTest::newRow("volumen") << 2 << QList<double>{1e-6, 1e-5, 1e-4, 1e-3, 1e-3, 0.01, 0.1, barrel, 1, 1e9};
    // clang-format on
}

void tst_Units::every_factor_agrees_with_the_sizes_of_its_units()
{
    QFETCH(int, categoria);
    QFETCH(QList<double>, sizes);
    for (qsizetype desde = 0; desde < sizes.size(); ++desde) {
        for (qsizetype hacia = 0; hacia < sizes.size(); ++hacia) {
            const double factor = cu::Factor(static_cast<std::int16_t>(categoria), static_cast<std::int16_t>(desde),
                                             static_cast<std::int16_t>(hacia));
            const double exact = sizes[desde] / sizes[hacia];
            QVERIFY2(std::abs(factor - exact) <= 2e-6 * exact, qPrintable(QStringLiteral("%1 a %2: %3, no %4")
                                                                              .arg(desde)
                                                                              .arg(hacia)
                                                                              .arg(factor, 0, 'g', 12)
                                                                              .arg(exact, 0, 'g', 12)));
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
    QTest::newRow("1 pie") << 0 << 4 << "1" << "304.8;30.48;12;3.048;1;0.3333333333;0.3048;0.0003048;0.0001893939";
    QTest::newRow("12 pulgadas no son 1 pie") << 0 << 2 << "12" << "304.8;30.48;12;3.048;0.9999999996;0.3333333336;0.3048;0.0003048;0.0001893936";
    QTest::newRow("3 centímetros sin ruido") << 0 << 1 << "3" << "30;3;1.1811023622;0.3;0.098425197;0.032808399;0.03;3E-05;1.864113E-05";
    QTest::newRow("1e3 metros") << 0 << 6 << "1e3" << "1000000;100000;39370.07874;10000;3280.839895;1093.6132983;1000;1;0.6213712";
    QTest::newRow("-2 yardas") << 0 << 5 << "-2" << "-1828.8;-182.88;-72;-18.288;-6;-2;-1.8288;-0.0018288;-0.0011363636";
    QTest::newRow("1.7E308 milímetros sin desbordar") << 0 << 0 << "1.7E308" << "1.7E+308;1.7E+307;6.692913379E+306;1.7E+306;5.57742783E+305;1.85914261E+305;1.7E+305;1.7E+302;1.0563307E+302";
    QTest::newRow("1 centímetro²") << 1 << 0 << "1" << "1;0.1550003;0.01;0.001076391;0.000119599;0.0001;1E-06;1E-08;1E-10;3.861022E-11";
    QTest::newRow("1 pie²") << 1 << 3 << "1" << "929.03043597;143.99999628;9.2903043597;1;0.1111111111;0.0929030436;0.0009290304;9.2903E-06;9.2903043597E-08;3.5870069519E-08";
    QTest::newRow("1 kilometro³") << 2 << 9 << "1" << "1E+15;100000000000000;10000000000000;1000000000000;1000000000000;100000000000;10000000000;6289813000;1000000000;1";
    QTest::newRow("-1E400 tecleado") << 1 << 5 << "-1E400" << nineOut + QStringLiteral(";fuera");
    QTest::newRow("-1E300 kilometros³") << 2 << 9 << "-1E300" << "fuera;fuera;fuera;fuera;fuera;fuera;fuera;fuera;fuera;-1E+300";
    QTest::newRow("1E306 metros: los milímetros fuera") << 0 << 6 << "1e306" << "fuera;1E+308;3.937007874E+307;1E+307;3.280839895E+306;1.0936132983E+306;1E+306;1E+303;6.213712E+302";
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
    QTest::newRow("5 pies en metros") << 0 << 4 << 6 << "5" << "5 Pie = 5 · 0.3048 = 1.524 Metro (1 Pie = 0.3048 Metro)";
    QTest::newRow("1 pie² en pulgadas²") << 1 << 3 << 1 << "1" << "1 Pie² = 1 · 143.99999628 = 143.99999628 Pulgada² (1 Pie² = 143.99999628 Pulgada²)";
    QTest::newRow("2 litros en barriles") << 2 << 3 << 7 << "2" << "2 Litro = 2 · 0.006289813 = 0.012579626 Barril Liq. EE.UU. (1 Litro = 0.006289813 Barril Liq. EE.UU.)";
    QTest::newRow("la misma unidad") << 0 << 4 << 4 << "5" << "5 Pie";
    QTest::newRow("sin texto, el factor") << 0 << 4 << 6 << "" << "1 Pie = 0.3048 Metro";
    QTest::newRow("producto fuera de rango") << 2 << 9 << 0 << "1E300" << "1E+300 Kilometro³ = 1E+300 · 1E+15 = Fuera de rango";
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
