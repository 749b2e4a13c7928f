#include <QtTest>

#include "core/solver.h"
#include "core/working.h"
#include "workingreader.h"

Q_DECLARE_METATYPE(core::Ranks)

namespace {

core::BoxTexts boxes(const QStringList& triangle, const QStringList& proportion)
{
    core::BoxTexts texts;
    const QStringList all = triangle + proportion;
    for (int box = 0; box < core::kBoxCount; ++box)
        texts[box] = all.at(box).toStdString();
    return texts;
}

const QStringList kEmptyTriangle{"0", "0", "0"};
const QStringList kEmptyProportion{"0", "0", "0", "0"};

// Ranks in which no box is the oldest, so only "0" texts are candidates.
constexpr core::Ranks kFreshRanks{1, 1, 2, 1, 2, 1, 3};

// The texts the window writes; the out-of-range text stands for itself.
QStringList written(const core::SolverAction& action)
{
    QStringList list;
    for (const std::string& text : action.texts)
        list << QString::fromStdString(text);
    if (action.outOfRange)
        list << QStringLiteral("Fuera de rango");
    return list;
}

const QStringList kLetters{"h", "x", "y", "A", "X", "B", "Y"};

// The working of the answer just written: it ends at the text the box shows, and
// every relation in it, read independently, holds.
void checkWorking(core::BoxTexts texts, bool modo, const core::SolverSettings& settings, int box,
                  const QStringList& written)
{
    texts[box] = written.last().toStdString();
    const core::Working working = core::solverWorking(texts, modo, box, settings);
    QCOMPARE(reader::lastValue(working), written.last());
    if (written.last() == QLatin1String("Fuera de rango"))
        return;
    const QString fault = reader::checkRelations(working, 0);
    QVERIFY2(fault.isEmpty(), qPrintable(fault + ": " + reader::text(working, kLetters)));
}

} // namespace

class tst_Solver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eVacios_data();
    void eVacios();
    void eShow_data();
    void eShow();
    void working_data();
    void working();
};

void tst_Solver::eVacios_data()
{
    QTest::addColumn<QStringList>("triangle");
    QTest::addColumn<QStringList>("proportion");
    QTest::addColumn<bool>("modo");
    QTest::addColumn<bool>("listo");

    // clang-format off
    QTest::newRow("triángulo con un solo cero") << QStringList{"0", "3", "4"} << kEmptyProportion << false << true;
    QTest::newRow("triángulo con dos ceros") << QStringList{"0", "3", ""} << kEmptyProportion << false << false;
    QTest::newRow("triángulo lleno") << QStringList{"5", "3", "4"} << kEmptyProportion << false << false;
    QTest::newRow("cero con decimales cuenta como cero") << QStringList{"0.000", "3", "4"} << kEmptyProportion << false << true;
    QTest::newRow("negativo cuenta como puesto") << QStringList{"0", "-3", "4"} << kEmptyProportion << false << true;
    QTest::newRow("número desbordado cuenta como puesto") << QStringList{"1e400", "3", ""} << kEmptyProportion << false << true;
    QTest::newRow("proporción con un solo cero") << kEmptyTriangle << QStringList{"0", "2", "3", "4"} << true << true;
    QTest::newRow("proporción con dos ceros") << QStringList{"0", "3", "4"} << QStringList{"0", "2", "", "4"} << true << false;
    // clang-format on
}

void tst_Solver::eVacios()
{
    QFETCH(QStringList, triangle);
    QFETCH(QStringList, proportion);
    QFETCH(bool, modo);
    QFETCH(bool, listo);

    QCOMPARE(core::eVacios(boxes(triangle, proportion), modo), listo);
}

