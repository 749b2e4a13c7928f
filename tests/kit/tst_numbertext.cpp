#include <QtTest>

#include "kit/language.h"
#include "kit/numberbox.h"
#include "kit/spokennumbers.h"

// Numbers as they come in from the clipboard and go out to the ear, with the
// words of their units.
class tst_NumberText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_paste_reads_the_number_the_user_copied_data();
    void a_paste_reads_the_number_the_user_copied();
    void numbers_are_heard_with_the_languages_decimal_mark_data();
    void numbers_are_heard_with_the_languages_decimal_mark();
};

void tst_NumberText::a_paste_reads_the_number_the_user_copied_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("number"); // null: no number
    // clang-format off
    QTest::newRow("medio con coma decimal") << "0,500" << "0.5";
    QTest::newRow("milésima con coma decimal") << "0,001" << "0.001";
    QTest::newRow("coma decimal") << "2,5" << "2.5";
    QTest::newRow("cuatro decimales con coma") << "3,1416" << "3.1416";
    QTest::newRow("negativo con coma decimal") << "-2,5" << "-2.5";
    QTest::newRow("agrupado con decimales") << "1,234.5" << "1234.5";
    QTest::newRow("agrupado entero") << "8,000" << "8000";
    QTest::newRow("agrupado dos veces") << "-1,234,567.25" << "-1234567.25";
    QTest::newRow("se lee como lo escribe el programa") << "1,250" << "1250";
    QTest::newRow("grupo que no es de tres") << "1,234,5" << "1.234";
    QTest::newRow("coma tras el número") << "5, 6, 7" << "5";
    QTest::newRow("coma tras los decimales") << "3.5,2" << "3.5";
    QTest::newRow("punto decimal") << "304.8 cm" << "304.8";
    QTest::newRow("blancos delante") << "  \t7,25" << "7.25";
    QTest::newRow("signo y punto entre blancos") << " -\n. 5" << "-0.5";
    QTest::newRow("letras") << "abc" << QString();
    QTest::newRow("nada") << "" << QString();
    QTest::newRow("signo y punto sin cifra") << "+. x" << QString();
    QTest::newRow("coma sin cifra delante") << ",5" << QString();
    QTest::newRow("más allá de un double") << "1E400" << QString();
    // clang-format on
}

void tst_NumberText::a_paste_reads_the_number_the_user_copied()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, number);
    QCOMPARE(kit::pastedNumber(clipboard), number);
    QCOMPARE(kit::pastedNumber(clipboard).isNull(), number.isNull());
}

void tst_NumberText::numbers_are_heard_with_the_languages_decimal_mark_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown"); // "NUMBER|WORDS": a number and its unit's words
    QTest::addColumn<QString>("heard");
    // clang-format off
    QTest::newRow("Pi en español") << "es" << "Pi: 3.1416" << "Pi: 3,1416";
    QTest::newRow("agrupado en español") << "es" << "1,234.5 metros" << "1234,5 metros";
    QTest::newRow("Pi en inglés") << "en" << "Pi: 3.1416" << "Pi: 3.1416";
    QTest::newRow("agrupado en inglés") << "en" << "1,234.5 metros" << "1234.5 metros";
    QTest::newRow("Pi en portugués") << "pt_BR" << "Pi: 3.1416" << "Pi: 3,1416";
    QTest::newRow("agrupado en portugués") << "pt_BR" << "1,234.5 metros" << "1234,5 metros";
    QTest::newRow("Pi en catalán") << "ca" << "Pi: 3.1416" << "Pi: 3,1416";
    QTest::newRow("agrupado en catalán") << "ca" << "1,234.5 metros" << "1234,5 metros";
    QTest::newRow("exponente") << "pt_BR" << "3.861022E-11" << "3,861022E-11";
    QTest::newRow("punto que no está entre cifras") << "es" << "Entre 3.14 y 3.15." << "Entre 3,14 y 3,15.";
    QTest::newRow("1 centímetros en español") << "es" << "1|centímetros" << "1 centímetro";
    QTest::newRow("1 metros en español") << "es" << "1|metros" << "1 metro";
    QTest::newRow("2 metros en español") << "es" << "2|metros" << "2 metros";
    QTest::newRow("1.5 metros en español") << "es" << "1.5|metros" << "1,5 metros";
    QTest::newRow("0.5 metros en español") << "es" << "0.5|metros" << "0,5 metros";
    QTest::newRow("1 centímetros en inglés") << "en" << "1|centímetros" << "1 centimetre";
    QTest::newRow("1 metros en inglés") << "en" << "1|metros" << "1 metre";
    QTest::newRow("2 metros en inglés") << "en" << "2|metros" << "2 metres";
    QTest::newRow("1.5 metros en inglés") << "en" << "1.5|metros" << "1.5 metres";
    QTest::newRow("0.5 metros en inglés") << "en" << "0.5|metros" << "0.5 metres";
    QTest::newRow("1 centímetros en portugués") << "pt_BR" << "1|centímetros" << "1 centímetro";
    QTest::newRow("1 metros en portugués") << "pt_BR" << "1|metros" << "1 metro";
    QTest::newRow("2 metros en portugués") << "pt_BR" << "2|metros" << "2 metros";
    QTest::newRow("1.5 metros en portugués") << "pt_BR" << "1.5|metros" << "1,5 metro";
    QTest::newRow("0.5 metros en portugués") << "pt_BR" << "0.5|metros" << "0,5 metro";
    QTest::newRow("1 centímetros en catalán") << "ca" << "1|centímetros" << "1 centímetre";
    QTest::newRow("1 metros en catalán") << "ca" << "1|metros" << "1 metre";
    QTest::newRow("2 metros en catalán") << "ca" << "2|metros" << "2 metres";
    QTest::newRow("1.5 metros en catalán") << "ca" << "1.5|metros" << "1,5 metres";
    QTest::newRow("0.5 metros en catalán") << "ca" << "0.5|metros" << "0,5 metres";
    QTest::newRow("mil agrupado, en plural") << "es" << "1,000|metros" << "1000 metros";
    QTest::newRow("uno negativo") << "es" << "-1|metros" << "-1 metro";
    QTest::newRow("sin número, en plural") << "es" << "Fuera de rango|metros" << "Fuera de rango metros";
    // clang-format on
}

void tst_NumberText::numbers_are_heard_with_the_languages_decimal_mark()
{
    QFETCH(QString, language);
    QFETCH(QString, shown);
    QFETCH(QString, heard);
    const kit::Translations translations(language);
    const QStringList parts = shown.split(QLatin1Char('|'));
    if (parts.size() == 1)
        QCOMPARE(kit::spoken(shown), heard);
    else
        QCOMPARE(kit::spoken(parts[0]) + QLatin1Char(' ') + kit::unitAfter(parts[0], parts[1].toUtf8().constData()),
                 heard);
}

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
