#include <QtTest>

#include <cmath>
#include <set>
#include <string>

#include "core/figures.h"
#include "core/numbers.h"
#include "core/working.h"
#include "workingreader.h"

using core::CalculatorId;
using core::Converted;

Q_DECLARE_METATYPE(core::CalculatorId)
Q_DECLARE_METATYPE(core::Converted)

namespace {

constexpr double kPi = 3.14159265358979;

const core::Figure& figure(CalculatorId id, int n)
{
    return core::calculator(id).figures[static_cast<std::size_t>(n - 1)];
}

// The letter each measure caption names, "b" of "Base (b):".
QStringList letters(const core::Figure& figure)
{
    QStringList list;
    for (const char* label : figure.labels) {
        const QString caption = QString::fromUtf8(label ? label : "");
        list << caption.section('(', -1).section(')', 0, 0);
    }
    return list;
}

// The result box's text as the window writes it, the grouped text where it fits.
QString resultBox(const core::Calculator& calculator, const core::Figure& figure,
                  const std::array<std::string, 3>& texts, double pi, const std::string& input,
                  const std::string& result)
{
    const std::optional<double> value = core::figureResult(figure, texts, pi);
    const std::optional<core::ResultText> box = core::resultText(
        calculator, value, input, result, value ? std::optional(core::plainText(*value)) : std::nullopt);
    return box ? QString::fromStdString(box->shown) : QStringLiteral("Fuera de rango");
}

} // namespace

class tst_Figures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void every_table_is_complete_data();
    void every_table_is_complete();
    void formulas_keep_their_order_of_operations_data();
    void formulas_keep_their_order_of_operations();
    void only_the_measures_a_figure_uses_are_read();
    void a_result_out_of_range_is_no_result();
    void result_units_convert_as_the_factor_tables_say_data();
    void result_units_convert_as_the_factor_tables_say();
    void display_rule_data();
    void display_rule();
    void every_working_reads_back_as_its_result_data();
    void every_working_reads_back_as_its_result();
};

void tst_Figures::every_table_is_complete_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("suffix");
    // clang-format off
    QTest::newRow("perimetro") << CalculatorId::Perimeter << 8 << QString();
    QTest::newRow("area") << CalculatorId::Area << 9 << QStringLiteral("²");
    QTest::newRow("volumen") << CalculatorId::Volume << 8 << QStringLiteral("³");
    // clang-format on
}

// Rows in use come first and carry a caption; the result unit of each input unit
// is in the list where the window looks for it.
void tst_Figures::every_table_is_complete()
{
    QFETCH(CalculatorId, id);
    QFETCH(int, count);
    QFETCH(QString, suffix);
    const core::Calculator& calculator = core::calculator(id);
    QCOMPARE(calculator.id, id);
    QCOMPARE(int(calculator.figures.size()), count);
    QCOMPARE(QString::fromUtf8(calculator.powerSuffix), suffix);
    for (int n = 1; n <= count; ++n) {
        const core::Figure& f = figure(id, n);
        const QString tip = QString::fromUtf8(f.toolTip);
        QCOMPARE(tip, " " + tip.trimmed() + " ");
        QVERIFY2(tip.trimmed().startsWith(QString::fromUtf8(f.caption).chopped(1)), f.caption);
        bool used = true;
        for (int row = 0; row < 3; ++row) {
            const bool uses = f.measures[row] != core::Measure::None;
            QVERIFY2(used || !uses, f.caption);
            QCOMPARE(f.labels[row] != nullptr, uses);
            used = uses;
        }
    }
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(QString::fromUtf8(calculator.resultUnits[i]), QString::fromUtf8(core::kLengthUnits[i]) + suffix);
        QCOMPARE(calculator.factors[i][i].operation, core::Operation::Unchanged);
    }
}

