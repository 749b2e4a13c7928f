#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>
#include <memory>
#include <set>

#include "core/figures.h"
#include "tests/support/toolfixture.h"
#include "ui/tools.h"

using core::CalculatorId;

Q_DECLARE_METATYPE(core::CalculatorId)

namespace {

constexpr auto P = CalculatorId::Perimeter;
constexpr auto A = CalculatorId::Area;
constexpr auto V = CalculatorId::Volume;

QLineEdit* text(QWidget* window, int n)
{
    return window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
}

QComboBox* combo(QWidget* window, int n)
{
    return window->findChild<QComboBox*>(QStringLiteral("Combo%1").arg(n));
}

QString caption(QWidget* window, const QString& name)
{
    return window->findChild<QLabel*>(name)->text();
}

QString answer(QWidget* window)
{
    return window->findChild<QLineEdit*>(QStringLiteral("txtAnswer"))->text();
}

// Types a measure key by key over the box's text, as a user would, or pastes
// with Ctrl+V what follows "pegar ".
void enterMeasure(QLineEdit* box, const QString& measure, FakeDesktop& desktop)
{
    box->selectAll();
    const QString paste = QStringLiteral("pegar ");
    if (measure.startsWith(paste)) {
        desktop.clipboard = measure.mid(paste.size());
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(box, measure);
    }
}

void clickOption(QWidget* window, int n)
{
    window->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n))->click();
}

// Walks the list with the arrow keys, as a user choosing from it would.
void choose(QComboBox* box, const QString& item)
{
    const int target = box->findText(item);
    QVERIFY(target >= 0);
    if (box->currentIndex() == target && box->currentText() != item) // typed over the choice
        QTest::keyClick(box, target > 0 ? Qt::Key_Up : Qt::Key_Down);
    for (int step = 0; step < 8 && box->currentIndex() != target; ++step)
        QTest::keyClick(box, box->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(box->currentText(), item);
}

// What a list raises when the user picks its chosen item once more.
void chooseAgain(QComboBox* box)
{
    Q_EMIT box->activated(box->currentIndex());
}

void typeResultUnit(QWidget* window, const QString& unit)
{
    QLineEdit* edit = combo(window, 4)->lineEdit();
    edit->setFocus(); // a box completes what is typed only while it has the focus
    edit->selectAll();
    QTest::keyClicks(edit, unit);
    QTest::keyClick(edit, Qt::Key_Return);
}

bool visible(QWidget* window, const QString& name)
{
    return window->findChild<QWidget*>(name)->isVisibleTo(window);
}

// F3, or the bar across the window's foot.
void toggleWorking(QWidget* window, bool byKey)
{
    if (!byKey) {
        window->findChild<QAbstractButton*>(QStringLiteral("cmdDesarrollo"))->click();
        return;
    }
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window)); // for the window's shortcut
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
}

// The working as shown, without the tabs that line its equals signs up.
QString working(QWidget* window)
{
    return window->findChild<QPlainTextEdit*>(QStringLiteral("txtDesarrollo"))->toPlainText().remove(QLatin1Char('\t'));
}

} // namespace

class tst_CalculatorWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void a_fresh_window_shows_figure_1_in_cm_data();
    void a_fresh_window_shows_figure_1_in_cm();
    void every_figure_shows_its_result_data();
    void every_figure_shows_its_result();
    void measure_rows_follow_the_figure_data();
    void measure_rows_follow_the_figure();
    void result_unit_converts_both_ways_data();
    void result_unit_converts_both_ways();
    void input_unit_resets_the_result_unit_and_keeps_the_numbers();
    void base_area_unit_leads_the_input_unit();
    void base_area_unit_follows_the_input_unit();
    void typed_result_unit_is_one_of_its_units_data();
    void typed_result_unit_is_one_of_its_units();
    void a_new_pi_counts_from_the_next_computation();
    void two_windows_of_one_kind_keep_their_own_state();
    void a_result_beyond_range_says_so_until_one_fits_data();
    void a_result_beyond_range_says_so_until_one_fits();
    void a_conversion_beyond_range_says_so_and_keeps_the_unit_data();
    void a_conversion_beyond_range_says_so_and_keeps_the_unit();
    void enter_moves_among_the_visible_boxes_data();
    void enter_moves_among_the_visible_boxes();
    void an_empty_box_shows_0_when_left();
    void the_working_shows_follows_and_copies_data();
    void the_working_shows_follows_and_copies();

