#include <QtTest>

#include <cmath>
#include <limits>
#include <map>

#include "core/exact.h"
#include "core/numbers.h"

// The number rules every window reads and writes through.
class tst_Numbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readNumber_data();
    void readNumber();
    void readNumber_overflow_data();
    void readNumber_overflow();
    void plainText_data();
    void plainText();
    void plainText_readsBack_data();
    void plainText_readsBack();
    void maskedText_data();
    void maskedText();
    void exact_data();
    void exact();
};

void tst_Numbers::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    // clang-format off
    QTest::newRow("vacío") << "" << 0.0;
    QTest::newRow("letras") << "abc" << 0.0;
    QTest::newRow("blanco en medio") << "1 5" << 15.0;
    QTest::newRow("tab y salto de línea") << "\t1\n2" << 12.0;
    QTest::newRow("negativo decimal") << "-2.5" << -2.5;
    QTest::newRow("signo más") << "+4" << 4.0;
    QTest::newRow("signo separado") << "- 5" << -5.0;
    QTest::newRow("coma termina") << "3,5" << 3.0;
    QTest::newRow("exponente e") << "1e3" << 1000.0;
    QTest::newRow("exponente D mayúscula") << "2D2" << 200.0;
    QTest::newRow("exponente negativo") << "5E-1" << 0.5;
    QTest::newRow("exponente sin cifras") << "7e" << 7.0;
    QTest::newRow("exponente con signo sin cifras") << "7e+x" << 7.0;
    QTest::newRow("punto inicial") << ".5" << 0.5;
    QTest::newRow("punto final") << "3." << 3.0;
    QTest::newRow("solo punto") << "." << 0.0;
    QTest::newRow("solo signo") << "-" << 0.0;
    QTest::newRow("letras detrás") << "12abc" << 12.0;
    QTest::newRow("dos puntos") << "3.5.1" << 3.5;
    QTest::newRow("prefijo hexadecimal no se lee") << "&H10" << 0.0;
    QTest::newRow("cero con exponente enorme") << "0e99999" << 0.0;
    QTest::newRow("por debajo del menor doble") << "1e-400" << 0.0;
    QTest::newRow("subnormal") << "4.9e-324" << 4.9e-324;
    QTest::newRow("mayor doble escrito a 15 cifras") << "1.79769313486232E+308" << std::numeric_limits<double>::max();
    QTest::newRow("pi del menú") << "3.14159265358979" << 3.14159265358979;
    QTest::newRow("acento delante") << "é5" << 0.0;
    // clang-format on
}

void tst_Numbers::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const auto value = core::readNumber(text.toStdString());
    QVERIFY(value.has_value());
    QCOMPARE(*value, expected);
}

void tst_Numbers::readNumber_overflow_data()
{
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("negativo enorme") << "-1E400";
    QTest::newRow("justo por encima del mayor doble") << "1.79769313486233E+308";
    QTest::newRow("exponente gigantesco") << "9e99999999999999999999";
    QTest::newRow("400 cifras") << QString(400, QLatin1Char('9'));
    // clang-format on
}

void tst_Numbers::readNumber_overflow()
{
    QFETCH(QString, text);
    QVERIFY(!core::readNumber(text.toStdString()).has_value());
}

void tst_Numbers::plainText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("pi") << 3.14159265358979 << "3.14159265358979";
    QTest::newRow("cinco") << 5.0 << "5";
    QTest::newRow("un medio") << 0.5 << "0.5";
    QTest::newRow("un tercio") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("cien milésimas") << 0.00001 << "1E-05";
    QTest::newRow("diez milésimas") << 0.0001 << "0.0001";
    QTest::newRow("cuarto negativo") << -0.25 << "-0.25";
    QTest::newRow("15 cifras enteras") << 123456789012345.0 << "123456789012345";
    QTest::newRow("mantisa con decimales") << 3.861022e-11 << "3.861022E-11";
    QTest::newRow("exponente de tres cifras") << -1.5e300 << "-1.5E+300";
    QTest::newRow("cero negativo") << -0.0 << "0";
    QTest::newRow("ruido de representación") << 3 * 0.1 << "0.3";
    QTest::newRow("redondeo cruza a exponente") << 999999999999999.9 << "1E+15";
    QTest::newRow("mayor doble") << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    // clang-format on
}

void tst_Numbers::plainText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(core::plainText(value)), expected);
}

void tst_Numbers::plainText_readsBack_data()
{
    QTest::addColumn<double>("value");
    // clang-format off
    QTest::newRow("pequeño") << 6.2898e-6;
    QTest::newRow("menor doble normal") << std::numeric_limits<double>::min();
    QTest::newRow("menor doble negativo") << -std::numeric_limits<double>::max();
    // clang-format on
}

void tst_Numbers::plainText_readsBack()
{
    QFETCH(double, value);
    const std::string text = core::plainText(value);
    const auto back = core::readNumber(text);
    QVERIFY(back.has_value());
    QCOMPARE(core::plainText(*back), text);
}