void tst_Figures::formulas_keep_their_order_of_operations_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("t1");
    QTest::addColumn<double>("t2");
    QTest::addColumn<double>("t3");
    QTest::addColumn<double>("expected");
    const auto P = CalculatorId::Perimeter;
    const auto A = CalculatorId::Area;
    const auto V = CalculatorId::Volume;
    // clang-format off
    QTest::newRow("perimetro triangulo 0.1 0.1 0.4") << P << 3 << 0.1 << 0.1 << 0.4 << 0x1.3333333333334p-1;
    QTest::newRow("area trapecio 0.1 0.2 0.3") << A << 5 << 0.1 << 0.2 << 0.3 << 0x1.70a3d70a3d70bp-5;
    QTest::newRow("area poligono 0.1 5 1.7") << A << 6 << 0.1 << 5.0 << 1.7 << 0x1.b333333333333p-2;
    QTest::newRow("area esfera 0.3") << A << 8 << 0.3 << 0.0 << 0.0 << 0x1.21877845a0bf8p+0;
    QTest::newRow("volumen cubo 0.3") << V << 1 << 0.3 << 0.0 << 0.0 << 0x1.ba5e353f7ced9p-6;
    QTest::newRow("volumen paralelepipedo 0.1 0.1 0.3") << V << 2 << 0.1 << 0.1 << 0.3 << 0x1.89374bc6a7efbp-9;
    QTest::newRow("volumen cilindro 0.1 2.5") << V << 4 << 0.1 << 2.5 << 0.0 << 0x1.41b2f769cf0dcp-4;
    QTest::newRow("volumen cono 0.1 6.1") << V << 5 << 0.1 << 6.1 << 0.0 << 0x1.05a60a153459bp-4;
    QTest::newRow("volumen piramide 0.1 0.1") << V << 6 << 0.1 << 0.1 << 0.0 << 0x1.b4e81b4e81b5p-9;
    QTest::newRow("volumen esfera 2.3") << V << 7 << 2.3 << 0.0 << 0.0 << 0x1.97b8576249ce1p+5;
    QTest::newRow("volumen octaedro 0.3") << V << 8 << 0.3 << 0.0 << 0.0 << 0x1.a1118c7ff1dfap-7;
    // clang-format on
}

// Compared bit for bit with values worked out once outside the program, with Pi
// at 3.14159265358979: each row's measures give another last bit under any other
// grouping of the same operations (and, for the cube and the sphere, under the
// other way of cubing). What each figure shows for plain whole measures is the
// calculator window test's table.
void tst_Figures::formulas_keep_their_order_of_operations()
{
    QFETCH(CalculatorId, id);
    QFETCH(int, n);
    QFETCH(double, t1);
    QFETCH(double, t2);
    QFETCH(double, t3);
    QFETCH(double, expected);
    const double result = core::valueOf(figure(id, n).result, {t1, t2, t3}, kPi);
    QVERIFY2(result == expected, qPrintable(QString::number(result, 'g', 17)));
}

void tst_Figures::only_the_measures_a_figure_uses_are_read()
{
    const std::array<std::string, 3> texts{"12abc", "1,5", "1E400"};
    QCOMPARE(core::figureResult(figure(CalculatorId::Perimeter, 1), texts, kPi), 48.0);
    QCOMPARE(core::figureResult(figure(CalculatorId::Perimeter, 2), texts, kPi), 26.0);
    QCOMPARE(core::figureResult(figure(CalculatorId::Perimeter, 3), texts, kPi), std::nullopt);
}

void tst_Figures::a_result_out_of_range_is_no_result()
{
    const std::array<std::string, 3> huge{"1e200", "-1e308", "0"};
    QCOMPARE(core::figureResult(figure(CalculatorId::Area, 1), huge, kPi), std::nullopt);
    // Infinity minus infinity is no number either.
    const std::array<std::string, 3> opposite{"1e308", "-1e308", "0"};
    QCOMPARE(core::figureResult(figure(CalculatorId::Perimeter, 2), opposite, kPi), std::nullopt);
}