private:
    QWidget* open(CalculatorId id);

    std::unique_ptr<MenuFixture> m_fixture;
    std::vector<QPointer<QWidget>> m_windows;
};

void tst_CalculatorWindow::init()
{
    m_fixture = std::make_unique<MenuFixture>();
}

void tst_CalculatorWindow::cleanup()
{
    for (const QPointer<QWidget>& window : m_windows)
        delete window.data();
    m_windows.clear();
    m_fixture.reset();
}

QWidget* tst_CalculatorWindow::open(CalculatorId id)
{
    const auto tool =
        std::find_if(ui::kTools.begin(), ui::kTools.end(), [id](const ui::Tool& t) { return t.calculator == id; });
    QWidget* window = m_fixture->open(QString::fromLatin1(tool->opener));
    m_windows.emplace_back(window);
    return window;
}

void tst_CalculatorWindow::a_fresh_window_shows_figure_1_in_cm_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("resultUnit");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("tipoMedida");
    // clang-format off
    QTest::newRow("perimetro") << P << "frmPerimetro" << "Perímetro" << "cm" << "P = L * 4" << 0;
    QTest::newRow("area") << A << "frmArea" << "Área" << "cm²" << "A = L²" << 1;
    QTest::newRow("volumen") << V << "frmVolumen" << "Volumen" << "cm³" << "V = a³" << 2;
    // clang-format on
}

void tst_CalculatorWindow::a_fresh_window_shows_figure_1_in_cm()
{
    QFETCH(CalculatorId, id);
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QString, resultUnit);
    QFETCH(QString, formula);
    QFETCH(int, tipoMedida);
    m_fixture->var.TipoMedida = -1;
    QWidget* window = open(id);
    QCOMPARE(window->objectName(), form);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(QApplication::focusWidget(), text(window, 1));
    QCOMPARE(text(window, 1)->text(), QString());
    QCOMPARE(text(window, 2)->text(), "0");
    QCOMPARE(text(window, 3)->text(), "0");
    QVERIFY(window->findChild<QRadioButton*>("Option1")->isChecked());
    std::set<int> rows; // one button per figure, each on a row of its own
    for (const QRadioButton* option : window->findChildren<QRadioButton*>())
        rows.insert(option->y());
    QCOMPARE(rows.size(), core::calculator(id).figures.size());
    QCOMPARE(combo(window, 1)->currentText(), "cm");
    QCOMPARE(caption(window, "Combo2"), "cm");
    QCOMPARE(combo(window, 4)->currentText(), resultUnit);
    QCOMPARE(answer(window), "0");
    QCOMPARE(caption(window, "lblForm"), formula);
    QCOMPARE(m_fixture->var.TipoMedida, tipoMedida);
    if (QComboBox* combo5 = combo(window, 5)) {
        QCOMPARE(combo5->currentText(), "cm²");
        QVERIFY(!combo5->isVisible());
    }
}

// The figures' values are tested with their table; here a sample of them
// through the window: typed and pasted, each calculator, one, two and three
// measures, π, a negative, grouped and exponent results, the last button of each.
void tst_CalculatorWindow::every_figure_shows_its_result_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("measures");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("perimetro cuadrado 5") << P << 1 << QStringList{"5"} << "P = L * 4" << "20";
    QTest::newRow("perimetro cuadrado, pegado 1,250") << P << 1 << QStringList{"pegar 1,250"} << "P = L * 4" << "5,000";
    QTest::newRow("perimetro cuadrado, pegado abc") << P << 1 << QStringList{"pegar abc"} << "P = L * 4" << "0";
    QTest::newRow("perimetro cuadrado, 13 cifras tecleadas") << P << 1 << QStringList{"1234567890123"} << "P = L * 4" << "493,827,156,048";
    QTest::newRow("perimetro cuadrado, pegadas 16 cifras") << P << 1 << QStringList{"pegar 1234567890123.45"} << "P = L * 4" << "4,938,271,560,493.8";
    QTest::newRow("perimetro circunferencia 1") << P << 8 << QStringList{"1"} << "Pi * D" << "3.1416";
    QTest::newRow("area poligono 2 5 1.376") << A << 6 << QStringList{"2", "5", "1.376"} << "A = L * # * a / 2" << "6.88";
    QTest::newRow("area cuadrado 1234.5") << A << 1 << QStringList{"1234.5"} << "A = L²" << "1,523,990.25";
    QTest::newRow("area cuadrado de 47 cifras") << A << 1 << QStringList{"1e23"} << "A = L²" << "1E+46";
    QTest::newRow("volumen cubo -2") << V << 1 << QStringList{"-2"} << "V = a³" << "-8";
    // clang-format on
}

