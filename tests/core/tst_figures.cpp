#include <QtTest>

#include <cmath>
#include <set>
#include <string>

#include "core/figures.h"

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
    const auto A = CalculatorId::Area;
    const auto V = CalculatorId::Volume;
    // clang-format off
    QTest::newRow("area triangulo 0.1 0.3") << A << 3 << 0.1 << 0.3 << 0.0 << (0.1 * 0.3) / 2;
    QTest::newRow("area trapecio 0.1 0.2 0.3") << A << 5 << 0.1 << 0.2 << 0.3 << ((0.1 + 0.2) * 0.3) / 2;
    QTest::newRow("area poligono 2 5 1.376") << A << 6 << 2.0 << 5.0 << 1.376 << (1.376 * (5.0 * 2.0)) / 2;
    QTest::newRow("volumen cono 0.7 0.3") << V << 5 << 0.7 << 0.3 << 0.0 << (0.3 * ((0.7 * 0.7) * kPi)) / 3;
    QTest::newRow("volumen piramide 0.1 0.7") << V << 6 << 0.1 << 0.7 << 0.0 << (0.1 * 0.7) / 3;
    QTest::newRow("volumen esfera 1.1") << V << 7 << 1.1 << 0.0 << 0.0 << (std::pow(1.1, 3.0) * (kPi * 4)) / 3;
    QTest::newRow("volumen octaedro 3") << V << 8 << 3.0 << 0.0 << 0.0 << (std::sqrt(2.0) / 3) * std::pow(3.0, 3.0);
    // clang-format on
}

// Compared bit for bit: a different order of the same operations may not pass.
// What each figure shows for plain whole measures is the calculator window
// test's table; these rows are the ones whose last bits depend on the order.
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
    QTest::newRow("cm a km divide") << P << "cm" << "km" << 3.0 << Converted::Value << 3.0 / 100000;
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

QTEST_GUILESS_MAIN(tst_Figures)
#include "tst_figures.moc"