void tst_Figures::result_units_convert_as_the_factor_tables_say_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<double>("value");
    QTest::addColumn<Converted>("outcome");
    QTest::addColumn<double>("expected");
    const auto P = CalculatorId::Perimeter;
    const auto A = CalculatorId::Area;
    const auto V = CalculatorId::Volume;
    // clang-format off
    QTest::newRow("cm a mm multiplica") << P << "cm" << "mm" << 20.0 << Converted::Value << 20.0 * 10;
    QTest::newRow("cm a m divide") << P << "cm" << "m" << 20.0 << Converted::Value << 20.0 / 100;
    QTest::newRow("cm a km divide") << P << "cm" << "km" << 3.0 << Converted::Value << 3.0 / 100000;
    QTest::newRow("km a mm multiplica") << P << "km" << "mm" << 20.0 << Converted::Value << 20.0 * 1000000;
    QTest::newRow("cm a mm2 multiplica") << A << "cm" << "mm²" << 25.0 << Converted::Value << 25.0 * 100;
    QTest::newRow("cm a m2 multiplica") << A << "cm" << "m²" << 25.0 << Converted::Value << 25.0 * 0.0001;
    QTest::newRow("m a cm2 multiplica") << A << "m" << "cm²" << 1.0 << Converted::Value << 1.0 * 10000;
    QTest::newRow("km a mm2 multiplica") << A << "km" << "mm²" << 1.0 << Converted::Value << 1.0 * 1e12;
    QTest::newRow("mm a m2 divide") << A << "mm" << "m²" << 250000.0 << Converted::Value << 250000.0 / 1000000;
    QTest::newRow("cm a mm3") << V << "cm" << "mm³" << 8.0 << Converted::Value << 8.0 * 1000;
    QTest::newRow("km a m3") << V << "km" << "m³" << 8.0 << Converted::Value << 8.0 * 1e9;
    QTest::newRow("mm a km2 divide") << A << "mm" << "km²" << 3.0 << Converted::Value << 3.0 / 1e12;
    QTest::newRow("cm a km2 multiplica") << A << "cm" << "km²" << 3.0 << Converted::Value << 3.0 * 1e-10;
    QTest::newRow("cm a m3") << V << "cm" << "m³" << 8.0 << Converted::Value << 8.0 * 1e-6;
    QTest::newRow("km a mm3") << V << "km" << "mm³" << 2.0 << Converted::Value << 2e18;
    QTest::newRow("mismo cm3") << V << "cm" << "cm³" << 0.1 << Converted::Value << 0.1;
    QTest::newRow("mayusculas") << V << "cm" << "CM³" << 8.0 << Converted::NoMatch << 8.0;
    QTest::newRow("unidad de otra lista") << P << "cm" << "cm²" << 8.0 << Converted::NoMatch << 8.0;
    QTest::newRow("1e300 km3 a mm3") << V << "km" << "mm³" << 1e300 << Converted::Overflow << 1e300;
    // clang-format on
}

void tst_Figures::result_units_convert_as_the_factor_tables_say()
{
    QFETCH(CalculatorId, id);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(double, value);
    QFETCH(Converted, outcome);
    QFETCH(double, expected);
    const core::Conversion conversion =
        core::convertResult(core::calculator(id), input.toStdString(), result.toStdString(), value);
    QCOMPARE(conversion.outcome, outcome);
    QVERIFY2(conversion.value == expected, qPrintable(QString::number(conversion.value, 'g', 17)));
}

void tst_Figures::display_rule_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("miles con decimales") << "1234.5" << "1,234.5";
    QTest::newRow("cero") << "0" << "0";
    // clang-format on
}

void tst_Figures::display_rule()
{
    QFETCH(QString, answer);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(core::displayText(answer.toStdString())), shown);
}