void tst_CalculatorWindow::every_figure_shows_its_result()
{
    QFETCH(CalculatorId, id);
    QFETCH(int, option);
    QFETCH(QStringList, measures);
    QFETCH(QString, formula);
    QFETCH(QString, shown);
    QWidget* window = open(id);
    clickOption(window, option);
    for (int n = 1; n <= measures.size(); ++n)
        enterMeasure(text(window, n), measures[n - 1], m_fixture->desktop);
    QCOMPARE(answer(window), shown);
    QCOMPARE(caption(window, "lblForm"), formula);
    QVERIFY(!window->findChild<QLabel*>("imgFig")->pixmap().isNull());
}

void tst_CalculatorWindow::measure_rows_follow_the_figure_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("labels"); // captions of the visible rows
    QTest::addColumn<QString>("unitsShown"); // Combo1, Combo2, Combo3, Combo5 as 0 or 1
    // clang-format off
    QTest::newRow("perimetro poligono") << P << 4 << QStringList{"Lado (l):", "No. lados (#):"} << "100";
    QTest::newRow("perimetro trapecio") << P << 7 << QStringList{"Base Mayor (B):", "Base Menor (b):", "Paredes x2 (ws):"} << "111";
    QTest::newRow("area poligono") << A << 6 << QStringList{"Lado (l):", "No. lados (#):", "Apotema (a):"} << "101";
    QTest::newRow("volumen prisma") << V << 3 << QStringList{"Área Base (Ab):", "Altura (h):"} << "0101";
    QTest::newRow("volumen paralelepipedo") << V << 2 << QStringList{"Arista 1 (a1):", "Arista 2 (a2):", "Arista 3 (a3):"} << "1110";
    QTest::newRow("volumen esfera") << V << 7 << QStringList{"Radio (r):"} << "1000";
    // clang-format on
}

void tst_CalculatorWindow::measure_rows_follow_the_figure()
{
    QFETCH(CalculatorId, id);
    QFETCH(int, option);
    QFETCH(QStringList, labels);
    QFETCH(QString, unitsShown);
    QWidget* window = open(id);
    clickOption(window, option == 1 ? 2 : 1); // from another figure, so rows must hide too
    clickOption(window, option);
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(visible(window, QStringLiteral("Label%1").arg(n)), n <= labels.size());
        QCOMPARE(visible(window, QStringLiteral("Text%1").arg(n)), n <= labels.size());
        if (n <= labels.size())
            QCOMPARE(caption(window, QStringLiteral("Label%1").arg(n)), labels[n - 1]);
    }
    const QStringList units{"Combo1", "Combo2", "Combo3", "Combo5"};
    for (int i = 0; i < unitsShown.size(); ++i)
        QCOMPARE(visible(window, units[i]), unitsShown[i] == '1');
}

// The factors are tested with their table; here one conversion of each calculator.
void tst_CalculatorWindow::result_unit_converts_both_ways_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<QString>("measure");
    QTest::addColumn<QString>("inputUnit");
    QTest::addColumn<QString>("resultUnit");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("unconverted");
    // clang-format off
    QTest::newRow("perimetro 5 km en mm") << P << "5" << "km" << "mm" << "20,000,000" << "20";
    QTest::newRow("area 500 mm en m2") << A << "500" << "mm" << "m²" << "0.25" << "250,000";
    QTest::newRow("volumen 2 km en m3") << V << "2" << "km" << "m³" << "8,000,000,000" << "8";
    // clang-format on
}

void tst_CalculatorWindow::result_unit_converts_both_ways()
{
    QFETCH(CalculatorId, id);
    QFETCH(QString, measure);
    QFETCH(QString, inputUnit);
    QFETCH(QString, resultUnit);
    QFETCH(QString, converted);
    QFETCH(QString, unconverted);
    QWidget* window = open(id);
    choose(combo(window, 1), inputUnit);
    QTest::keyClicks(text(window, 1), measure);
    QCOMPARE(answer(window), unconverted);
    const QString ownUnit = combo(window, 4)->currentText();
    choose(combo(window, 4), resultUnit);
    QCOMPARE(answer(window), converted);
    choose(combo(window, 4), ownUnit);
    QCOMPARE(answer(window), unconverted);
}

