#include <QtTest>

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>

#include "kit/announcer.h"
#include "kit/listbox.h"
#include "kit/sheet.h"
#include "kit/sheetwindow.h"
#include "tests/support/toolfixture.h"

namespace {

// Does what a step says in window: "box=text" types text into a box, "box!" presses
// Enter in it, "list#row" chooses a row of a list, "button*" clicks a button.
void run(QWidget* window, const QString& step)
{
    if (step.endsWith(QLatin1Char('*'))) {
        window->findChild<QAbstractButton*>(step.chopped(1))->click();
    } else if (step.contains(QLatin1Char('#'))) {
        const QStringList parts = step.split(QLatin1Char('#'));
        window->findChild<kit::ListBox*>(parts[0])->selectRow(parts[1].toInt());
    } else if (step.endsWith(QLatin1Char('!'))) {
        QTest::keyClick(window->findChild<QLineEdit*>(step.chopped(1)), Qt::Key_Return);
    } else {
        const QStringList parts = step.split(QLatin1Char('='));
        auto* box = window->findChild<QLineEdit*>(parts[0]);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, parts[1]);
    }
}

// The last thing any announcer of window said.
QString said(const QWidget* window)
{
    return window->findChild<kit::Announcer*>()->text();
}

} // namespace

class tst_Sheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void ctrl_enter_notes_down_what_the_window_shows_data();
    void ctrl_enter_notes_down_what_the_window_shows();
    void the_sheet_keys_act_on_the_chosen_entry_data();
    void the_sheet_keys_act_on_the_chosen_entry();
    void enter_reopens_the_tool_with_its_values_data();
    void enter_reopens_the_tool_with_its_values();
    void closing_asks_only_while_entries_are_unkept_data();
    void closing_asks_only_while_entries_are_unkept();
    void a_pdf_holds_every_working_in_order();
    void a_failed_save_says_so_and_keeps_every_entry();

private:
    // Notes down the result of a tool opened by opener after steps.
    QWidget* noteDown(const QString& opener, const QStringList& steps);
    kit::SheetWindow* sheetWindow() const { return m_fixture->menu.findChild<kit::SheetWindow*>(); }
    QListWidget* list() const
    {
        return qobject_cast<QListWidget*>(topLevel(QStringLiteral("frmHoja"))->findChild<QListWidget*>());
    }

    MenuFixture* m_fixture = nullptr;
};

void tst_Sheet::init()
{
    m_fixture = new MenuFixture;
}

void tst_Sheet::cleanup()
{
    delete m_fixture;
}

QWidget* tst_Sheet::noteDown(const QString& opener, const QStringList& steps)
{
    QWidget* window = m_fixture->open(opener);
    for (const QString& step : steps)
        run(window, step);
    QTest::keyClick(window, Qt::Key_Return, Qt::ControlModifier);
    return window;
}

void tst_Sheet::ctrl_enter_notes_down_what_the_window_shows_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("entry"); // the entry's text, or "" for none
    QTest::addColumn<QString>("spoken");
    // clang-format off
    QTest::newRow("circumference, with Pi") << "figPerimetro" << QStringList{"Option8*", "Text1=2"} << "Perímetro: CIRCUNFERENCIA\nDiametro (D): 2 cm\nπ = 3.14159265358979\nP = π · D\n= 3.14159265358979 · 2\n= 2π cm\n= 6.28318530717958 cm\n≈ 6.2832 cm (redondeado)\nResultado: 6.2832 cm" << "Anotado: Resultado: 6,2832 cm";
    QTest::newRow("cube") << "figVolumen" << QStringList{"Text1=2"} << "Volumen: CUBO\nArista (a): 2 cm\nV = a³\n= 2³\n= 8 cm³\nResultado: 8 cm³" << "Anotado: Resultado: 8 cm³";
    QTest::newRow("triangle") << "pitTeorema" << QStringList{"txtZ1=3", "txtZ2=4", "txtZ2!"} << "Teorema de Pitágoras y regla de tres: Triángulo\na = 3\nb = 4\nh = √(a² + b²)\n= √(3² + 4²)\n= √(9 + 16)\n= √(25)\n= 5\nh = 5" << "Anotado: h = 5";
    QTest::newRow("proportion") << "pitTeorema" << QStringList{"txtZ3=2", "txtZ4=4", "txtZ5=3", "txtZ5!"} << "Teorema de Pitágoras y regla de tres: Equivalencia\nA = 2\nX = 4\nB = 3\nY = B · X / A\n= 3 · 4 / 2\n= 12 / 2\n= 6\nY = 6" << "Anotado: Y = 6";
    QTest::newRow("converter row") << "cmdButton2" << QStringList{"txtCaja=2", "List3#0"} << "Convertidor de unidades: Longitud\n2 Centímetro\n2 Centímetro = 2 · 10\n= 20 Milímetro (1 Centímetro = 10 Milímetro)\nResultado: 20 Milímetro" << "Anotado: Resultado: 20 Milímetro";
    QTest::newRow("measure missing") << "figPerimetro" << QStringList{} << "" << "Nada que anotar: Faltan medidas";
    QTest::newRow("out of range") << "figArea" << QStringList{"Text1=1e200"} << "" << "Nada que anotar: Fuera de rango";
    QTest::newRow("no answer yet") << "pitTeorema" << QStringList{"txtZ1=3"} << "" << "Nada que anotar: Sin respuesta todavía";
    QTest::newRow("no value to convert") << "cmdButton2" << QStringList{"txtCaja="} << "" << "Nada que anotar: Escriba un valor";
    // clang-format on
}

void tst_Sheet::ctrl_enter_notes_down_what_the_window_shows()
{
    QFETCH(QString, opener);
    QFETCH(QStringList, steps);
    QFETCH(QString, entry);
    QFETCH(QString, spoken);
    QWidget* window = noteDown(opener, steps);
    const kit::Sheet* sheet = m_fixture->context.hasSheet() ? &m_fixture->context.sheet() : nullptr;
    QCOMPARE(sheet && sheet->count() == 1 ? sheet->text() : QString(), entry);
    QCOMPARE(said(window), spoken);
    // The user goes on typing in the tool.
    QCOMPARE(QApplication::activeWindow(), window);
}

void tst_Sheet::the_sheet_keys_act_on_the_chosen_entry_data()
{
}
void tst_Sheet::the_sheet_keys_act_on_the_chosen_entry()
{
}
void tst_Sheet::enter_reopens_the_tool_with_its_values_data()
{
}
void tst_Sheet::enter_reopens_the_tool_with_its_values()
{
}
void tst_Sheet::closing_asks_only_while_entries_are_unkept_data()
{
}
void tst_Sheet::closing_asks_only_while_entries_are_unkept()
{
}
void tst_Sheet::a_pdf_holds_every_working_in_order()
{
}
void tst_Sheet::a_failed_save_says_so_and_keeps_every_entry()
{
}

QTEST_MAIN(tst_Sheet)
#include "tst_sheet.moc"