void tst_Numbers::maskedText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("cinco con un decimal") << 5.0 << "0.0###" << "5.0";
    QTest::newRow("raíz de diez") << std::sqrt(10.0) << "0.0###" << "3.1623";
    QTest::newRow("cuatro cienmilésimas") << 0.00004 << "0.0###" << "0.0";
    QTest::newRow("mitad hacia arriba desde 15 cifras") << 1.00005 << "0.0###" << "1.0001";
    QTest::newRow("negativo pequeño pierde el signo") << -0.00004 << "0.0###" << "0.0";
    QTest::newRow("mitad negativa se aleja de cero") << -2.5 << "#,###" << "-3";
    QTest::newRow("agrupado con decimal") << 1234.5 << "#,##0.####" << "1,234.5";
    QTest::newRow("dos tercios") << 2.0 / 3 << "#,##0.####" << "0.6667";
    QTest::newRow("acarreo a millar") << 999.99995 << "#,##0.####" << "1,000";
    QTest::newRow("cero con cifra obligatoria") << 0.00001 << "#,##0.####" << "0";
    QTest::newRow("cero sin cifras") << 0.0 << "#,###" << "";
    QTest::newRow("millones") << 20000000.0 << "#,###" << "20,000,000";
    QTest::newRow("enorme escrito entero") << 1e20 << "#,###" << "100,000,000,000,000,000,000";
    // clang-format on
}

void tst_Numbers::maskedText()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    const core::NumberMask numberMask(mask.toStdString());
    QCOMPARE(QString::fromStdString(core::maskedText(value, numberMask)), expected);
}

void tst_Numbers::exact_data()
{
    QTest::addColumn<QString>("a"); // a number as written, "pi", or "√" and a number
    QTest::addColumn<QString>("operation"); // + - * /, or "" for a alone
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>(
        "expected"); // canonical: numerator/denominator (no 2, 5) E exponent r radicand p π, or "none"
    // clang-format off
    QTest::newRow("raíz que se simplifica") << "√72" << "" << "" << "6/1 E0 r2 p0";
    QTest::newRow("raíz exacta de un decimal") << "√6.25" << "" << "" << "25/1 E-1 r1 p0";
    QTest::newRow("raíz de una fracción") << "√0.5" << "" << "" << "5/1 E-1 r2 p0";
    QTest::newRow("fracción reducida") << "20" << "/" << "6" << "1/3 E1 r1 p0";
    QTest::newRow("decimales exactos") << "0.1" << "+" << "0.2" << "3/1 E-1 r1 p0";
    QTest::newRow("por debajo de un double") << "1E-300" << "*" << "1E-20" << "1/1 E-320 r1 p0";
    QTest::newRow("múltiplo de pi") << "pi" << "*" << "2.5" << "25/1 E-1 r1 p1";
    QTest::newRow("raíces que se multiplican") << "√72" << "*" << "√8" << "24/1 E0 r1 p0";
    QTest::newRow("entre una raíz") << "1" << "/" << "√2" << "5/1 E-1 r2 p0";
    QTest::newRow("desbordamiento se rinde") << "9223372036854775807" << "*" << "3" << "none";
    QTest::newRow("pi al cuadrado se rinde") << "pi" << "*" << "pi" << "none";
    QTest::newRow("suma de raíces distintas se rinde") << "√2" << "+" << "1" << "none";
    QTest::newRow("raíz de negativo se rinde") << "√-4" << "" << "" << "none";
    // clang-format on
}

// Exact values are kept reduced and simplified, and give up rather than overflow or lose their form.
void tst_Numbers::exact()
{
    QFETCH(QString, a);
    QFETCH(QString, operation);
    QFETCH(QString, b);
    QFETCH(QString, expected);
    const auto value = [](const QString& text) {
        if (text == QLatin1String("pi"))
            return core::MaybeExact(core::kExactPi);
        if (text.startsWith(QStringLiteral("√")))
            return core::squareRoot(core::exactFromText(text.mid(1).toStdString()));
        return core::exactFromText(text.toStdString());
    };
    const std::map<QString, core::MaybeExact (*)(const core::MaybeExact&, const core::MaybeExact&)> operations{
        {"+", core::operator+ }, {"-", core::operator- }, {"*", core::operator* }, {"/", core::operator/ } };
    const core::MaybeExact x = operation.isEmpty() ? value(a) : operations.at(operation)(value(a), value(b));
    const QString written = x ? QStringLiteral("%1/%2 E%3 r%4 p%5")
                                    .arg(x->numerator)
                                    .arg(x->denominator)
                                    .arg(x->exponent)
                                    .arg(x->radicand)
                                    .arg(x->pi)
                              : QStringLiteral("none");
    QCOMPARE(written, expected);
}

QTEST_GUILESS_MAIN(tst_Numbers)
#include "tst_numbers.moc"