void tst_CalculatorWindow::input_unit_resets_the_result_unit_and_keeps_the_numbers()
{
    QWidget* window = open(P);
    clickOption(window, 3);
    text(window, 1)->setText("5");
    choose(combo(window, 4), "mm");
    QCOMPARE(answer(window), "50");
    choose(combo(window, 1), "m");
    QCOMPARE(combo(window, 4)->currentText(), "m");
    QCOMPARE(caption(window, "Combo2"), "m");
    QCOMPARE(caption(window, "Combo3"), "m");
    QCOMPARE(text(window, 1)->text(), "5");
    QCOMPARE(answer(window), "5");
    choose(combo(window, 4), "mm");
    chooseAgain(combo(window, 1));
    QCOMPARE(combo(window, 4)->currentText(), "m");
    QCOMPARE(answer(window), "5");
}

void tst_CalculatorWindow::base_area_unit_leads_the_input_unit()
{
    QWidget* window = open(V);
    clickOption(window, 3);
    text(window, 1)->setText("10");
    text(window, 2)->setText("2");
    choose(combo(window, 5), "m²");
    QCOMPARE(combo(window, 1)->currentText(), "m");
    QCOMPARE(caption(window, "Combo2"), "m");
    QCOMPARE(combo(window, 4)->currentText(), "m³");
    QCOMPARE(answer(window), "20");
    typeResultUnit(window, "mm³");
    chooseAgain(combo(window, 5));
    QCOMPARE(combo(window, 4)->currentText(), "m³");
}

void tst_CalculatorWindow::base_area_unit_follows_the_input_unit()
{
    QWidget* window = open(V);
    choose(combo(window, 1), "m");
    clickOption(window, 3);
    QCOMPARE(combo(window, 5)->currentText(), "m²");
    QCOMPARE(caption(window, "Combo2"), "m");
    QCOMPARE(combo(window, 4)->currentText(), "m³");
    choose(combo(window, 5), "mm²");
    QCOMPARE(combo(window, 1)->currentText(), "mm");
}

void tst_CalculatorWindow::typed_result_unit_is_one_of_its_units_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unit"); // what the box shows once Enter is pressed
    QTest::addColumn<QString>("shown"); // the answer for a cube of 3 cm
    QTest::addColumn<QString>("below"); // the unit the down arrow moves to then
    // clang-format off
    QTest::newRow("mm³") << "mm³" << "mm³" << "27,000" << "cm³";
    QTest::newRow("en mayúsculas") << "KM³" << "km³" << "0" << "km³";
    QTest::newRow("se completa") << "m" << "mm³" << "27,000" << "cm³";
    QTest::newRow("dm³ vuelve a la unidad elegida") << "dm³" << "cm³" << "27" << "m³";
    // clang-format on
}

void tst_CalculatorWindow::typed_result_unit_is_one_of_its_units()
{
    QFETCH(QString, typed);
    QFETCH(QString, unit);
    QFETCH(QString, shown);
    QFETCH(QString, below);
    QWidget* window = open(V);
    text(window, 1)->setText("3");
    typeResultUnit(window, typed);
    QCOMPARE(combo(window, 4)->currentText(), unit);
    QCOMPARE(answer(window), shown);
    text(window, 1)->setText("3.0");
    QCOMPARE(answer(window), shown);
    QTest::keyClick(combo(window, 4), Qt::Key_Down);
    QCOMPARE(combo(window, 4)->currentText(), below);
}

void tst_CalculatorWindow::a_new_pi_counts_from_the_next_computation()
{
    QWidget* window = open(V);
    clickOption(window, 7);
    text(window, 1)->setText("1");
    QCOMPARE(answer(window), "4.1888");
    m_fixture->var.ValorPi = 3.15;
    QCOMPARE(answer(window), "4.1888");
    text(window, 1)->setText("1.0");
    QCOMPARE(answer(window), "4.2");
}