void tst_Figures::every_working_reads_back_as_its_result_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("measures");
    QTest::addColumn<double>("pi");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("shown"); // the result box
    QTest::addColumn<QString>("working"); // the whole working as text, where a row checks it
    const auto P = CalculatorId::Perimeter;
    const auto A = CalculatorId::Area;
    const auto V = CalculatorId::Volume;
    const QString any;
    // clang-format off
    QTest::newRow("P cuadrado") << P << 1 << QStringList{"2.5", "0", "0"} << kPi << "cm" << "mm" << "100" << any;
    QTest::newRow("P rectangulo en mm") << P << 2 << QStringList{"3", "4", "0"} << kPi << "cm" << "mm" << "140" << "P = b · 2 + h · 2 = 3 · 2 + 4 · 2 = 6 + 8 = 14 cm = 140 mm (1 cm = 10 mm)";
    QTest::newRow("P triangulo") << P << 3 << QStringList{"1.25", "2.5", "3.75"} << kPi << "cm" << "cm" << "7.5" << any;
    QTest::newRow("P poligono") << P << 4 << QStringList{"2.5", "6", "0"} << kPi << "m" << "km" << "0.015" << any;
    QTest::newRow("P rombo") << P << 5 << QStringList{"1.1", "0", "0"} << kPi << "cm" << "cm" << "4.4" << any;
    QTest::newRow("P romboide de mm a cm") << P << 6 << QStringList{"3", "2", "0"} << kPi << "mm" << "cm" << "1" << "P = bs + ws = 3 · 2 + 2 · 2 = 6 + 4 = 10 mm = 1 cm (10 mm = 1 cm)";
    QTest::newRow("P trapecio") << P << 7 << QStringList{"6", "4", "3"} << kPi << "cm" << "cm" << "13" << any;
    QTest::newRow("P circunferencia redondeada") << P << 8 << QStringList{"1", "0", "0"} << kPi << "cm" << "cm" << "3.1416" << "P = π · D = π · 1 = π cm ≈ 3.14159265358979 ≈ 3.1416 cm";
    QTest::newRow("A cuadrado") << A << 1 << QStringList{"1.5", "0", "0"} << kPi << "cm" << "cm²" << "2.25" << any;
    QTest::newRow("A rectangulo") << A << 2 << QStringList{"2.5", "4", "0"} << kPi << "cm" << "cm²" << "10" << any;
    QTest::newRow("A triangulo") << A << 3 << QStringList{"3", "5", "0"} << kPi << "cm" << "cm²" << "7.5" << any;
    QTest::newRow("A rombo") << A << 4 << QStringList{"7", "3", "0"} << kPi << "m" << "cm²" << "105,000" << any;
    QTest::newRow("A trapecio con negativo") << A << 5 << QStringList{"-2", "3", "2.5"} << kPi << "cm" << "cm²" << "1.25" << "A = (B + b) · h / 2 = ((-2) + 3) · 2.5 / 2 = 1 · 2.5 / 2 = 2.5 / 2 = 1.25 cm²";
    QTest::newRow("A poligono") << A << 6 << QStringList{"2", "5", "1.376"} << kPi << "cm" << "cm²" << "6.88" << any;
    QTest::newRow("A circulo con Pi por defecto") << A << 7 << QStringList{"5", "0", "0"} << kPi << "cm" << "cm²" << "78.5398" << "A = π · r² = π · 5² = π · 25 = 25π cm² ≈ 3.14159265358979 · 25 ≈ 78.5398 cm²";
    QTest::newRow("A circulo con Pi 3.1416") << A << 7 << QStringList{"5", "0", "0"} << 3.1416 << "cm" << "cm²" << "78.54" << "A = π · r² = π · 5² = π · 25 = 25π cm² ≈ 3.1416 · 25 = 78.54 cm²";
    QTest::newRow("A esfera") << A << 8 << QStringList{"1", "0", "0"} << 3.1416 << "cm" << "mm²" << "1,256.64" << any;
    QTest::newRow("A romboide") << A << 9 << QStringList{"2.5", "1.2", "0"} << kPi << "m" << "cm²" << "30,000" << any;
    QTest::newRow("V cubo") << V << 1 << QStringList{"2", "0", "0"} << kPi << "cm" << "mm³" << "8,000" << any;
    QTest::newRow("V paralelepipedo") << V << 2 << QStringList{"1.5", "2", "3"} << kPi << "cm" << "cm³" << "9" << any;
    QTest::newRow("V prisma") << V << 3 << QStringList{"10", "2", "0"} << kPi << "cm" << "cm³" << "20" << any;
    QTest::newRow("V cilindro con negativo") << V << 4 << QStringList{"-2", "1", "0"} << kPi << "cm" << "cm³" << "12.5664" << any;
    QTest::newRow("V cono") << V << 5 << QStringList{"3", "4", "0"} << kPi << "cm" << "cm³" << "37.6991" << any;
    QTest::newRow("V piramide") << V << 6 << QStringList{"10", "2", "0"} << kPi << "cm" << "cm³" << "6.6667" << "V = Ab · h / 3 = 10 · 2 / 3 = 20/3 cm³ ≈ 6.6667 cm³";
    QTest::newRow("V esfera") << V << 7 << QStringList{"1", "0", "0"} << kPi << "cm" << "cm³" << "4.1888" << any;
    QTest::newRow("V octaedro") << V << 8 << QStringList{"3", "0", "0"} << kPi << "cm" << "cm³" << "12.7279" << "V = √2 / 3 · a³ = √2 / 3 · 3³ = √2/3 · 27 = 9√2 cm³ ≈ 12.7279 cm³";
    QTest::newRow("A circulo de 3 con Pi 3.14") << A << 7 << QStringList{"3", "0", "0"} << 3.14 << "cm" << "cm²" << "28.26" << "A = π · r² = π · 3² = π · 9 = 9π cm² ≈ 3.14 · 9 = 28.26 cm²";
    QTest::newRow("V esfera de 2.5 m con Pi 3.15") << V << 7 << QStringList{"2.5", "0", "0"} << 3.15 << "m" << "m³" << "65.625" << "V = 4/3 · π · r³ = 4 · π · 2.5³ / 3 = 4π · 15.625 / 3 = 62.5π / 3 = 125π/6 m³ ≈ 3.15 · 125/6 = 65.625 m³";
    QTest::newRow("V cono de 1 y 1") << V << 5 << QStringList{"1", "1", "0"} << kPi << "cm" << "cm³" << "1.0472" << "V = π · r² · h / 3 = π · 1² · 1 / 3 = π · 1 · 1 / 3 = π · 1 / 3 = π/3 cm³ ≈ 3.14159265358979 · 1/3 ≈ 1.0472 cm³";
    QTest::newRow("V potencia de un numero en forma E") << V << 1 << QStringList{"1e-7", "0", "0"} << kPi << "cm" << "m³" << "0" << "V = a³ = (1E-07)³ = 1E-21 cm³ = 1E-27 m³ ≈ 0 m³ (1 cm³ = 1E-06 m³)";
    QTest::newRow("V cilindro de altura negativa") << V << 4 << QStringList{"1", "-1", "0"} << 3.14 << "cm" << "cm³" << "-3.14" << "V = π · r² · h = π · 1² · (-1) = π · 1 · (-1) = π · (-1) = −π cm³ ≈ 3.14 · (-1) = -3.14 cm³";
    QTest::newRow("V unidad tecleada sin convertir") << V << 1 << QStringList{"2", "0", "0"} << kPi << "cm" << "dm³" << "8" << "V = a³ = 2³ = 8 cm³";
    QTest::newRow("redondeo a 0 en km") << P << 1 << QStringList{"0.001", "0", "0"} << kPi << "cm" << "km" << "0" << "P = l · 4 = 0.001 · 4 = 0.004 cm = 4E-08 km ≈ 0 km (100000 cm = 1 km)";
    QTest::newRow("sin medidas tecleadas") << P << 2 << QStringList{"", "0", "0"} << kPi << "cm" << "mm" << "0" << "P = b · 2 + h · 2";
    QTest::newRow("medida fuera de rango") << A << 2 << QStringList{"1e400", "2", "0"} << kPi << "cm" << "cm²" << "Fuera de rango" << "A = b · h = Fuera de rango";
    QTest::newRow("paso fuera de rango") << A << 7 << QStringList{"1e200", "0", "0"} << kPi << "cm" << "cm²" << "Fuera de rango" << "A = π · r² = π · (1E+200)² = Fuera de rango";
    QTest::newRow("conversion fuera de rango") << V << 1 << QStringList{"1e100", "0", "0"} << kPi << "km" << "mm³" << "Fuera de rango" << "V = a³ = (1E+100)³ = 1E+300 km³ = Fuera de rango";
    // clang-format on
    // Every figure with Pi at its default and at 3.14, in its own unit and converted.
    for (const CalculatorId id : {P, A, V}) {
        const core::Calculator& calculator = core::calculator(id);
        for (int n = 1; n <= int(calculator.figures.size()); ++n)
            for (const double pi : {kPi, 3.14})
                for (const QStringList& measures : {QStringList{"2.5", "3", "4"}, QStringList{"1", "1", "1"}}) {
                    const std::array<std::string, 3> texts{measures[0].toStdString(), measures[1].toStdString(),
                                                           measures[2].toStdString()};
                    for (const std::string unit : {"cm", "m"}) {
                        const std::string result = std::string("cm") + calculator.powerSuffix;
                        QTest::addRow("%d %d %s Pi %g en %s", int(id), n, qPrintable(measures[0]), pi, unit.c_str())
                            << id << n << measures << pi << QString::fromStdString(unit)
                            << QString::fromStdString(result)
                            << resultBox(calculator, figure(id, n), texts, pi, unit, result) << any;
                    }
                }
    }
}