void tst_Solver::eShow_data()
{
    QTest::addColumn<QStringList>("triangle");
    QTest::addColumn<QStringList>("proportion");
    QTest::addColumn<bool>("modo");
    QTest::addColumn<core::Ranks>("ranks");
    QTest::addColumn<bool>("decimals");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<int>("box");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<bool>("message");

    const QStringList none;
    const QStringList T = kEmptyTriangle;
    const QStringList P = kEmptyProportion;
    const core::Ranks fresh = kFreshRanks;

    // Triangle.
    // clang-format off
    QTest::newRow("hipotenusa de 3 y 4") << QStringList{"0", "3", "4"} << P << false << fresh << true << false << 0 << QStringList{"5"} << false;
    QTest::newRow("cateto b de 5 y 3") << QStringList{"5", "3", "0"} << P << false << fresh << true << false << 2 << QStringList{"4"} << false;
    QTest::newRow("cateto a de 5 y 4") << QStringList{"5", "0", "4"} << P << false << fresh << true << false << 1 << QStringList{"3"} << false;
    QTest::newRow("hipotenusa igual al cateto da 0") << QStringList{"4", "4", "0"} << P << false << fresh << true << false << 2 << QStringList{"0"} << false;
    QTest::newRow("raíz de 2 con 4 decimales") << QStringList{"0", "1", "1"} << P << false << fresh << true << false << 0 << QStringList{"1.4142135623731", "1.4142"} << false;
    QTest::newRow("raíz de 2 sin redondeo") << QStringList{"0", "1", "1"} << P << false << fresh << false << false << 0 << QStringList{"1.4142135623731"} << false;
    QTest::newRow("resultado diminuto se redondea a 0") << QStringList{"0", "0.00001", "0.00001"} << P << false << fresh << true << false << 0 << QStringList{"1.4142135623731E-05", "0"} << false;
    QTest::newRow("hipotenusa menor con cateto en 0 avisa") << QStringList{"3", "5", "0"} << P << false << fresh << true << false << -1 << none << true;
    QTest::newRow("hipotenusa menor con cateto vacío avisa") << QStringList{"3", "5", ""} << P << false << core::Ranks{1, 2, 0} << true << true << -1 << none << true;
    QTest::newRow("hipotenusa en rango, la de siempre") << QStringList{"0", "153", "159"} << P << false << fresh << false << false << 0 << QStringList{"220.658106581199"} << false;
    QTest::newRow("catetos diminutos") << QStringList{"0", "1e-200", "1e-200"} << P << false << fresh << false << false << 0 << QStringList{"1.41421356237309E-200"} << false;
    QTest::newRow("cateto de lados casi iguales") << QStringList{"100000000001", "0", "100000000000"} << P << false << fresh << true << false << 1 << QStringList{"447213.595501076", "447213.5955"} << false;
    QTest::newRow("dos ceros sin automático no resuelve") << QStringList{"0", "3", "0"} << P << false << fresh << true << false << -1 << none << false;
    QTest::newRow("cateto negativo impide") << QStringList{"0", "-3", "4"} << P << false << fresh << true << false << -1 << none << false;

    // Automatic answering: the box with rank 0 is a candidate too.
    QTest::newRow("automático recalcula la hipotenusa de rango 0") << QStringList{"5", "3", "4.5"} << P << false << core::Ranks{0, 1, 2} << true << true << 0 << QStringList{"5.40832691319598", "5.4083"} << false;
    QTest::newRow("sin automático el rango no cuenta") << QStringList{"5", "3", "4.5"} << P << false << core::Ranks{0, 1, 2} << true << false << -1 << none << false;
    QTest::newRow("cateto a antes que la hipotenusa") << QStringList{"5", "9", "4"} << P << false << core::Ranks{0, 0, 2} << true << true << 1 << QStringList{"3"} << false;
    QTest::newRow("hipotenusa menor con cateto lleno avisa") << QStringList{"3", "5", "2"} << P << false << core::Ranks{1, 2, 0} << true << true << -1 << none << true;
    QTest::newRow("hipotenusa menor con cateto negativo calla") << QStringList{"3", "5", "-2"} << P << false << core::Ranks{1, 2, 0} << true << true << -1 << none << false;
    QTest::newRow("caja destino desbordada se reemplaza") << QStringList{"1e400", "3", "4"} << P << false << core::Ranks{0, 1, 2} << true << true << 0 << QStringList{"5"} << false;

    // Proportion A / X = B / Y.
    QTest::newRow("A de 2, 3 y 4") << T << QStringList{"0", "2", "3", "4"} << true << fresh << true << false << 3 << QStringList{"1.5"} << false;
    QTest::newRow("X de 1.5, 3 y 4") << T << QStringList{"1.5", "0", "3", "4"} << true << fresh << true << false << 4 << QStringList{"2"} << false;
    QTest::newRow("B de 1, 2 y 4") << T << QStringList{"1", "2", "0", "4"} << true << fresh << true << false << 5 << QStringList{"2"} << false;
    QTest::newRow("Y de 1, 2 y 3") << T << QStringList{"1", "2", "3", "0"} << true << fresh << true << false << 6 << QStringList{"6"} << false;
    QTest::newRow("Y de 0.4 como conocido") << T << QStringList{"0", "2", "3", "0.4"} << true << fresh << true << false << 3 << QStringList{"15"} << false;
    QTest::newRow("término negativo impide") << T << QStringList{"0", "-2", "3", "4"} << true << fresh << true << false << -1 << none << false;
    QTest::newRow("el triángulo desbordado no estorba") << QStringList{"1e400", "0", "0"} << QStringList{"0", "2", "3", "4"} << true << fresh << true << false << 3 << QStringList{"1.5"} << false;

    // Intermediate values beyond range still give the answer; an answer beyond range says so.
    QTest::newRow("lectura desbordada calla") << QStringList{"0", "1e400", "4"} << P << false << fresh << true << false << -1 << none << false;
    QTest::newRow("cuadrado desbordado no estorba") << QStringList{"0", "1e200", "1"} << P << false << fresh << true << false << 0 << QStringList{"1E+200"} << false;
    QTest::newRow("hipotenusa fuera de rango") << QStringList{"0", "1e308", "1.5e308"} << P << false << fresh << true << false << 0 << QStringList{"Fuera de rango"} << false;
    QTest::newRow("cateto de cuadrado desbordado") << QStringList{"1e200", "1", "0"} << P << false << fresh << true << false << 2 << QStringList{"1E+200"} << false;
    QTest::newRow("cateto del mayor double") << QStringList{"1.7976931348623157e308", "1e308", "0"} << P << false << fresh << true << false << 2 << QStringList{"1.49388774917365E+308"} << false;
    QTest::newRow("producto desbordado con cociente que cabe") << T << QStringList{"0", "1e200", "1e200", "1e300"} << true << fresh << true << false << 3 << QStringList{"1E+100"} << false;
    QTest::newRow("producto diminuto con cociente que cabe") << T << QStringList{"0", "1e-200", "1e-200", "1e-300"} << true << fresh << true << false << 3 << QStringList{"1E-100", "0"} << false;
    QTest::newRow("cociente fuera de rango") << T << QStringList{"0", "1e300", "10", "1e-10"} << true << fresh << true << false << 3 << QStringList{"Fuera de rango"} << false;
    QTest::newRow("resultado al límite deja solo el texto llano") << T << QStringList{"0", "1.7976931348623157e308", "1", "1"} << true << fresh << true << false << 3 << QStringList{"1.79769313486232E+308"} << false;
    // clang-format on
}