void tst_CalculatorWindow::two_windows_of_one_kind_keep_their_own_state()
{
    QWidget* first = open(A);
    QWidget* second = open(A);
    text(first, 1)->setText("5");
    clickOption(second, 2);
    text(second, 1)->setText("3");
    text(second, 2)->setText("4");
    choose(combo(second, 1), "m");
    QCOMPARE(answer(first), "25");
    QCOMPARE(combo(first, 1)->currentText(), "cm");
    QVERIFY(first->findChild<QRadioButton*>("Option1")->isChecked());
    QCOMPARE(answer(second), "12");
    QCOMPARE(combo(second, 4)->currentText(), "m²");
}

void tst_CalculatorWindow::a_result_beyond_range_says_so_until_one_fits_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("measure2");
    QTest::addColumn<QString>("typed"); // its last keystroke overflows
    QTest::addColumn<QString>("fitting"); // the answer once that keystroke is taken back
    const QString thousands = QStringLiteral(",000");
    // clang-format off
    QTest::newRow("perimetro cuadrado 1e308") << P << 1 << "0" << "1e308" << "4" + thousands.repeated(10);
    QTest::newRow("area cuadrado 1E400") << A << 1 << "0" << "1E400" << "1E+80";
    QTest::newRow("volumen esfera 1e103") << V << 7 << "0" << "1e103" << "4,188,790,204,786,390" + thousands.repeated(5);
    // clang-format on
}

// Typed key by key; the result stays out of range in every result unit until a
// keystroke brings it back.
void tst_CalculatorWindow::a_result_beyond_range_says_so_until_one_fits()
{
    QFETCH(CalculatorId, id);
    QFETCH(int, option);
    QFETCH(QString, measure2);
    QFETCH(QString, typed);
    QFETCH(QString, fitting);
    QWidget* window = open(id);
    clickOption(window, option);
    text(window, 2)->setText(measure2);
    QTest::keyClicks(text(window, 1), typed);
    QCOMPARE(answer(window), "Fuera de rango");
    const QString ownUnit = combo(window, 4)->currentText();
    choose(combo(window, 4), combo(window, 4)->itemText(0));
    QCOMPARE(answer(window), "Fuera de rango");
    choose(combo(window, 4), ownUnit);
    QCOMPARE(answer(window), "Fuera de rango");
    QTest::keyClick(text(window, 1), Qt::Key_Backspace);
    QCOMPARE(answer(window), fitting);
}

void tst_CalculatorWindow::a_conversion_beyond_range_says_so_and_keeps_the_unit_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<QString>("inputUnit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("resultUnit");
    QTest::addColumn<QString>("forOne"); // the answer for a measure of 1 in that unit
    // clang-format off
    QTest::newRow("perimetro 1e302 km en mm") << P << "km" << "1e302" << "mm" << "4,000,000";
    QTest::newRow("volumen 1e100 km en m³") << V << "km" << "1e100" << "m³" << "1,000,000,000";
    // clang-format on
}

void tst_CalculatorWindow::a_conversion_beyond_range_says_so_and_keeps_the_unit()
{
    QFETCH(CalculatorId, id);
    QFETCH(QString, inputUnit);
    QFETCH(QString, typed);
    QFETCH(QString, resultUnit);
    QFETCH(QString, forOne);
    QWidget* window = open(id);
    choose(combo(window, 1), inputUnit);
    QTest::keyClicks(text(window, 1), typed);
    QVERIFY(answer(window) != "Fuera de rango"); // the result itself fits
    choose(combo(window, 4), resultUnit);
    QCOMPARE(answer(window), "Fuera de rango");
    QCOMPARE(combo(window, 4)->currentText(), resultUnit);
    text(window, 1)->selectAll();
    QTest::keyClick(text(window, 1), Qt::Key_1);
    QCOMPARE(answer(window), forOne);
    QCOMPARE(combo(window, 4)->currentText(), resultUnit);
}

void tst_CalculatorWindow::enter_moves_among_the_visible_boxes_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    // clang-format off
    QTest::newRow("solo fila 1 se queda") << P << 1 << 1 << 1;
    QTest::newRow("de 1 a 2") << P << 2 << 1 << 2;
    QTest::newRow("de 2 a 1 sin fila 3") << P << 2 << 2 << 1;
    QTest::newRow("de 2 a 3") << A << 5 << 2 << 3;
    QTest::newRow("de 3 a 1") << V << 2 << 3 << 1;
    // clang-format on
}