// The last value is the result box's text; the form with the values put in,
// read independently and taken into the result unit by the working's own
// factor, gives the box's value.
void tst_Figures::every_working_reads_back_as_its_result()
{
    QFETCH(CalculatorId, id);
    QFETCH(int, n);
    QFETCH(QStringList, measures);
    QFETCH(double, pi);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QString, shown);
    QFETCH(QString, working);
    const core::Calculator& calculator = core::calculator(id);
    const core::Figure& f = figure(id, n);
    const std::array<std::string, 3> texts{measures[0].toStdString(), measures[1].toStdString(),
                                           measures[2].toStdString()};
    QCOMPARE(resultBox(calculator, f, texts, pi, input.toStdString(), result.toStdString()), shown);
    const core::Working w = core::figureWorking(calculator, f, texts, pi, input.toStdString(), result.toStdString());
    const QString letter = QStringLiteral("PAV").mid(static_cast<int>(id), 1);
    if (!working.isEmpty())
        QCOMPARE(reader::text(w, letters(f), letter), working);
    if (reader::lastValue(w) != shown) {
        QVERIFY2(working.count('=') == 1, qPrintable(reader::text(w, letters(f), letter)));
        return;
    }
    const QString fault = reader::checkRelations(w, *reader::number(core::plainText(pi)));
    QVERIFY2(fault.isEmpty(), qPrintable(fault + ": " + reader::text(w, letters(f), letter)));
}

QTEST_GUILESS_MAIN(tst_Figures)
#include "tst_figures.moc"