void tst_Solver::eShow()
{
    QFETCH(QStringList, triangle);
    QFETCH(QStringList, proportion);
    QFETCH(bool, modo);
    QFETCH(core::Ranks, ranks);
    QFETCH(bool, decimals);
    QFETCH(bool, automatic);
    QFETCH(int, box);
    QFETCH(QStringList, written);
    QFETCH(bool, message);

    const core::SolverAction action =
        core::eShow(boxes(triangle, proportion), modo, ranks, core::SolverSettings{decimals, automatic});

    QCOMPARE(action.box, box);
    QCOMPARE(::written(action), written);
    QCOMPARE(action.hypotenuseMessage, message);
    if (box >= 0)
        checkWorking(boxes(triangle, proportion), modo, core::SolverSettings{decimals, automatic}, box, written);
}

void tst_Solver::working_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("modo");
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("decimals");
    QTest::addColumn<QString>("working");
    // clang-format off
    QTest::newRow("hipotenusa") << QStringList{"5", "3", "4", "0", "0", "0", "0"} << false << 0 << true << "h = √(x² + y²) = √(3² + 4²) = √(9 + 16) = √25 = 5";
    QTest::newRow("cateto a") << QStringList{"5", "3", "4", "0", "0", "0", "0"} << false << 1 << true << "x = √(h² − y²) = √((5 − 4) · (5 + 4)) = √(1 · 9) = √9 = 3";
    QTest::newRow("redondeada a 4 decimales") << QStringList{"1.4142", "1", "1", "0", "0", "0", "0"} << false << 0 << true << "h = √(x² + y²) = √(1² + 1²) = √(1 + 1) = √2 ≈ 1.4142";
    QTest::newRow("A de la proporción") << QStringList{"0", "0", "0", "1.5", "2", "3", "4"} << true << 3 << true << "A = X · B / Y = 2 · 3 / 4 = 6 / 4 = 1.5";
    QTest::newRow("Y de la proporción") << QStringList{"0", "0", "0", "1", "2", "3", "6"} << true << 6 << true << "Y = B · X / A = 3 · 2 / 1 = 6 / 1 = 6";
    QTest::newRow("cuadrados desbordados") << QStringList{"1E+200", "1", "1e200", "0", "0", "0", "0"} << false << 0 << true << "h = √(x² + y²) = √(1² + (1E+200)²) ≈ √(1 + 1E+400) ≈ √(1E+400) = 1E+200";
    QTest::newRow("cociente fuera de rango") << QStringList{"0", "0", "0", "0", "1e300", "10", "1e-10"} << true << 3 << true << "A = X · B / Y = 1E+300 · 10 / 1E-10 = 1E+301 / 1E-10 = 1E+311 = Fuera de rango";
    QTest::newRow("catetos 1 y 2 dan √5") << QStringList{"0", "1", "2", "0", "0", "0", "0"} << false << 0 << true << "h = √(x² + y²) = √(1² + 2²) = √(1 + 4) = √5 ≈ 2.2361";
    QTest::newRow("catetos 1.5 y 2 dan 2.5") << QStringList{"0", "1.5", "2", "0", "0", "0", "0"} << false << 0 << true << "h = √(x² + y²) = √(1.5² + 2²) = √(2.25 + 4) = √6.25 = 2.5";
    QTest::newRow("un tercio exacto") << QStringList{"0", "0", "0", "0", "1", "1", "3"} << true << 3 << false << "A = X · B / Y = 1 · 1 / 3 = 1/3 ≈ 0.333333333333333";
    QTest::newRow("raíz que se simplifica") << QStringList{"0", "6", "6", "0", "0", "0", "0"} << false << 0 << true << "h = √(x² + y²) = √(6² + 6²) = √(36 + 36) = √72 = 6√2 ≈ 8.4853";
    QTest::newRow("paso por debajo de un double") << QStringList{"0", "0", "0", "1e-300", "0", "1e+300", "1e-20"} << true << 4 << true << "X = A · Y / B = 1E-300 · 1E-20 / 1E+300 = 1E-320 / 1E+300 = 1E-620 ≈ 0";
    QTest::newRow("sin respuesta aún") << QStringList{"0", "0", "0", "0", "0", "0", "0"} << false << -1 << true << "h = √(x² + y²)";
    QTest::newRow("hipotenusa menor que el cateto") << QStringList{"3", "0", "5", "0", "0", "0", "0"} << false << 1 << true << "x = √(h² − y²)";
    // clang-format on
}

void tst_Solver::working()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, modo);
    QFETCH(int, box);
    QFETCH(bool, decimals);
    QFETCH(QString, working);
    QCOMPARE(reader::text(core::solverWorking(boxes(texts.mid(0, 3), texts.mid(3)), modo, box,
                                              core::SolverSettings{decimals, true}),
                          kLetters),
             working);
}

QTEST_GUILESS_MAIN(tst_Solver)
#include "tst_solver.moc"