void tst_CalculatorWindow::enter_moves_among_the_visible_boxes()
{
    QFETCH(CalculatorId, id);
    QFETCH(int, option);
    QFETCH(int, from);
    QFETCH(int, to);
    QWidget* window = open(id);
    clickOption(window, option);
    QTest::mouseClick(text(window, from), Qt::LeftButton);
    QTest::keyClicks(text(window, from), "7");
    QTest::keyClick(text(window, from), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), text(window, to));
    QCOMPARE(text(window, from)->text(), "7");
}

void tst_CalculatorWindow::an_empty_box_shows_0_when_left()
{
    QWidget* window = open(A);
    clickOption(window, 2);
    text(window, 1)->setText("3");
    text(window, 2)->setText("4");
    QTest::keyClick(text(window, 1), Qt::Key_Return);
    QCoreApplication::processEvents(); // the focus-gained step is queued
    QCOMPARE(text(window, 2)->selectedText(), "4");
    text(window, 2)->clear();
    QCOMPARE(answer(window), "0");
    QTest::keyClick(text(window, 2), Qt::Key_Return);
    QCOMPARE(text(window, 2)->text(), "0");
    QTest::keyClick(text(window, 1), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(text(window, 2)->text(), QString());
    QCOMPARE(answer(window), "0");
}

void tst_CalculatorWindow::the_working_shows_follows_and_copies_data()
{
    QTest::addColumn<CalculatorId>("id");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("byKey"); // F3, or the toggle
    QTest::addColumn<double>("pi");
    QTest::addColumn<QStringList>("measures"); // typed once the working shows
    QTest::addColumn<QString>("shown"); // "|" for a new line
    // clang-format off
    QTest::newRow("perimetro rectangulo, F3") << P << 2 << true << 3.14159265358979 << QStringList{"3", "4"} << "P = b · 2 + h · 2|= 3 · 2 + 4 · 2|= 6 + 8|= 14 cm";
    QTest::newRow("area circulo, el boton") << A << 7 << false << 3.14159265358979 << QStringList{"3"} << "A = π · r²|= π · 3²|= π · 9|= 9π cm²|≈ 3.14159265358979 · 9|≈ 28.2743 cm² (redondeado a 4 decimales)";
    QTest::newRow("area circulo, Pi 3.1416") << A << 7 << true << 3.1416 << QStringList{"3"} << "A = π · r²|= π · 3²|= π · 9|= 9π cm²|≈ 3.1416 · 9|= 28.2744 cm²";
    QTest::newRow("volumen cubo sin medidas") << V << 1 << false << 3.14159265358979 << QStringList{} << "V = a³";
    QTest::newRow("volumen cubo, la caja sin agrupar") << V << 1 << true << 3.14159265358979 << QStringList{"1e16"} << "V = a³|= (1E+16)³|= 1E+48 cm³";
    QTest::newRow("volumen cubo fuera de rango") << V << 1 << true << 3.14159265358979 << QStringList{"1e200"} << "V = a³|= (1E+200)³|= Fuera de rango";
    // clang-format on
}

// While shown the working follows each keystroke; it is copied as shown, it
// shows in the next window too, and hidden again the window is its own size.
void tst_CalculatorWindow::the_working_shows_follows_and_copies()
{
    QFETCH(CalculatorId, id);
    QFETCH(int, option);
    QFETCH(bool, byKey);
    QFETCH(double, pi);
    QFETCH(QStringList, measures);
    QFETCH(QString, shown);
    m_fixture->var.ValorPi = pi;
    QWidget* window = open(id);
    const QSize ownSize = window->size();
    clickOption(window, option);
    toggleWorking(window, byKey);
    QVERIFY(visible(window, "frmeDesarrollo"));
    QVERIFY(window->height() > ownSize.height());
    for (int n = 1; n <= measures.size(); ++n)
        QTest::keyClicks(text(window, n), measures[n - 1]);
    QTRY_COMPARE(working(window), shown.replace('|', '\n'));
    QTest::keyClick(text(window, 1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_fixture->desktop.clipboard, shown);
    QVERIFY(visible(open(id), "frmeDesarrollo"));
    toggleWorking(window, byKey);
    QVERIFY(!visible(window, "frmeDesarrollo"));
    QCOMPARE(window->size(), ownSize);
}

QTEST_MAIN(tst_CalculatorWindow)
#include "tst_calculatorwindow.moc"
